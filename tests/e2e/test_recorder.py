import unittest

from harness import CONFIG, DesktopTest, activate, click_accessible, wait_until, xdotool


def stored():
    with open(CONFIG) as f:
        return "KeyBindings_captureBarcode" in f.read()


class Recorder(DesktopTest):
    def test_keys_typed_into_another_program_are_that_programs(self):
        other = self.show_window(900, 100, 400, 200, lines=["Other program"], title="Other program",
                                 echo_keys=True)
        self.app.action("settings")
        click_accessible("radio button", "Shortcuts")
        click_accessible("text", "Read QR / barcode")
        # Recording; the user turns to another program and types there.
        activate("Other program")
        xdotool("key", "ctrl+alt+k")
        xdotool("key", "x")
        wait_until(lambda: other.received == ["Ctrl+Alt+K", "X"],
                   message="the keys in the other program")
        self.assertFalse(stored())

        # Back in the settings, recording goes on.
        activate("Inkharbor Settings")
        xdotool("key", "ctrl+alt+b")
        wait_until(stored, message="the shortcut stored")
        self.assertEqual(other.received, ["Ctrl+Alt+K", "X"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
