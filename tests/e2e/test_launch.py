import os
import subprocess
import time
import unittest

from harness import (BIN, CONFIG, Inkharbor, TestWindow, activate, run, wait_until,
                     window_shown, write_settings, xdotool)

WELCOME = "Welcome to Inkharbor"
SETTINGS = "Inkharbor Settings"


def launch_again():
    return subprocess.run([os.path.join(BIN, "inkharbor")], timeout=30, capture_output=True)


def active_window_name():
    return run("xdotool", "getactivewindow", "getwindowname", check=False).stdout.strip().decode()


class Launch(unittest.TestCase):
    def start(self):
        app = Inkharbor()
        self.addCleanup(app.stop)
        return app

    def test_the_first_launch_opens_the_onboarding_and_done_is_remembered(self):
        if os.path.exists(CONFIG):
            os.remove(CONFIG)
        app = self.start()
        wait_until(lambda: window_shown(WELCOME), message="the onboarding")
        # Continue, Continue, Done: Return acts as the primary button.
        for _ in range(3):
            activate(WELCOME)
            xdotool("key", "Return")
            time.sleep(0.4)
        wait_until(lambda: not window_shown(WELCOME), message="the onboarding to close")
        app.stop()
        with open(CONFIG) as f:
            self.assertIn("hasCompletedOnboarding=true", f.read())
        self.start()
        time.sleep(2)
        self.assertFalse(window_shown(WELCOME))

    def test_a_second_launch_hands_over_and_exits(self):
        write_settings(hasCompletedOnboarding=True)
        app = self.start()
        app.wait_until_ready()
        # No window was open, and this desktop has no tray: the running one
        # shows its settings (with a tray it is the onboarding, test_tray).
        self.assertEqual(launch_again().returncode, 0)
        wait_until(lambda: window_shown(SETTINGS), message="the settings")
        self.assertIsNone(app.proc.poll())

        # Covered by another program's window, it comes back to the front.
        other = TestWindow(300, 200, 700, 500, lines=["In front"], title="Document")
        self.addCleanup(other.close)
        activate("Document")
        wait_until(lambda: active_window_name() == "Document", message="the other window in front")
        launch_again()
        wait_until(lambda: active_window_name() == SETTINGS, message="the settings in front")

        # A minimised window is restored, not opened twice.
        xdotool("search", "--name", f"^{SETTINGS}$", "windowminimize", "--sync")
        wait_until(lambda: not window_shown(SETTINGS), message="minimised")
        launch_again()
        wait_until(lambda: window_shown(SETTINGS), message="the window restored")
        self.assertEqual(len(run("xdotool", "search", "--name", f"^{SETTINGS}$").stdout.split()), 1)


if __name__ == "__main__":
    unittest.main(verbosity=2)
