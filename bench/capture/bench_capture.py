"""Times real captures: the program under Xvfb, a window of three lines of
ordinary text, a drag over it with xdotool, again and again. Prints the
capture log's step times (median over the runs) and, measured from outside,
the time from the mouse release to the text on the clipboard.

Run: tests/e2e/session.sh /usr/bin/python3 bench/capture/bench_capture.py [RUNS]
"""

import os
import re
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "e2e"))
from harness import (Inkharbor, TestWindow, clipboard, overlay_shown, set_clipboard,  # noqa: E402
                     wait_until, write_settings, xdotool)

LINES = ["Settings are stored as they change, so", "nothing is lost when the program quits",
         "or the machine goes to sleep unexpectedly."]
STEPS = ["Captured image", "OCR found", "Saved to history", "Copied to clipboard", "Toast shown"]


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 15
    write_settings(hasCompletedOnboarding=True, playSound=False)
    app = Inkharbor()
    window = TestWindow(200, 150, 720, 200, lines=LINES, font_size=18)
    steps = {s: [] for s in STEPS}
    outside = []
    try:
        for i in range(runs + 1):  # the first run warms the engine up
            marker = f"run {i}".encode()
            keeper = set_clipboard(marker)
            before = len(app.log())
            app.action("capture-text")
            wait_until(lambda: overlay_shown(880, 320), message="the overlay")
            xdotool("mousemove", 212, 162)
            xdotool("mousedown", 1)
            xdotool("mousemove", 600, 250)
            xdotool("mousemove", 640, 262)
            released = time.monotonic()
            xdotool("mouseup", 1)
            wait_until(lambda: clipboard() not in (marker, None), interval=0.02,
                       message="the text on the clipboard")
            copied = time.monotonic()
            wait_until(lambda: "Toast shown" in app.log()[before:], message="the toast")
            keeper.kill()
            if i == 0:
                continue
            outside.append((copied - released) * 1000)
            log = app.log()[before:]
            for step in STEPS:
                m = re.search(re.escape(step) + r"[^\n]*\((\d+) ms\)", log)
                steps[step].append(int(m.group(1)))
            time.sleep(0.3)
    finally:
        window.close()
        app.stop()

    print(f"Capture of three lines of text, {runs} runs (median / min / max, ms)\n")
    print("| step | median | min | max |")
    print("|---|---|---|---|")
    for step in STEPS:
        v = steps[step]
        print(f"| {step} | {statistics.median(v):.0f} | {min(v)} | {max(v)} |")
    to_clipboard = [sum(steps[s][i] for s in STEPS[:4]) for i in range(runs)]
    print(f"| release → clipboard (capture log) | {statistics.median(to_clipboard):.0f} | "
          f"{min(to_clipboard)} | {max(to_clipboard)} |")
    print(f"| release → clipboard (seen by xclip) | {statistics.median(outside):.0f} | "
          f"{min(outside):.0f} | {max(outside):.0f} |")


if __name__ == "__main__":
    main()
