import subprocess
import time
import unittest

from harness import (CONFIG, DesktopTest, accessible_nodes, click_accessible, overlay_shown, wait_until,
                     xdotool)
from test_hotkeys import HOLDER

HELD = "Another program holds"


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
        # Something white where the overlay's dimming shows.
        self.show_window(700, 750, 400, 120, lines=["Under the overlay"], title="Under")
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

    def test_keys_typed_into_another_program_are_that_programs(self):
        other = self.show_window(900, 100, 400, 200, lines=["Other program"], title="Other program",
                                 echo_keys=True)
        self.open_shortcuts()
        click_accessible("text", "Read QR / barcode")
        # Recording; the user turns to another program and types there.
        xdotool("search", "--name", "^Other program$", "windowactivate", "--sync")
        xdotool("key", "ctrl+alt+k")
        xdotool("key", "x")
        wait_until(lambda: other.keys() == ["Ctrl+Alt+K", "X"],
                   message="the keys in the other program")
        self.assertNotIn("KeyBindings_captureBarcode", read(self.config_path()))

        # Back in the settings, recording goes on.
        xdotool("search", "--name", "^Inkharbor Settings$", "windowactivate", "--sync")
        xdotool("key", "ctrl+alt+b")
        wait_until(lambda: "KeyBindings_captureBarcode" in read(self.config_path()),
                   message="the shortcut stored")
        self.assertEqual(other.keys(), ["Ctrl+Alt+K", "X"])

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

    def held_notes(self):
        return [n[0] for n in accessible_nodes("label") if (n[0] or "").startswith(HELD)]

    def test_a_combination_another_program_holds_is_said_to_be_held_until_released(self):
        self.app.action("settings")
        click_accessible("radio button", "Shortcuts")
        # Capture text's Super+Shift+T was refused at start.
        wait_until(lambda: len(self.held_notes()) == 1, message="the note on Capture text")
        self.assertIn("of captureText refused: another program holds it", self.app.log())
        click_accessible("text", "Read QR / barcode")
        xdotool("key", "super+shift+t")
        wait_until(lambda: any("already used by the system or by another program" in (n[0] or "")
                               for n in accessible_nodes()),
                   message="the alert")
        click_accessible("push button", "Use Anyway")
        wait_until(lambda: len(self.held_notes()) == 2, message="the note on both rows")
        self.assertGreaterEqual(self.app.log().count("refused: another program holds it"), 3)

        # Released: opening the settings tries again, and the shortcut works.
        self.holder.kill()
        self.holder.wait()
        self.app.action("settings")
        wait_until(lambda: not self.held_notes(), message="the notes gone")
        self.assertIn("of captureText taken after all", self.app.log())
        xdotool("key", "Escape")
        time.sleep(0.3)
        xdotool("key", "super+shift+t")
        wait_until(lambda: "Capture requested" in self.app.log(), message="a capture")


if __name__ == "__main__":
    unittest.main(verbosity=2)
