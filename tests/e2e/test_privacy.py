"""Screenshots stay in memory and nothing leaves the machine. The program
runs from its first launch through the onboarding, a text capture and a
barcode capture under strace, and the trace shows:

- no image file (PNG, JPEG, PPM/PGM/PBM, BMP, TIFF) is created, renamed or
  linked into place, and nothing that starts like one is written to a file;
- the only files written are its settings, its history database (with the
  write-ahead log, index and journal), its log, /dev/null and in-memory files;
- the only sockets are local ones (AF_UNIX, AF_NETLINK): the X server, the
  session and accessibility buses;
- no other program is run.

(That the settings and the history are their owner's alone is the stores' own tests'.)"""

import codecs
import os
import re
import shutil
import signal
import time
import unittest

from harness import (CONFIG, HISTORY, HOME, CodeWindow, Inkharbor, TestWindow, activate,
                     clipboard, drag, history_texts, overlay_shown, remove_history, run, wait_until, window_shown,
                     xdotool)

SYSCALLS = ("open,openat,openat2,creat,write,writev,pwrite64,pwritev,pwritev2,sendto,sendmsg,"
            "sendmmsg,connect,socket,socketpair,bind,rename,renameat,renameat2,link,linkat,"
            "symlink,symlinkat,execve,execveat,memfd_create")
IMAGE_EXTENSIONS = (".png", ".jpg", ".jpeg", ".ppm", ".pgm", ".pbm", ".pnm", ".bmp", ".tif",
                    ".tiff")
IMAGE_SIGNATURES = (b"\x89PNG", b"\xff\xd8\xff", b"P1\n", b"P2\n", b"P3\n", b"P4\n", b"P5\n",
                    b"P6\n", b"BM", b"II*\x00", b"MM\x00*")
LOCAL_FAMILIES = ("AF_UNIX", "AF_LOCAL", "AF_NETLINK")

LINE = re.compile(r"^(\d+) +(\w+)\((.*)$")
FD_ARG = re.compile(r"^(-?\d+)<(.*?)>(\(deleted\))?[,)]")
DATA = re.compile(r'"((?:[^"\\]|\\.)*)"')


def unescape(text):
    """The bytes of a string as strace prints it (C escapes, octal or hex)."""
    return codecs.escape_decode(text.encode())[0]


def name(text):
    return unescape(text).decode(errors="replace")


class Trace:
    """What a strace log says the program did."""

    def __init__(self, path):
        self.opened_for_writing = []  # (path, flags)
        self.written = []  # (target, first bytes)
        self.families = []  # address families of sockets made, connected or sent to
        self.placed = []  # names files were renamed or linked to
        self.executed = []
        with open(path, errors="replace") as f:
            for line in f:
                match = LINE.match(line)
                if match:
                    self.read(match.group(2), match.group(3))

    def read(self, call, args):
        names = DATA.findall(args)
        if call in ("open", "openat", "openat2", "creat"):
            # The first string is the path (a directory's descriptor is shown unquoted).
            path = DATA.search(args)
            rest = args[path.end():] if path else args
            if call == "creat" or re.search(r"O_(WRONLY|RDWR|CREAT|TRUNC|TMPFILE)", rest):
                self.opened_for_writing.append((name(path.group(1)) if path else "?", rest))
        elif call in ("write", "writev", "pwrite64", "pwritev", "pwritev2", "sendto", "sendmsg",
                      "sendmmsg"):
            match = FD_ARG.match(args)
            if match:
                data = DATA.search(args[match.end():])
                self.written.append((match.group(2), unescape(data.group(1)) if data else b""))
                self.families += re.findall(r"sa_family=(AF_\w+)", args)
        elif call in ("socket", "socketpair", "connect", "bind"):
            self.families += re.findall(r"\b(AF_\w+)", args)
        elif call in ("rename", "renameat", "renameat2", "link", "linkat", "symlink",
                      "symlinkat") and names:
            self.placed.append(name(names[-1]))
        elif call in ("execve", "execveat") and names:
            self.executed.append(name(names[0]))


