"""Drives the real Inkharbor in a headless sway session (see session.sh): windows
of known content, the session's virtual pointer (virtual_pointer.py), keys
through wtype, and what the user gets read back with wl-paste and grim."""

import json
import os
import socket
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from harness import BIN, run, wait_until  # noqa: E402


def tree_nodes(node=None):
    """Every node of sway's layout tree, floating ones included."""
    if node is None:
        node = json.loads(run("swaymsg", "-t", "get_tree", "-r").stdout)
    yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from tree_nodes(child)


def windows(app_id=None, name=None):
    return [n for n in tree_nodes() if n.get("pid") and (app_id is None or n.get("app_id") == app_id)
            and (name is None or n.get("name") == name)]


_layout = None


def pointer(command, x=None, y=None):
    """"move" to X, Y (layout points), "press" or "release" the left button;
    returns once the compositor has handled it."""
    global _layout
    if _layout is None:
        outputs = json.loads(run("swaymsg", "-t", "get_outputs", "-r").stdout)
        _layout = (max(o["rect"]["x"] + o["rect"]["width"] for o in outputs),
                   max(o["rect"]["y"] + o["rect"]["height"] for o in outputs))
    line = command if x is None else f"{command} {x} {y} {_layout[0]} {_layout[1]}"
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as s:
        s.connect(os.environ["INKHARBOR_POINTER"])
        s.sendall(line.encode() + b"\n")
        if s.makefile().readline().strip() != "ok":
            raise AssertionError(f"the pointer did not {line}")


def drag(x1, y1, x2, y2, steps=6):
    # From one point to another with the left button down; steps=0 clicks.
    pointer("move", x1, y1)
    pointer("press")
    for i in range(1, steps + 1):
        pointer("move", x1 + (x2 - x1) * i // steps, y1 + (y2 - y1) * i // steps)
    pointer("release")


def key(name):
    # The pause lets clients take the new virtual keyboard's keymap first.
    run("wtype", "-s", "300", "-k", name)


def pixel(x, y):
    out = run("grim", "-g", f"{x},{y} 1x1", "-t", "ppm", "-").stdout
    return tuple(out[-3:])


def clipboard(mime=None):
    args = ["wl-paste", "--no-newline"] + (["--type", mime] if mime else [])
    result = run(*args, check=False, timeout=10)
    return result.stdout if result.returncode == 0 else None


def set_clipboard(data, mime):
    """wl-copy keeps serving the clipboard until killed or replaced."""
    proc = subprocess.Popen(["wl-copy", "--foreground", "--type", mime], stdin=subprocess.PIPE,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    proc.stdin.write(data)
    proc.stdin.close()
    wait_until(lambda: clipboard(mime) == data, message="wl-copy to own the clipboard")
    return proc


class Window:
    """inkharbor-test-window; sway tiles it over its whole output."""

    def __init__(self, title, lines=(), qr=(), font_size=22):
        args = [os.path.join(BIN, "inkharbor-test-window"), "--title", title,
                "--font-size", str(font_size)]
        for line in lines:
            args += ["--text", line]
        for payload in qr:
            args += ["--qr", payload]
        self.proc = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.rect = wait_until(lambda: [w["rect"] for w in windows(name=title)],
                               message=f"window {title}")[0]
        time.sleep(0.3)  # painted

    def close(self):
        self.proc.terminate()
        self.proc.wait(timeout=10)


def overlays():
    """Our full-screen overlay windows, by output."""
    return [w for w in windows() if w.get("fullscreen_mode") and "nkharbor" in (w.get("app_id") or "")]
