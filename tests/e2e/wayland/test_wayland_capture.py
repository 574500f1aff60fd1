"""The capture road in a Wayland session (sway, wlroots): the program picks its
Wayland backend, reads each output through grim at that output's scale,
and delivers through the Wayland clipboard."""

import os
import re
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wayland_harness import (Window, clipboard, drag, key, overlays, pixel,  # noqa: E402
                             pointer, set_clipboard, wait_until, windows)
from harness import BIN, Inkharbor, accessible_nodes, history_texts, run, write_settings  # noqa: E402

LINES = ["The quick brown fox jumps", "over the lazy dog near", "the riverbank at dawn."]
BINARY = bytes(range(256)) * 4


class WaylandCapture(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        write_settings(hasCompletedOnboarding=True)
        cls.app = Inkharbor()
        cls.app.wait_until_ready()

    @classmethod
    def tearDownClass(cls):
        cls.app.stop()

    def setUp(self):
        self.keeper = set_clipboard(BINARY, "application/x-inkharbor-test")
        self.addCleanup(self.keeper.kill)

    def show(self, *args, **kwargs):
        window = Window(*args, **kwargs)
        self.addCleanup(window.close)
        return window

    def start(self, action=None, output=(0, 0), command=None):
        # Out of the way: this headless compositor draws the pointer into
        # the outputs' pixels, so grim would freeze it into the frame.
        pointer("move", 1275, 795)
        if command:
            run(*command)
        else:
            self.app.action(action)
        wait_until(lambda: len(overlays()) == 2, message="an overlay on each output")
        # Shown dimmed: the white window beneath turns grey. sway 1.7 shows
        # the overlay of an output other than the focused one only once the
        # pointer is over it, as it is when a user drags there.
        x, y = output
        pointer("move", x + 200, y + 300)
        wait_until(lambda: pixel(x + 250, y + 370)[0] < 230, message="the overlay painted")

    def select(self, x1, y1, x2, y2):
        """Drags the selection. A drag the overlay never saw (the log says
        "Selected" when it does) is made once more, as a user would."""
        before = self.app.log().count("Selected (")
        drag(x1, y1, x2, y2)
        try:
            wait_until(lambda: self.app.log().count("Selected (") > before, timeout=5,
                       message="the selection")
        except AssertionError:
            print("The overlay saw no drag; dragging again", file=sys.stderr)
            drag(x1, y1, x2, y2)

    def wait_for_clipboard(self, text):
        try:
            return wait_until(lambda: clipboard() == text.encode() and clipboard(),
                              message=f"{text!r} on the clipboard")
        except AssertionError as e:
            log = "\n".join(self.app.log().splitlines()[-25:])
            raise AssertionError(f"{e}; it holds {clipboard()!r}; the program's log ends:\n{log}")

    def test_text_is_copied_and_undo_gives_back_every_byte(self):
        self.show("Document", lines=LINES)
        self.start("capture-text")
        self.select(15, 15, 520, 140)
        self.wait_for_clipboard("\n".join(LINES))
        self.assertEqual(history_texts()[0], "\n".join(LINES))
        self.assertIn("Desktop backend: Wayland (XDG_SESSION_TYPE=wayland)", self.app.log())
        wait_until(lambda: overlays() == [], message="the overlay gone once the text is copied")

        # The toast floats on the output; its Undo button is clicked for real.
        toast = wait_until(lambda: [w for w in windows() if w.get("type") == "floating_con"
                                    and "nkharbor" in (w.get("app_id") or "")],
                           message="the toast")[0]["rect"]
        undo = wait_until(lambda: [n for n in accessible_nodes("push button", "Undo") if n[2]],
                          message="the Undo button")[0][2]
        time.sleep(0.5)  # as long as a person takes to reach it: the toast has settled
        x, y = toast["x"] + undo[0] + undo[2] // 2, toast["y"] + undo[1] + undo[3] // 2
        drag(x, y, x, y, steps=0)
        wait_until(lambda: clipboard("application/x-inkharbor-test") == BINARY,
                   message="the private bytes back")

    def test_the_command_to_bind_starts_a_capture_and_escape_cancels_it(self):
        self.show("Document", lines=LINES)
        before = len(history_texts())
        # What the Shortcuts pane tells the user to bind in the desktop's settings.
        self.start(command=[os.path.join(BIN, "inkharbor"), "--capture-text"])
        key("Escape")
        self.app.wait_for_log("Selection cancelled")
        self.assertIn("No global shortcuts", self.app.log())  # sway's portal binds none
        wait_until(lambda: overlays() == [], message="the overlays gone")
        self.assertEqual(clipboard("application/x-inkharbor-test"), BINARY)
        self.assertEqual(len(history_texts()), before)

    def test_a_qr_code_is_read(self):
        self.show("Codes", qr=["https://inkharbor.app/e2e?wayland=1"])
        self.start("capture-barcode")
        self.select(10, 10, 240, 240)
        self.wait_for_clipboard("https://inkharbor.app/e2e?wayland=1")

    def test_the_second_output_is_read_at_its_own_scale(self):
        self.show("Document", lines=[])
        second = self.show("Second", lines=["Scale two reads", "as sharp text"], font_size=20)
        self.assertEqual(second.rect["x"], 1280)
        self.start("capture-text", output=(1280, 0))
        self.select(1280 + 10, 10, 1280 + 250, 90)
        self.wait_for_clipboard("Scale two reads\nas sharp text")
        # 240 × 80 points at scale 2.
        self.assertRegex(self.app.log(), r"Captured image 480x160 ")


if __name__ == "__main__":
    unittest.main(verbosity=2)
