"""The same captures as bench_capture.py, on the Wayland road: the program in a
headless sway session (grim for the pixels, the Wayland clipboard), a window
of the same three lines, a drag with sway's seat pointer, and the time from
the release to the text seen by wl-paste.

Run: tests/e2e/wayland/session.sh /usr/bin/python3 bench/capture/bench_capture_wayland.py [RUNS]
(bench/capture/compare.sh runs it beside the X11 road and prints the ratio.)
"""

import os
import statistics
import sys
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "..", "tests", "e2e"))
sys.path.insert(0, os.path.join(here, "..", "..", "tests", "e2e", "wayland"))
from harness import Inkharbor, wait_until, write_settings  # noqa: E402
from wayland_harness import Window, clipboard, overlays, pixel, pointer, set_clipboard  # noqa: E402

LINES = ["Settings are stored as they change, so", "nothing is lost when the program quits",
         "or the machine goes to sleep unexpectedly."]


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 15
    write_settings(hasCompletedOnboarding=True, playSound=False)
    app = Inkharbor()
    window = Window("Document", lines=LINES, font_size=18)
    outside = []
    try:
        for i in range(runs + 1):  # the first run warms the engine up
            marker = f"run {i}".encode()
            keeper = set_clipboard(marker, "text/plain")
            before = len(app.log())
            app.action("capture-text")
            wait_until(lambda: len(overlays()) == 2 and pixel(1200, 700)[0] < 230,
                       message="the overlay")
            pointer("move", 12, 12)
            pointer("press")
            pointer("move", 400, 100)
            pointer("move", 440, 112)
            released = time.monotonic()
            pointer("release")
            wait_until(lambda: clipboard() not in (marker, None), interval=0.02,
                       message="the text on the clipboard")
            copied = time.monotonic()
            wait_until(lambda: "Toast shown" in app.log()[before:], message="the toast")
            keeper.kill()
            if i > 0:
                outside.append((copied - released) * 1000)
            time.sleep(0.3)
    finally:
        window.close()
        app.stop()
    print(f"| release → clipboard (seen by wl-paste) | {statistics.median(outside):.0f} | "
          f"{min(outside):.0f} | {max(outside):.0f} |")


if __name__ == "__main__":
    main()