class Privacy(unittest.TestCase):
    def setUp(self):
        if shutil.which("strace") is None:
            self.skipTest("strace is not installed")
        remove_history(CONFIG)
        self.trace_path = os.path.join(HOME, "trace")
        self.app = Inkharbor(command=("strace", "-f", "-qq", "-yy", "-s", "24", "--seccomp-bpf",
                                      "-o", self.trace_path, "-e", f"trace={SYSCALLS}"))
        self.addCleanup(self.app.stop)

    def stop_traced_program(self):
        """Ends the program itself; strace then ends with it."""
        for pid in run("pgrep", "-P", str(self.app.proc.pid), check=False).stdout.split():
            os.kill(int(pid), signal.SIGTERM)
        self.app.proc.wait(timeout=30)

    def use_the_program(self):
        wait_until(lambda: window_shown("Welcome to Inkharbor"), timeout=30,
                   message="the onboarding")
        for _ in range(3):  # Continue, Continue, Done: writes the settings
            activate("Welcome to Inkharbor")
            xdotool("key", "Return")
            time.sleep(0.5)
        wait_until(lambda: os.path.exists(CONFIG), message="the settings written")

        text = TestWindow(200, 150, 700, 200, lines=["Private words on screen"], font_size=24)
        self.addCleanup(text.close)
        self.app.action("capture-text")
        wait_until(lambda: overlay_shown(850, 320), message="the overlay")
        drag(215, 165, 715, 230)
        wait_until(lambda: b"Private" in (clipboard() or b""), timeout=60, message="the text")

        codes = CodeWindow(1000, 150)
        self.addCleanup(codes.close)
        codes.show("https://example.com/private")
        self.app.action("capture-barcode")
        wait_until(lambda: overlay_shown(1240, 395), message="the overlay")
        drag(1005, 155, 1255, 405)
        wait_until(lambda: clipboard() == b"https://example.com/private", timeout=60,
                   message="the code")
        self.assertEqual(len(history_texts()), 2)

    def test_screenshots_stay_in_memory_and_nothing_goes_out(self):
        self.use_the_program()
        self.stop_traced_program()
        trace = Trace(self.trace_path)
        self.assertEqual(violations(trace, self.app.log_path), [])
        # The trace did see the program at work.
        written = files_written(trace)
        self.assertIn(HISTORY + "-wal", written)
        self.assertTrue(any(f.startswith(os.path.dirname(CONFIG)) for f in written), written)
        self.assertIn("AF_UNIX", trace.families)


def files_written(trace):
    return {target for target, _ in trace.written
            if not re.match(r"(UNIX|NETLINK|TCP|UDP|pipe|anon_inode|socket)", target)}


def violations(trace, log_path):
    """Everything in the trace that breaks the rules above, described."""
    config_folder = os.path.dirname(CONFIG)
    allowed = {HISTORY + suffix for suffix in ("", "-wal", "-shm", "-journal")}
    allowed |= {CONFIG, CONFIG + ".lock", "/dev/null", os.path.realpath(log_path)}

    def allowed_file(path):
        # QSettings writes a new file beside the old one, named or unnamed
        # (O_TMPFILE in the folder, seen as "#inode"), then renames it.
        return (path in allowed or path.startswith(CONFIG + ".") or path == config_folder
                or re.fullmatch(re.escape(config_folder) + r"/#\d+", path) is not None
                or path.startswith("/memfd:"))

    found = []
    for path, flags in trace.opened_for_writing:
        if path.lower().endswith(IMAGE_EXTENSIONS):
            found.append(f"image file opened for writing: {path}")
        elif not allowed_file(path):
            found.append(f"file opened for writing: {path} ({flags[:40]})")
    for path in trace.placed:
        if path.lower().endswith(IMAGE_EXTENSIONS) or not (path == CONFIG or path.startswith(CONFIG + ".")):
            found.append(f"file renamed or linked into place: {path}")
    for target, data in trace.written:
        if re.match(r"(TCP|UDP|socket)", target):
            found.append(f"sent over {target}")
        elif not re.match(r"(UNIX|NETLINK|pipe|anon_inode)", target) and (
                data.startswith(IMAGE_SIGNATURES) or not allowed_file(target)):
            found.append(f"written to {target}: {data[:8]!r}")
    for family in sorted(set(trace.families) - set(LOCAL_FAMILIES)):
        found.append(f"socket of family {family}")
    for program in trace.executed[1:]:
        found.append(f"ran {program}")
    return sorted(set(found))


if __name__ == "__main__":
    unittest.main(verbosity=2)
