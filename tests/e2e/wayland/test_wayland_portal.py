"""The screen-sharing portal road (GNOME and KDE Plasma take it; here without
grim): a portal on the session bus hands out real PipeWire streams, one per
output, the second at scale 2. The portal here is the fake of the portal
tests, as the desktop's own cannot stream in this headless session."""

import os
import subprocess
import sys
import tempfile
import time
import unittest

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)
from wayland_harness import drag, key, overlays, pixel, pointer, wait_until  # noqa: E402
from harness import Inkharbor, accessible_nodes, run, write_settings  # noqa: E402

PORTAL = os.path.join(here, "..", "..", "platform", "portal", "fake_portal.py")


def control(method, *args):
    run("gdbus", "call", "--session", "--dest", "org.freedesktop.portal.Desktop", "--object-path",
        "/org/freedesktop/portal/desktop", "--method", f"org.inkharbor.FakePortal.{method}",
        *[str(a) for a in args])


class PortalRoad(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # Light grey pictures, the size of each output's pixels.
        cls.portal = subprocess.Popen(["/usr/bin/python3", PORTAL, "0xffe0e0e0:1280x800:0,0,1280,800",
                                       "0xffe0e0e0:1024x768:1280,0,512,384"])
        wait_until(lambda: b"true" in run(
            "gdbus", "call", "--session", "--dest", "org.freedesktop.DBus", "--object-path",
            "/org/freedesktop/DBus", "--method", "org.freedesktop.DBus.NameHasOwner",
            "org.freedesktop.portal.Desktop").stdout, timeout=30, message="the portal on the bus")
        write_settings(hasCompletedOnboarding=True)
        cls.app = Inkharbor(("PATH", tempfile.mkdtemp()))  # no grim
        cls.app.wait_until_ready()

    @classmethod
    def tearDownClass(cls):
        cls.app.stop()
        cls.portal.terminate()
        cls.portal.wait(timeout=10)

    def capture(self, x, y):
        pointer("move", 1275, 795)
        self.app.action("capture-text")
        wait_until(lambda: len(overlays()) == 2, message="an overlay on each output")
        pointer("move", x + 5, y + 5)
        # The stream's light grey, dimmed by the overlay (the bare output is black).
        wait_until(lambda: 150 < pixel(x + 100, y + 100)[0] < 200, message="the frame dimmed")
        drag(x, y, x + 200, y + 100)

    def test_each_output_is_read_from_its_stream_at_its_scale_and_the_consent_is_kept(self):
        self.assertIn("Screen capture through the screen-sharing portal", self.app.log())
        self.capture(1280 + 10, 10)
        self.app.wait_for_log("OCR found")
        self.assertRegex(self.app.log(), r"Captured image 400x200 ")
        self.capture(10, 10)
        wait_until(lambda: self.app.log().count("OCR found") == 2, message="the second capture")
        self.assertRegex(self.app.log(), r"Captured image 200x100 ")

    def test_the_desktops_shortcut_starts_a_capture_when_it_is_released(self):
        self.app.wait_for_log("Global shortcuts through the desktop's portal")
        super_shift_t = "'shortcut-17-768'"  # as the program asked the desktop for it
        pointer("move", 1275, 795)
        control("Press", super_shift_t)
        time.sleep(0.5)
        self.assertEqual(overlays(), [])
        control("Release", super_shift_t)
        wait_until(lambda: len(overlays()) == 2, message="an overlay on each output")
        pointer("move", 15, 15)
        key("Escape")
        self.app.wait_for_log("Selection cancelled")

    def test_zrefused_consent_ends_in_the_permission_step_without_an_overlay(self):
        control("SetAnswer", 1)  # the user cancels the desktop's dialog
        self.addCleanup(control, "SetAnswer", 0)
        self.app.action("capture-text")
        self.app.wait_for_log("No permission to read the screen")
        self.assertEqual(overlays(), [])
        wait_until(lambda: accessible_nodes(name="Allow Screen Access"),
                   message="the permission step")


if __name__ == "__main__":
    unittest.main(verbosity=2)
