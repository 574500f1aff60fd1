import os
import subprocess
import time
import unittest

from harness import (BIN, DesktopTest, Inkharbor, TestWindow, overlay_shown, wait_until,
                     window_shown, write_settings, xdotool)

UNDER = (900, 850)  # white in the window under the overlay; grey while it is up


def inkharbor(*args, env=None):
    return subprocess.run([os.path.join(BIN, "inkharbor"), *args], capture_output=True,
                          timeout=30, env=env)


class WithARunningInstance(DesktopTest):
    def test_help_and_wrong_options_leave_the_running_one_alone(self):
        self.app.wait_until_ready()
        self.assertTrue(inkharbor("--help").stdout.startswith(b"Usage: inkharbor [OPTION]\n"))
        self.assertEqual(inkharbor("--version").stdout.split()[0], b"inkharbor")
        wrong = inkharbor("--frobnicate")
        self.assertEqual(wrong.returncode, 2)
        self.assertEqual(wrong.stderr, b"inkharbor: unknown option --frobnicate (see --help)\n")
        time.sleep(1)
        # A plain second launch would have opened the settings.
        self.assertFalse(window_shown("Inkharbor Settings"))

    def test_actions_reach_the_running_one(self):
        self.show_window(700, 750, 400, 120, lines=["Under the overlay"], title="Under")
        self.app.wait_until_ready()
        for option, title in (("--settings", "Inkharbor Settings"), ("--history", "History")):
            self.assertEqual(inkharbor(option).returncode, 0)
            wait_until(lambda: window_shown(title), message=title)
        xdotool("key", "Escape")
        self.assertEqual(inkharbor("--capture-text").returncode, 0)
        wait_until(lambda: overlay_shown(*UNDER), message="the overlay")
        xdotool("key", "Escape")
        wait_until(lambda: not overlay_shown(*UNDER), message="the overlay to close")
        self.assertEqual(inkharbor("--quit").returncode, 0)
        self.assertEqual(self.app.proc.wait(timeout=15), 0)


class WithoutARunningInstance(unittest.TestCase):
    def setUp(self):
        write_settings(hasCompletedOnboarding=True)

    def test_an_action_starts_the_program_which_then_acts(self):
        self.assertEqual(inkharbor("--quit").returncode, 0)
        self.assertFalse(Inkharbor.owns_bus_name(), "--quit starts nothing")
        under = TestWindow(700, 750, 400, 120, lines=["Under the overlay"], title="Under")
        self.addCleanup(under.close)
        self.assertFalse(overlay_shown(*UNDER))
        starter = subprocess.Popen([os.path.join(BIN, "inkharbor"), "--capture-text"],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(starter.wait)
        self.addCleanup(lambda: inkharbor("--quit"))
        wait_until(lambda: overlay_shown(*UNDER), timeout=30, message="the overlay")
        xdotool("key", "Escape")

    def test_without_a_display_one_line_and_status_one(self):
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM")}
        result = inkharbor("--settings", env=env)
        self.assertEqual((result.returncode, result.stderr),
                         (1, b"inkharbor: no X display: DISPLAY is not set\n"))
        result = inkharbor("--settings", env={**env, "DISPLAY": ":97"})
        self.assertEqual((result.returncode, result.stderr),
                         (1, b"inkharbor: cannot open the X display :97\n"))
        self.assertFalse(Inkharbor.owns_bus_name())


if __name__ == "__main__":
    unittest.main(verbosity=2)
