import subprocess
import time
import unittest

from harness import DesktopTest, Inkharbor, overlay_shown, wait_until, write_settings, xdotool


class GlobalShortcut(DesktopTest):
    def setUp(self):
        super().setUp()
        self.show_window(200, 150, 600, 200, lines=["Shortcut target"], title="Other program")
        xdotool("search", "--name", "^Other program$", "windowactivate", "--sync")

    def requests(self):
        return self.app.log().count("Capture requested")

    def cancel(self):
        wait_until(lambda: overlay_shown(750, 300), message="the overlay")
        xdotool("key", "Escape")
        wait_until(lambda: not overlay_shown(750, 300), message="the overlay to close")

    def test_one_capture_on_release_whatever_the_order(self):
        xdotool("keydown", "super+shift+t")
        time.sleep(0.3)
        self.assertEqual(self.requests(), 0, "nothing happens on the press")
        xdotool("keyup", "super+shift+t")  # releases Super and Shift before T
        wait_until(lambda: self.requests() == 1, message="a capture")
        self.cancel()

        xdotool("keydown", "super+shift+t")
        xdotool("keyup", "t")
        xdotool("keyup", "super+shift")
        wait_until(lambda: self.requests() == 2, message="a second capture")
        self.cancel()

    def test_holding_the_shortcut_still_starts_one(self):
        xdotool("keydown", "super+shift+t")
        time.sleep(1.0)  # the key repeats
        xdotool("keyup", "super+shift+t")
        wait_until(lambda: self.requests() == 1, message="a capture")
        self.cancel()
        time.sleep(0.5)
        self.assertEqual(self.requests(), 1)
        self.assertNotIn("busy: true", self.app.log())


class TakenShortcut(DesktopTest):
    def setUp(self):
        # Another program holds Super+Shift+T before Inkharbor starts.
        self.holder = subprocess.Popen(
            ["/usr/bin/python3", "-c", HOLDER], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.holder.stdout.readline()
        self.addCleanup(self.holder.stdout.close)
        self.addCleanup(self.holder.wait)
        self.addCleanup(self.holder.kill)
        super().setUp()

    def test_the_program_starts_without_error_and_the_shortcut_stays_silent(self):
        xdotool("key", "super+shift+t")
        time.sleep(1.0)
        self.assertEqual(self.app.log().count("Capture requested"), 0)
        self.assertIsNone(self.app.proc.poll())
        self.assertNotIn("error", self.app.log().lower())


# Grabs Super+Shift+T (Mod4 and Shift) on the root window with Xlib through ctypes.
HOLDER = r"""
import ctypes, sys, time
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x.XGrabKey.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_uint, ctypes.c_ulong,
                       ctypes.c_int, ctypes.c_int, ctypes.c_int]
d = x.XOpenDisplay(None)
root = x.XDefaultRootWindow(d)
code = x.XKeysymToKeycode(d, 0x74)
for extra in (0, 2, 16, 18):  # Caps Lock and Num Lock variants
    x.XGrabKey(d, code, 64 | 1 | extra, root, 1, 1, 1)
x.XSync(d, 0)
print("grabbed", flush=True)
time.sleep(3600)
"""

if __name__ == "__main__":
    import unittest
    unittest.main(verbosity=2)
