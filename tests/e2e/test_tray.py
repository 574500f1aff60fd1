"""With a tray host (trayer) the menu is behind the tray icon, and a capture
chosen from it must not freeze the menu into the picture. (Without a tray,
test_launch.)"""

import os
import subprocess
import time
import unittest

from harness import BIN, DesktopTest, overlay_shown, run, wait_until, window_shown, xdotool


def grab(x, y, w, h):
    """The screen's pixels in a rectangle, as rows of (r, g, b)."""
    data = run("import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "-depth", "8",
               "ppm:-").stdout
    # P6\nW H\n255\n then the pixels
    parts = data.split(b"\n", 3)
    width, height = (int(v) for v in parts[1].split())
    pixels = parts[3]
    return [[tuple(pixels[(r * width + c) * 3:(r * width + c) * 3 + 3]) for c in range(width)]
            for r in range(height)]


class WithATray(DesktopTest):
    ICON = (12, 12)  # the middle of the tray's only icon, top left of the screen

    def setUp(self):
        self.tray = subprocess.Popen(
            ["trayer", "--edge", "top", "--align", "left", "--widthtype", "pixel", "--width", "24",
             "--heighttype", "pixel", "--height", "24", "--SetDockType", "true",
             "--transparent", "false", "--tint", "0x202020"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(self.tray.kill)
        time.sleep(1)  # the tray owns its selection
        # A plain page under where the menu opens, from a program that takes
        # a moment to repaint what the menu covered.
        self.show_window(0, 40, 900, 600, lines=[], title="Page", expose_delay=40)
        super().setUp()
        self.app.wait_until_ready()
        self.app.wait_for_log("System tray found")

    def test_opening_again_with_no_window_shows_the_onboarding(self):
        subprocess.run([os.path.join(BIN, "inkharbor")], timeout=30, check=True)
        wait_until(lambda: window_shown("Welcome to Inkharbor"), message="the onboarding")

    def test_a_capture_chosen_in_the_menu_does_not_freeze_the_menu(self):
        area = (0, 40, 400, 300)
        before = grab(*area)
        time.sleep(1)  # the icon is embedded and painted
        xdotool("mousemove", *self.ICON, "click", 1)
        # The menu: whatever differs from the page once it is open.
        wait_until(lambda: grab(*area) != before, message="the tray menu")
        time.sleep(0.3)
        with_menu = grab(*area)
        changed = [(r, c) for r in range(area[3]) for c in range(area[2])
                   if with_menu[r][c] != before[r][c]]
        top = min(r for r, _ in changed)
        left = min(c for _, c in changed)
        right = max(c for _, c in changed)
        # "Capture Text" is the menu's first item.
        xdotool("mousemove", area[0] + (left + right) // 2, area[1] + top + 14, "click", 1)
        wait_until(lambda: overlay_shown(700, 500), message="the overlay")
        time.sleep(0.3)
        frozen = grab(*area)
        # The overlay shows the frozen screen dimmed by a quarter: where the
        # menu was, the page as it was before; nothing of the menu.
        def dimmed(pixel):
            return tuple(round(v * (255 - 64) / 255) for v in pixel)
        menu_pixels = [(r, c) for r, c in changed
                       if max(abs(a - b) for a, b in zip(frozen[r][c], dimmed(before[r][c]))) > 4]
        self.assertEqual(menu_pixels[:5], [], f"{len(menu_pixels)} pixels of the menu frozen")
        xdotool("key", "Escape")
        self.app.wait_for_log("Selection cancelled")


if __name__ == "__main__":
    unittest.main(verbosity=2)
