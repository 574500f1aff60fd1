import os
import subprocess
import time
import unittest

from harness import (BIN, CONFIG, Inkharbor, TestWindow, run, wait_until, write_settings, xdotool)


def window_shown(title):
    result = run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$", check=False)
    return result.returncode == 0 and result.stdout.strip() != b""


class Launch(unittest.TestCase):
    def setUp(self):
        if os.path.exists(CONFIG):
            os.remove(CONFIG)

    def start(self):
        app = Inkharbor()
        self.addCleanup(app.stop)
        return app

    def test_the_first_launch_opens_the_onboarding_and_done_is_remembered(self):
        app = self.start()
        wait_until(lambda: window_shown("Welcome to Inkharbor"), message="the onboarding")
        # Continue, Continue, Done: Return acts as the primary button.
        for _ in range(3):
            xdotool("search", "--name", "^Welcome to Inkharbor$", "windowactivate", "--sync")
            xdotool("key", "Return")
            time.sleep(0.4)
        wait_until(lambda: not window_shown("Welcome to Inkharbor"), message="the onboarding to close")
        app.stop()
        with open(CONFIG) as f:
            self.assertIn("hasCompletedOnboarding=true", f.read())

        self.start()
        time.sleep(2)
        self.assertFalse(window_shown("Welcome to Inkharbor"))

    def test_a_second_launch_hands_over_and_exits(self):
        write_settings(hasCompletedOnboarding=True)
        app = self.start()
        started = time.monotonic()
        second = subprocess.run([os.path.join(BIN, "inkharbor")], timeout=30, capture_output=True)
        self.assertEqual(second.returncode, 0)
        self.assertLess(time.monotonic() - started, 10)
        # No window was open, and this desktop has no tray: the running one
        # shows its settings (with a tray it is the onboarding, test_tray).
        wait_until(lambda: window_shown("Inkharbor Settings"), message="the settings")
        self.assertIsNone(app.proc.poll())

        # A minimised window is restored instead.
        xdotool("search", "--name", "^Inkharbor Settings$", "windowminimize", "--sync")
        wait_until(lambda: not window_shown("Inkharbor Settings"), message="minimised")
        subprocess.run([os.path.join(BIN, "inkharbor")], timeout=30, check=True)
        wait_until(lambda: window_shown("Inkharbor Settings"), message="the window restored")
        windows = run("xdotool", "search", "--name", "^Inkharbor Settings$").stdout.split()
        self.assertEqual(len(windows), 1)

if __name__ == "__main__":
    unittest.main(verbosity=2)
