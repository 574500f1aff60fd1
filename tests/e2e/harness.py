"""Drives the real Inkharbor in a desktop session of its own (see session.sh):
starts it, shows windows of known content, presses keys and drags the mouse
with xdotool, and reads what the user would see: the clipboard, the history
file, and the screen (read back with our own recogniser)."""

import os
import sqlite3
import subprocess
import threading
import time
import unittest

BIN = os.environ.get("INKHARBOR_BIN", os.path.join(os.path.dirname(__file__), "../../build/bin"))
HOME = os.environ["HOME"]
CONFIG = os.path.join(os.environ["XDG_CONFIG_HOME"], "Inkharbor", "Inkharbor.conf")
HISTORY = os.path.join(os.environ["XDG_DATA_HOME"], "Inkharbor", "history.sqlite")
APP_ID = "app.inkharbor.Inkharbor"


def run(*args, check=True, timeout=30):
    return subprocess.run(args, check=check, timeout=timeout, capture_output=True)


def wait_until(condition, timeout=15.0, message="condition", interval=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(interval)
    raise AssertionError(f"timed out waiting for {message}")


def xdotool(*args):
    run("xdotool", *[str(a) for a in args])


def activate(title):
    """Brings the window of that title to the front, as a click on it would. The
    window manager may refuse while it is busy mapping another: tried again."""
    wait_until(lambda: run("xdotool", "search", "--name", f"^{title}$", "windowactivate",
                           "--sync", check=False).returncode == 0,
               message=f"window {title} in front")


def clipboard():
    result = run("xclip", "-o", "-selection", "clipboard", check=False, timeout=10)
    return result.stdout if result.returncode == 0 else None


def set_clipboard(data):
    # xclip keeps serving the selection from the background until replaced.
    proc = subprocess.Popen(["xclip", "-i", "-selection", "clipboard", "-t", "UTF8_STRING"],
                            stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    proc.stdin.write(data)
    proc.stdin.close()
    wait_until(lambda: clipboard() == data, message="xclip to own the clipboard")
    return proc


def drag(x1, y1, x2, y2, steps=6):
    xdotool("mousemove", x1, y1)
    xdotool("mousedown", 1)
    for i in range(1, steps + 1):
        xdotool("mousemove", x1 + (x2 - x1) * i // steps, y1 + (y2 - y1) * i // steps)
    xdotool("mouseup", 1)


def history_query(sql):
    """The first column of each row the query gives on the history file."""
    db = sqlite3.connect(f"file:{HISTORY}?mode=ro", uri=True)
    try:
        return [row[0] for row in db.execute(sql)]
    finally:
        db.close()


def history_texts():
    if not os.path.exists(HISTORY):
        return []
    return history_query("SELECT text FROM capture ORDER BY date DESC")


def history_integrity():
    """PRAGMA integrity_check of the history file: "ok" when it is sound."""
    return "\n".join(history_query("PRAGMA integrity_check"))


def remove_history(*also):
    for path in (HISTORY, HISTORY + "-wal", HISTORY + "-shm", *also):
        if os.path.exists(path):
            os.remove(path)


def window_shown(title):
    result = run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$", check=False)
    return result.returncode == 0 and result.stdout.strip() != b""


def write_settings(**values):
    os.makedirs(os.path.dirname(CONFIG), exist_ok=True)
    with open(CONFIG, "w") as f:
        f.write("[General]\n")
        for key, value in values.items():
            f.write(f"{key}={str(value).lower() if isinstance(value, bool) else value}\n")


class TestWindow:
    """A window of known text (or QR codes) at a known place on the screen.
    With echo_keys, received lists the keys the window received ("Ctrl+Alt+K");
    with codes, show() changes the window's one QR code."""

    def __init__(self, x, y, width, height, lines=(), qr=(), font_size=20, title="Document",
                 echo_keys=False, expose_delay=0, codes=False):
        args = [os.path.join(BIN, "inkharbor-test-window"), "--at", f"{x},{y}",
                "--size", f"{width},{height}", "--font-size", str(font_size), "--title", title,
                "--expose-delay", str(expose_delay)]
        args += [a for line in lines for a in ("--text", line)]
        args += [a for payload in qr for a in ("--qr", payload)]
        args += ["--echo-keys"] * echo_keys + ["--stdin"] * codes
        self.received = []
        self.proc = subprocess.Popen(args, stdin=subprocess.PIPE if codes else None,
                                     stdout=subprocess.PIPE if echo_keys or codes else None,
                                     stderr=subprocess.DEVNULL)
        if echo_keys:
            threading.Thread(target=self._read_keys, daemon=True).start()
        wait_until(lambda: run("xdotool", "search", "--name", f"^{title}$", check=False).returncode == 0,
                   message=f"window {title}")
        time.sleep(0.3)  # mapped and painted

    def _read_keys(self):
        for line in self.proc.stdout:
            if line.startswith(b"key "):
                self.received.append(line[4:].decode().strip())

    def show(self, payload):
        self.proc.stdin.write(payload.encode() + b"\n")
        self.proc.stdin.flush()
        line = self.proc.stdout.readline().decode().rstrip("\n")
        if line != f"shown {payload}":
            raise AssertionError(f"the code window answered {line!r}")
        time.sleep(0.05)  # the X server has drawn it

    def close(self):
        self.proc.terminate()
        self.proc.communicate(timeout=10)


def CodeWindow(x, y):
    """A window showing one QR code that the test changes at will."""
    return TestWindow(x, y, 260, 260, title="Codes", codes=True)


class Inkharbor:
    """The real program, started with the session's empty home folder."""

    def __init__(self, *extra_env, wait=True, command=()):
        env = {**os.environ, **dict(extra_env)}
        self.log_path = os.path.join(HOME, f"inkharbor-{time.monotonic_ns()}.log")
        self.log_file = open(self.log_path, "w")
        self.proc = subprocess.Popen([*command, os.path.join(BIN, "inkharbor")], env=env,
                                     stdout=self.log_file, stderr=subprocess.STDOUT)
        if wait:
            wait_until(self.owns_bus_name, timeout=30, message="Inkharbor on the session bus")

    @staticmethod
    def owns_bus_name():
        out = run("gdbus", "call", "--session", "--dest", "org.freedesktop.DBus",
                  "--object-path", "/org/freedesktop/DBus", "--method",
                  "org.freedesktop.DBus.NameHasOwner", APP_ID, check=False).stdout
        return b"true" in out

    def wait_until_ready(self):
        """Returns once the program has finished launching: the bus delivers
        actions through its event loop, which runs only after the history is
        open. An action of no meaning to it changes nothing."""
        self.action("ready")

    def action(self, name):
        run("gdbus", "call", "--session", "--dest", APP_ID, "--object-path", "/app/inkharbor/Inkharbor",
            "--method", "org.freedesktop.Application.ActivateAction", name, "[]", "{}")

    def log(self):
        self.log_file.flush()
        with open(self.log_path) as f:
            return f.read()

    def wait_for_log(self, text):
        return wait_until(lambda: text in self.log(), timeout=20, message=f"log line {text!r}")

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
        self.log_file.close()


def accessible_nodes(role=None, name=None):
    """Inkharbor's accessible objects (AT-SPI), optionally of a role and name,
    as (name, role, (x, y, width, height)) tuples."""
    import pyatspi
    found = []
    desktop = pyatspi.Registry.getDesktop(0)

    def walk(node, depth):
        if depth > 25:
            return
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is None:
                continue
            try:
                ext = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                box = (ext.x, ext.y, ext.width, ext.height)
            except Exception:
                box = None
            if (role is None or child.getRoleName() == role) and \
                    (name is None or child.name == name):
                found.append((child.name, child.getRoleName(), box))
            walk(child, depth + 1)

    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Inkharbor":
            walk(app, 0)
    return found


def click_accessible(role, name):
    """Clicks the middle of an accessible object of ours, as a user would."""
    node = wait_until(lambda: [n for n in accessible_nodes(role, name) if n[2] and n[2][2] > 0],
                      message=f"{role} {name!r}")[0]
    x, y, w, h = node[2]
    xdotool("mousemove", x + w // 2, y + h // 2, "click", 1)


def toast_buttons():
    return [name for name, role, box in accessible_nodes("push button")
            if name in ("Edit", "Undo", "Look Up", "Search the web", "Open Link")]


def overlay_shown(x, y):
    """The overlay dims the frozen screen: a white pixel turns grey."""
    return run("import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth", "8",
               "gray:-").stdout[0] < 230


class DesktopTest(unittest.TestCase):
    def setUp(self):
        remove_history()
        write_settings(hasCompletedOnboarding=True)
        self.app = Inkharbor()
        self.addCleanup(self.app.stop)

    def show_window(self, *args, **kwargs):
        window = TestWindow(*args, **kwargs)
        self.addCleanup(window.close)
        return window

    def capture(self, action, rect, probe):
        """Starts a capture and drags over rect (x, y, w, h) once the overlay is up."""
        self.app.action(action)
        wait_until(lambda: overlay_shown(*probe), message="the overlay")
        x, y, w, h = rect
        drag(x, y, x + w, y + h)

    def wait_for_toast(self, message):
        """The toast's message as assistive technologies get it."""
        return wait_until(lambda: accessible_nodes(name=message), timeout=10,
                          message=f"the toast {message!r}")
