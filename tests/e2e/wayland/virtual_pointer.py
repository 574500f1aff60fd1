"""Gives a headless sway session a pointer: without an input device the seat
has none, and clients then never get pointer events. Speaks the Wayland wire
protocol directly (Debian packages neither a client library for Python nor
the wlroots virtual-pointer protocol), creates one virtual pointer and keeps
it until killed. The pointer is then moved and clicked with
`swaymsg seat seat0 cursor ...`."""

import os
import signal
import socket
import struct
import sys


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


def request(sock, object_id, opcode, payload=b""):
    sock.sendall(struct.pack("<II", object_id, (8 + len(payload)) << 16 | opcode) + payload)


def events(sock):
    buffer = b""
    while True:
        chunk = sock.recv(4096)
        if not chunk:
            raise SystemExit("the compositor closed the connection")
        buffer += chunk
        while len(buffer) >= 8:
            object_id, word = struct.unpack_from("<II", buffer)
            size = word >> 16
            if len(buffer) < size:
                break
            yield object_id, word & 0xFFFF, buffer[8:size]
            buffer = buffer[size:]


def main():
    path = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ["WAYLAND_DISPLAY"])
    sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    sock.connect(path)
    display, registry, callback, manager, pointer = 1, 2, 3, 4, 5
    request(sock, display, 1, struct.pack("<I", registry))  # wl_display.get_registry
    request(sock, display, 0, struct.pack("<I", callback))  # wl_display.sync
    name = None
    for object_id, opcode, body in events(sock):
        if object_id == registry and opcode == 0:  # wl_registry.global
            number, length = struct.unpack_from("<II", body)
            interface = body[8:8 + length - 1].decode()
            if interface == "zwlr_virtual_pointer_manager_v1":
                name = number
        elif object_id == callback and opcode == 0:  # wl_callback.done
            break
    if name is None:
        raise SystemExit("the compositor offers no virtual pointer")
    # wl_registry.bind(name, interface, version, id), then create_virtual_pointer(seat: null, id)
    request(sock, registry, 0, struct.pack("<I", name) + string("zwlr_virtual_pointer_manager_v1")
            + struct.pack("<II", 1, manager))
    request(sock, manager, 0, struct.pack("<II", 0, pointer))
    request(sock, display, 0, struct.pack("<I", 6))
    for object_id, opcode, body in events(sock):
        if object_id == 1 and opcode == 0:  # wl_display.error
            raise SystemExit(f"protocol error {body!r}")
        if object_id == 6:
            break
    print("ready", flush=True)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    for _ in events(sock):  # keep the connection (and so the pointer) until killed
        pass


if __name__ == "__main__":
    main()
