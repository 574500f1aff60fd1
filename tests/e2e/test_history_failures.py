"""A history file the program cannot use at launch: the program says so on
standard error and in a message box, ends with a failure status once the box
is closed, and leaves the file exactly as it was. (Failures while the program
runs are the store's own tests.)"""

import os
import subprocess
import unittest

from harness import BIN, HISTORY, accessible_nodes, click_accessible, wait_until, write_settings

FOLDER = os.path.dirname(HISTORY)
PREFIX = "Could not open the history database: "


def folder_state():
    """Every file of the history's folder with its bytes and mode."""
    state = {}
    for name in sorted(os.listdir(FOLDER)):
        path = os.path.join(FOLDER, name)
        with open(path, "rb") as f:
            state[name] = (f.read(), oct(os.stat(path).st_mode & 0o7777))
    return state


class AtLaunch(unittest.TestCase):
    def test_a_file_that_is_not_a_database_is_refused_and_left_alone(self):
        os.makedirs(FOLDER, exist_ok=True)
        for name in os.listdir(FOLDER):
            os.remove(os.path.join(FOLDER, name))
        write_settings(hasCompletedOnboarding=True)
        with open(HISTORY, "w") as f:
            f.write("my shopping list\n")
        os.chmod(HISTORY, 0o640)
        before = folder_state()
        with open(os.path.join(os.environ["HOME"], "stderr"), "w+") as stderr:
            proc = subprocess.Popen([os.path.join(BIN, "inkharbor")], stdout=subprocess.DEVNULL,
                                    stderr=stderr)
            self.addCleanup(lambda: proc.poll() is None and proc.kill())
            # A person must read the box: it waits for them, the program with it.
            box = wait_until(lambda: [n for n in accessible_nodes("label")
                                      if n[0].startswith(PREFIX)], message="the message box")
            message = box[0][0]
            self.assertIsNone(proc.poll())
            self.assertEqual(folder_state(), before, "changed while the box is up")
            # The window manager may still be placing the box when it is first
            # seen: a click that found the button before it moved is repeated.
            status = None
            for _ in range(10):
                click_accessible("push button", "OK")
                try:
                    status = proc.wait(timeout=3)
                    break
                except subprocess.TimeoutExpired:
                    continue
            self.assertEqual(status, 1)
            stderr.seek(0)
            self.assertIn(message, stderr.read().splitlines())
        self.assertEqual(message, PREFIX + HISTORY + ": file is not a database")
        self.assertEqual(folder_state(), before)


if __name__ == "__main__":
    unittest.main(verbosity=2)
