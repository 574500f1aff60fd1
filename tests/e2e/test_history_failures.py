"""A history file the program cannot use. At launch: the program says so on
standard error and in a message box, ends with a failure status once the
box is closed, and leaves the file exactly as it was. During use (the file
turns read-only or the disk fills up): the failure is logged, the capture
still reaches the clipboard, and the record is written once writing works
again.

The full disk needs root (to mount a small file system), and so does a file
turning read-only under a running program (the immutable attribute)."""

import os
import re
import subprocess
import unittest

from harness import (BIN, HISTORY, CodeWindow, Inkharbor, accessible_nodes, click_accessible,
                     clipboard, drag, history_texts, overlay_shown, wait_until, write_settings)

FOLDER = os.path.dirname(HISTORY)
IS_ROOT = os.geteuid() == 0
PREFIX = "Could not open the history database: "
CODE_AREA = (205, 155, 250, 250)
PROBE = (440, 395)


def folder_state():
    """Every file of the history's folder with its bytes and mode."""
    state = {}
    for name in sorted(os.listdir(FOLDER)):
        path = os.path.join(FOLDER, name)
        with open(path, "rb") as f:
            state[name] = (f.read(), oct(os.stat(path).st_mode & 0o7777))
    return state


def fill_disk():
    fd = os.open(os.path.join(FOLDER, "filler"), os.O_WRONLY | os.O_CREAT | os.O_APPEND, 0o600)
    try:
        while True:
            os.write(fd, b"x" * 4096)
    except OSError:
        pass
    finally:
        os.close(fd)


def release_disk():
    os.remove(os.path.join(FOLDER, "filler"))


def mount(*args):
    subprocess.run(["mount", *args], check=True, capture_output=True)


def unmount(path):
    subprocess.run(["umount", "-l", path], check=False, capture_output=True)


def chattr(flag, *paths):
    return subprocess.run(["chattr", flag, *paths], capture_output=True).returncode == 0


def immutable_files_supported():
    probe = os.path.join(os.environ["HOME"], "immutable-probe")
    open(probe, "w").close()
    supported = chattr("+i", probe)
    chattr("-i", probe)
    os.remove(probe)
    return supported


def small_disk(test):
    """Mounts a small file system of its own as the history's folder."""
    os.makedirs(FOLDER, exist_ok=True)
    mount("-t", "tmpfs", "-o", "size=256k,mode=0700", "tmpfs", FOLDER)
    test.addCleanup(unmount, FOLDER)


def make_history():
    """A history the program made itself."""
    write_settings(hasCompletedOnboarding=True)
    app = Inkharbor()
    app.wait_until_ready()
    app.stop()


class AtLaunch(unittest.TestCase):
    def setUp(self):
        os.makedirs(FOLDER, exist_ok=True)
        for name in os.listdir(FOLDER):
            os.remove(os.path.join(FOLDER, name))
        write_settings(hasCompletedOnboarding=True)

    def assert_refused(self, reason=None):
        """Launches the program, which must refuse the history and change nothing."""
        before = folder_state()
        with open(os.path.join(os.environ["HOME"], "stderr"), "w+") as stderr:
            proc = subprocess.Popen([os.path.join(BIN, "inkharbor")], stdout=subprocess.DEVNULL,
                                    stderr=stderr)
            self.addCleanup(lambda: proc.poll() is None and proc.kill())
            # A person must read the box: it waits for them, the program with it.
            box = wait_until(lambda: [n for n in accessible_nodes("label")
                                      if n[0].startswith(PREFIX)], message="the message box")
            message = box[0][0]
            self.assertIsNone(proc.poll())
            self.assertEqual(folder_state(), before, "changed while the box is up")
            click_accessible("push button", "OK")
            self.assertEqual(proc.wait(timeout=15), 1)
            stderr.seek(0)
            lines = stderr.read().splitlines()
        self.assertIn(message, lines)
        self.assertTrue(message.startswith(PREFIX + HISTORY + ": "), message)
        if reason:
            self.assertEqual(message, PREFIX + HISTORY + ": " + reason)
        self.assertEqual(folder_state(), before)

    def test_a_file_that_is_not_a_database(self):
        with open(HISTORY, "w") as f:
            f.write("my shopping list\n")
        os.chmod(HISTORY, 0o640)
        self.assert_refused("file is not a database")

    def test_a_read_only_history(self):
        make_history()
        os.chmod(HISTORY, 0o400)
        if IS_ROOT:
            # Root writes to any file whatever its mode; a read-only mount of
            # the file stops even root.
            mount("--bind", HISTORY, HISTORY)
            self.addCleanup(unmount, HISTORY)
            mount("-o", "remount,bind,ro", HISTORY)
            self.assert_refused("cannot write to the file (Read-only file system)")
        else:
            self.assert_refused("cannot write to the file (Permission denied)")

    @unittest.skipUnless(IS_ROOT, "mounting a small file system needs root")
    def test_a_full_disk(self):
        os.rmdir(FOLDER)
        small_disk(self)
        fill_disk()
        self.assert_refused()


