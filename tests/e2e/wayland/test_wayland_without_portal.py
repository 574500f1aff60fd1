"""Without grim the screen is read through the desktop's screen-sharing portal
(as on GNOME and KDE); where there is none either (this session runs no portal
backend), a capture says so and why instead of showing an overlay of black
displays."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wayland_harness import overlays, wait_until  # noqa: E402
from harness import Inkharbor, accessible_nodes, write_settings  # noqa: E402


class WithoutGrimOrPortal(unittest.TestCase):
    def test_a_capture_opens_the_permission_step_with_the_reason(self):
        write_settings(hasCompletedOnboarding=True)
        nowhere = tempfile.mkdtemp()  # a PATH without grim
        app = Inkharbor(("PATH", nowhere))
        self.addCleanup(app.stop)
        app.wait_until_ready()
        self.assertIn("Screen capture through the screen-sharing portal (screencopy: true, "
                      "grim: none)", app.log())
        app.wait_for_log("No screen-sharing portal: screen capture is not available")
        app.action("capture-text")
        app.wait_for_log("Screen capture is not available on this desktop")
        wait_until(lambda: [n for n in accessible_nodes() if "offers no screen-sharing portal" in n[0]],
                   message="the reason on screen")
        self.assertEqual(overlays(), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
