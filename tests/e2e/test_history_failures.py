"""A history file the program cannot use at launch: the program says so on
standard error and in a message box, and ends with a failure status once the
box is closed. (What becomes of the file is the store's own tests.)"""

import os
import subprocess
import unittest

from harness import (BIN, HISTORY, accessible_nodes, click_accessible, remove_history, wait_until,
                     write_settings)

MESSAGE = f"Could not open the history database: {HISTORY}: file is not a database"


class AtLaunch(unittest.TestCase):
    def test_a_file_that_is_not_a_database_is_refused(self):
        remove_history()
        write_settings(hasCompletedOnboarding=True)
        os.makedirs(os.path.dirname(HISTORY), exist_ok=True)
        with open(HISTORY, "w") as f:
            f.write("my shopping list\n")
        stderr = open(os.path.join(os.environ["HOME"], "stderr"), "w+")  # the log goes there too
        self.addCleanup(stderr.close)
        proc = subprocess.Popen([os.path.join(BIN, "inkharbor")], stdout=subprocess.DEVNULL,
                                stderr=stderr)
        self.addCleanup(lambda: proc.poll() is None and proc.kill())
        # A person must read the box: it waits for them, the program with it.
        wait_until(lambda: accessible_nodes("label", MESSAGE), message="the message box")
        self.assertIsNone(proc.poll())
        # The window manager may still be placing the box when it is first
        # seen: a click that found the button before it moved is repeated.
        for _ in range(10):
            click_accessible("push button", "OK")
            try:
                proc.wait(timeout=3)
                break
            except subprocess.TimeoutExpired:
                continue
        self.assertEqual(proc.returncode, 1)
        stderr.seek(0)
        self.assertIn(MESSAGE, stderr.read().splitlines())


if __name__ == "__main__":
    unittest.main(verbosity=2)
