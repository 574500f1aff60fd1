"""The screen-sharing portal road (GNOME and KDE Plasma take it; here without
grim): a portal on the session bus hands out real PipeWire streams, one per
output, the second at scale 2. The portal here is the fake of the portal
tests, as the desktop's own cannot stream in this headless session."""

import os
import subprocess
import sys
import tempfile
import unittest

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)
from wayland_harness import drag, overlays, pixel, pointer, wait_until  # noqa: E402
from harness import Inkharbor, accessible_nodes, run, write_settings  # noqa: E402

PORTAL = os.path.join(here, "..", "..", "platform", "portal", "fake_portal.py")
RUNTIME = os.environ["XDG_RUNTIME_DIR"]


def node_id(name):
    out = run("pw-dump", check=False).stdout
    import json
    for o in json.loads(out or b"[]"):
        if o.get("info", {}).get("props", {}).get("node.name") == name:
            return o["id"]
    return None


def control(method, *args):
    run("gdbus", "call", "--session", "--dest", "org.freedesktop.portal.Desktop", "--object-path",
        "/org/freedesktop/portal/desktop", "--method", f"org.inkharbor.FakePortal.{method}",
        *[str(a) for a in args])


class PortalRoad(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.procs = []

        def start(*args):
            cls.procs.append(subprocess.Popen(args, stdout=subprocess.DEVNULL,
                                              stderr=subprocess.DEVNULL))
        start("pipewire")
        wait_until(lambda: os.path.exists(os.path.join(RUNTIME, "pipewire-0")), message="pipewire")
        start("wireplumber")
        # Light grey pictures, the size of each output's pixels.
        for name, width, height in (("monitor-a", 1280, 800), ("monitor-b", 1024, 768)):
            start("gst-launch-1.0", "-q", "videotestsrc", "pattern=solid-color",
                  "foreground-color=0xffe0e0e0", "is-live=true", "!",
                  f"video/x-raw,format=BGRx,width={width},height={height},framerate=5/1", "!",
                  "pipewiresink", "mode=provide",
                  f"stream-properties=props,media.class=Video/Source,node.name={name}")
        a = wait_until(lambda: node_id("monitor-a"), message="stream a")
        b = wait_until(lambda: node_id("monitor-b"), message="stream b")
        start("/usr/bin/python3", PORTAL, f"{a}:0,0,1280,800", f"{b}:1280,0,512,384")
        wait_until(lambda: run("gdbus", "call", "--session", "--dest", "org.freedesktop.DBus",
                               "--object-path", "/org/freedesktop/DBus", "--method",
                               "org.freedesktop.DBus.NameHasOwner",
                               "org.freedesktop.portal.Desktop").stdout.find(b"true") >= 0,
                   message="the portal on the bus")
        write_settings(hasCompletedOnboarding=True)
        cls.app = Inkharbor(("PATH", tempfile.mkdtemp()))  # no grim
        cls.app.wait_until_ready()

    @classmethod
    def tearDownClass(cls):
        cls.app.stop()
        for proc in reversed(cls.procs):
            proc.terminate()
            proc.wait(timeout=10)

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