class DuringUse(unittest.TestCase):
    def setUp(self):
        self.codes = CodeWindow(200, 150)
        self.addCleanup(self.codes.close)

    def launch(self):
        write_settings(hasCompletedOnboarding=True)
        self.app = Inkharbor()
        self.addCleanup(self.app.stop)
        self.app.wait_until_ready()

    def capture(self, payload):
        self.codes.show(payload)
        self.app.action("capture-barcode")
        wait_until(lambda: overlay_shown(*PROBE), message="the overlay")
        x, y, w, h = CODE_AREA
        drag(x, y, x + w, y + h)
        wait_until(lambda: clipboard() == payload.encode(), message=f"{payload} on the clipboard")
        self.app.wait_for_log("Capture requested (busy: false)")

    def save_failures(self):
        return re.findall(r"^inkharbor\[history\] error: Save failed: (.+)$", self.app.log(),
                          re.MULTILINE)

    def assert_write_failure_is_survived(self, break_writing, repair_writing):
        self.capture("kept before")
        self.assertEqual(history_texts(), ["kept before"])
        break_writing()
        self.capture("copied while broken")
        failures = wait_until(self.save_failures, message="the save failure in the log")
        self.assertTrue(failures[0].startswith(HISTORY + ": "), failures)
        self.assertEqual(history_texts(), ["kept before"])
        repair_writing()
        self.capture("copied once repaired")
        # The record that could not be written waited for the next save.
        wait_until(lambda: len(history_texts()) == 3, message="three records")
        self.assertEqual(history_texts(),
                         ["copied once repaired", "copied while broken", "kept before"])
        return failures

    @unittest.skipUnless(IS_ROOT and immutable_files_supported(),
                         "needs root and a file system with the immutable attribute")
    def test_a_history_that_turns_read_only(self):
        for path in (HISTORY, HISTORY + "-wal", HISTORY + "-shm"):
            if os.path.exists(path):
                os.remove(path)
        self.launch()
        files = [HISTORY, HISTORY + "-wal"]
        self.addCleanup(chattr, "-i", *files)
        failures = self.assert_write_failure_is_survived(lambda: chattr("+i", *files),
                                                         lambda: chattr("-i", *files))
        print(f"read-only: {failures[0]}")

    @unittest.skipUnless(IS_ROOT, "mounting a small file system needs root")
    def test_a_disk_that_fills_up(self):
        if os.path.isdir(FOLDER):
            for name in os.listdir(FOLDER):
                os.remove(os.path.join(FOLDER, name))
            os.rmdir(FOLDER)
        small_disk(self)
        self.launch()
        failures = self.assert_write_failure_is_survived(fill_disk, release_disk)
        print(f"full disk: {failures[0]}")


if __name__ == "__main__":
    unittest.main(verbosity=2)
