import os
import subprocess
import tempfile
import time
import unittest

from harness import (BIN, DesktopTest, Inkharbor, TestWindow, overlay_shown, run, wait_until,
                     write_settings, xdotool)

REPO = os.path.join(os.path.dirname(__file__), "../..")


def inkharbor(*args, env=None):
    return subprocess.run([os.path.join(BIN, "inkharbor"), *args], capture_output=True,
                          timeout=30, env=env)


def window_shown(title):
    result = run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$", check=False)
    return result.returncode == 0 and result.stdout.strip() != b""


class WithARunningInstance(DesktopTest):
    def test_help_version_and_wrong_options_leave_the_running_one_alone(self):
        self.app.wait_until_ready()
        help = inkharbor("--help")
        self.assertEqual(help.returncode, 0)
        self.assertTrue(help.stdout.startswith(b"Usage: inkharbor"))
        self.assertIn(b"--capture-text", help.stdout)
        self.assertEqual(inkharbor("--version").stdout.split()[0], b"inkharbor")
        wrong = inkharbor("--frobnicate")
        self.assertEqual(wrong.returncode, 2)
        self.assertEqual(wrong.stderr, b"inkharbor: unknown option --frobnicate (see --help)\n")
        time.sleep(1)
        # A plain second launch would have opened the onboarding.
        self.assertFalse(window_shown("Welcome to Inkharbor"))

    def test_actions_reach_the_running_one(self):
        self.show_window(700, 750, 400, 120, lines=["Under the overlay"], title="Under")
        self.app.wait_until_ready()
        self.assertEqual(inkharbor("--settings").returncode, 0)
        wait_until(lambda: window_shown("Inkharbor Settings"), message="the settings")
        self.assertEqual(inkharbor("--history").returncode, 0)
        wait_until(lambda: window_shown("History"), message="the history")
        xdotool("key", "Escape")
        self.assertEqual(inkharbor("--capture-text").returncode, 0)
        wait_until(lambda: overlay_shown(900, 850), message="the overlay")
        xdotool("key", "Escape")
        self.app.wait_for_log("Selection cancelled")
        wait_until(lambda: not overlay_shown(900, 850), message="the overlay to close")
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
        self.assertFalse(overlay_shown(900, 850))
        starter = subprocess.Popen([os.path.join(BIN, "inkharbor"), "--capture-text"],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(starter.wait)
        self.addCleanup(lambda: inkharbor("--quit"))
        wait_until(lambda: overlay_shown(900, 850), timeout=30, message="the overlay")
        xdotool("key", "Escape")
        wait_until(lambda: not overlay_shown(900, 850), message="the overlay to close")

    def test_without_a_display_one_line_and_status_one(self):
        for display, message in ((None, b"inkharbor: no X display: DISPLAY is not set\n"),
                                 (":97", b"inkharbor: cannot open the X display :97\n")):
            env = {k: v for k, v in os.environ.items()
                   if k not in ("DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM")}
            if display:
                env["DISPLAY"] = display
            result = inkharbor("--settings", env=env)
            self.assertEqual(result.returncode, 1, result.stderr)
            self.assertEqual(result.stderr, message)
        self.assertFalse(Inkharbor.owns_bus_name())


class OtherCommands(unittest.TestCase):
    def test_recognize_reads_standard_input_and_says_one_line_per_broken_image(self):
        recognize = os.path.join(BIN, "inkharbor-recognize")
        with open(os.path.join(REPO, "resources/sample-screenshot.png"), "rb") as f:
            png = f.read()
        result = subprocess.run([recognize, "--languages", "eng", "-"], input=png,
                                capture_output=True, timeout=120)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertTrue(result.stdout.strip())
        with tempfile.TemporaryDirectory() as folder:
            broken = os.path.join(folder, "broken.png")
            with open(broken, "wb") as f:
                f.write(png[:2000])
            result = subprocess.run([recognize, broken], capture_output=True, timeout=60)
            self.assertEqual(result.returncode, 2)
            self.assertEqual(result.stderr.count(b"\n"), 1, result.stderr)
            self.assertTrue(result.stderr.startswith(b"inkharbor-recognize: " + broken.encode()))


if __name__ == "__main__":
    unittest.main(verbosity=2)
