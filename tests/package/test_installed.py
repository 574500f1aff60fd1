"""The installed package as a desktop uses it: the bus starts the program
from /usr/bin for an action, the launcher's desktop action reaches it the
way a desktop sends it, and the autostart entry it writes runs the installed
program. Runs in a session of its own (tests/e2e/session.sh); the helper
windows come from the build tree (INKHARBOR_BIN)."""

import os
import signal
import sys
import unittest

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "../e2e"))

from harness import (APP_ID, Inkharbor, TestWindow, accessible_nodes, clipboard,  # noqa: E402
                     drag, overlay_shown, run, wait_until, write_settings, xdotool)

OBJECT_PATH = "/" + APP_ID.replace(".", "/")
PROGRAM = "/usr/bin/inkharbor"
AUTOSTART = os.path.join(os.environ["XDG_CONFIG_HOME"], "autostart", APP_ID + ".desktop")
LINES = ["Installed from a package", "and started by the bus."]


def call(method, *args):
    """A call to the program's bus name, which starts it when it is not running."""
    run("gdbus", "call", "--session", "--dest", APP_ID, "--object-path", OBJECT_PATH,
        "--method", f"org.freedesktop.Application.{method}", *args, timeout=60)


def running_program():
    out = run("gdbus", "call", "--session", "--dest", "org.freedesktop.DBus", "--object-path",
              "/org/freedesktop/DBus", "--method", "org.freedesktop.DBus.GetConnectionUnixProcessID",
              APP_ID).stdout.decode()
    pid = int(out.strip("()\n, ").split()[-1])
    return pid, os.readlink(f"/proc/{pid}/exe")


def window_shown(title):
    result = run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$", check=False)
    return result.returncode == 0 and result.stdout.strip() != b""


class Installed(unittest.TestCase):
    def setUp(self):
        write_settings(hasCompletedOnboarding=True)
        self.assertFalse(Inkharbor.owns_bus_name())
        self.addCleanup(self.stop)

    def stop(self):
        if Inkharbor.owns_bus_name():
            pid, _ = running_program()
            os.kill(pid, signal.SIGTERM)
            wait_until(lambda: not Inkharbor.owns_bus_name(), message="the program to end")

    def test_the_bus_starts_it_for_a_capture_and_the_desktop_action_reads_a_code(self):
        window = TestWindow(200, 150, 700, 260, lines=LINES, font_size=22)
        self.addCleanup(window.close)
        xdotool("search", "--name", "^Document$", "windowactivate", "--sync")

        call("ActivateAction", "capture-text", "[]", "{}")
        self.assertEqual(running_program()[1], PROGRAM)
        wait_until(lambda: overlay_shown(850, 380), message="the overlay")
        drag(215, 165, 715, 305)
        wait_until(lambda: clipboard() == "\n".join(LINES).encode(), timeout=30,
                   message="the text on the clipboard")
        window.close()
        self.stop()

        # A launcher's "Read QR / Barcode", sent the way GLib sends it for a
        # desktop entry that the bus activates.
        codes = TestWindow(200, 150, 400, 420, qr=["https://inkharbor.app/installed"])
        self.addCleanup(codes.close)
        launcher = Gio.DesktopAppInfo.new(f"{APP_ID}.desktop")
        self.assertTrue(launcher.get_boolean("DBusActivatable"))
        self.assertEqual(launcher.list_actions(), ["capture-text", "capture-barcode"])
        # The call goes out without waiting for an answer; this process stays
        # connected, as a launcher does, while the bus starts the program.
        launcher.launch_action("capture-barcode", None)
        wait_until(lambda: overlay_shown(550, 500), timeout=30, message="the overlay")
        drag(205, 175, 505, 475)
        wait_until(lambda: clipboard() == b"https://inkharbor.app/installed", timeout=30,
                   message="the code on the clipboard")

    def test_a_launch_by_the_bus_opens_nothing_and_launch_at_login_runs_the_installed_program(self):
        call("Activate", "{}")
        call("ActivateAction", "settings", "[]", "{}")
        wait_until(lambda: window_shown("Inkharbor Settings"), message="the settings window")
        # The Activate that started it was the launch itself, not a re-open.
        self.assertFalse(window_shown("Welcome to Inkharbor"))

        switch = wait_until(lambda: [n for n in accessible_nodes(name="Launch at login")
                                     if n[2] and n[2][2] > 0], message="the switch")[0]
        x, y, w, h = switch[2]
        xdotool("mousemove", x + w // 2, y + h // 2, "click", 1)
        wait_until(lambda: os.path.exists(AUTOSTART), message="the autostart entry")
        with open(AUTOSTART) as f:
            entry = f.read()
        self.assertIn(f"Exec={PROGRAM}\n", entry)
        self.assertIn(f"Icon={APP_ID}\n", entry)
        self.assertEqual(run("desktop-file-validate", AUTOSTART, check=False).stdout, b"")


if __name__ == "__main__":
    unittest.main(verbosity=2)
