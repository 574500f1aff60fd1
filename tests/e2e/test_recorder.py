import subprocess
import time
import unittest

from harness import (CONFIG, DesktopTest, accessible_nodes, click_accessible, overlay_shown, wait_until,
                     xdotool)
from test_hotkeys import HOLDER


def read(path):
    with open(path) as f:
        return f.read()


class Recorder(DesktopTest):
    def open_shortcuts(self):
        self.app.action("settings")
        click_accessible("radio button", "Shortcuts")

    def barcode_requests(self):
        return self.app.log().count("Capture requested")

    def test_a_recorded_shortcut_fires_at_once_and_clearing_silences_it(self):
        self.open_shortcuts()
        click_accessible("text", "Read QR / barcode")
        xdotool("key", "ctrl+alt+b")
        wait_until(lambda: accessible_nodes("text", "Read QR / barcode") and
                   "KeyBindings_captureBarcode" in read(self.config_path()),
                   message="the shortcut stored")
        xdotool("key", "Escape")  # nothing is recording any more: closes the window
        time.sleep(0.3)

        xdotool("key", "ctrl+alt+b")
        wait_until(lambda: self.barcode_requests() == 1, message="a barcode capture")
        wait_until(lambda: overlay_shown(900, 850), message="the overlay")
        xdotool("key", "Escape")
        self.app.wait_for_log("Selection cancelled")

        # Clear it: the shortcut goes silent.
        self.open_shortcuts()
        click_accessible("text", "Read QR / barcode")
        xdotool("key", "BackSpace")
        xdotool("key", "Escape")
        wait_until(lambda: "KeyBindings_captureBarcode" not in read(self.config_path()),
                   message="the shortcut removed")
        xdotool("key", "Escape")
        time.sleep(0.3)
        xdotool("key", "ctrl+alt+b")
        time.sleep(1.0)
        self.assertEqual(self.barcode_requests(), 1)

    def config_path(self):
        return CONFIG


class TakenShortcut(DesktopTest):
    def setUp(self):
        self.holder = subprocess.Popen(
            ["/usr/bin/python3", "-c", HOLDER], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.holder.stdout.readline()
        self.addCleanup(self.holder.stdout.close)
        self.addCleanup(self.holder.wait)
        self.addCleanup(self.holder.kill)
        super().setUp()

    def test_the_recorder_reports_a_combination_another_program_holds(self):
        self.app.action("settings")
        click_accessible("radio button", "Shortcuts")
        click_accessible("text", "Read QR / barcode")
        xdotool("key", "super+shift+t")
        wait_until(lambda: any("already used by the system or by another program" in (n[0] or "")
                               for n in accessible_nodes()),
                   message="the alert")


if __name__ == "__main__":
    unittest.main(verbosity=2)
