"""Undo gives back exactly what the clipboard held before a capture, whatever
the bytes: text that is not valid UTF-8 (stray continuation bytes, a
truncated sequence, Latin-1, a NUL) and binary data of a private type."""

import unittest

from harness import (DesktopTest, click_accessible, clipboard, set_clipboard, toast_buttons,
                     wait_until)

LINES = ["Undo gives back what was there"]
NOT_UTF8 = b"\xff\xfe caf\xe9 \x80\x81 \xc3\x28 \xf0\x9f\x98 end\x00after the NUL\n"
BINARY = bytes(range(256)) * 4


class ClipboardUndo(DesktopTest):
    def capture_and_undo(self, before, target):
        keeper = set_clipboard(before, target)
        self.addCleanup(keeper.kill)
        self.capture("capture-text", (215, 165, 500, 60), probe=(850, 320))
        wait_until(lambda: (clipboard() or b"").startswith(b"Undo gives"),
                   message="the capture on the clipboard")
        wait_until(lambda: "Undo" in toast_buttons(), message="the toast's Undo")
        click_accessible("push button", "Undo")
        return wait_until(lambda: clipboard(target) == before and clipboard(target),
                          message=f"the {target} bytes back")

    def test_text_that_is_not_utf8_comes_back_byte_for_byte(self):
        self.show_window(200, 150, 700, 200, lines=LINES, font_size=24)
        self.assertEqual(self.capture_and_undo(NOT_UTF8, "UTF8_STRING"), NOT_UTF8)

    def test_binary_data_of_a_private_type_comes_back(self):
        self.show_window(200, 150, 700, 200, lines=LINES, font_size=24)
        restored = self.capture_and_undo(BINARY, "application/x-inkharbor-test")
        self.assertEqual(restored, BINARY)


if __name__ == "__main__":
    unittest.main(verbosity=2)
