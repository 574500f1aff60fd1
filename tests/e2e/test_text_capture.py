import unittest

from harness import (DesktopTest, activate, clipboard, history_texts, overlay_shown, run,
                     set_clipboard, toast_buttons, wait_until, xdotool)

LINES = ["The quick brown fox jumps", "over the lazy dog near", "the riverbank at dawn."]


class TextCapture(DesktopTest):
    def test_a_drag_over_text_copies_it_remembers_it_and_says_so(self):
        self.show_window(200, 150, 700, 260, lines=LINES, font_size=22)
        activate("Document")
        keeper = set_clipboard(b"before")
        self.addCleanup(keeper.kill)

        self.capture("capture-text", (215, 165, 500, 140), probe=(850, 380))
        text = wait_until(lambda: (clipboard() or b"").decode() if clipboard() != b"before" else None,
                          message="the text on the clipboard")
        self.assertEqual(text, "\n".join(LINES))
        self.assertEqual(history_texts(), ["\n".join(LINES)])
        self.wait_for_toast("Copied 14 words")
        self.assertEqual(toast_buttons(), ["Edit", "Undo", "Search the web"])
        log = self.app.log()
        self.assertRegex(log, r"Copied to clipboard \(\d+ ms\)")
        # This session has no sound device: said once, and the sound library keeps quiet.
        self.assertEqual(log.count("No sound device found"), 1)
        self.assertNotIn("ALSA lib", log)
        # Neither the overlay nor the toast took the keyboard from the program in front.
        self.assertEqual(run("xdotool", "getactivewindow", "getwindowname").stdout.strip(),
                         b"Document")

    def test_escape_and_a_click_cancel_with_nothing_copied(self):
        self.show_window(200, 150, 700, 260, lines=LINES, font_size=22)
        keeper = set_clipboard(b"untouched")
        self.addCleanup(keeper.kill)

        for count, cancel in enumerate((["key", "Escape"], ["mousemove", 400, 200, "click", 1]), 1):
            self.app.action("capture-text")
            wait_until(lambda: overlay_shown(850, 380), message="the overlay")
            xdotool(*cancel)
            wait_until(lambda: self.app.log().count("Selection cancelled") == count,
                       message=f"cancelled by {cancel[-1]}")
        self.assertEqual(clipboard(), b"untouched")
        self.assertEqual(history_texts(), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
