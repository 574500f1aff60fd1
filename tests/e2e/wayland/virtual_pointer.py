"""Gives a headless sway session a pointer: without an input device the seat
has none, and clients then never get pointer events. Speaks the Wayland wire
protocol directly (Debian packages neither a client library for Python nor
the wlroots virtual-pointer protocol), creates one virtual pointer, and moves
and clicks it as told over a Unix socket (SOCKET, the first argument), one
command a line, answering "ok" once the compositor has handled it:
  move X Y W H   to X, Y of a layout W × H points
  press | release   the left button
(sway's own `seat cursor` commands press and release, but move nothing a
client sees while a button is held.)"""

import os
import socket
import struct
import sys
import time


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
    replies = events(sock)
    serial = 6

    def sync():
        nonlocal serial
        request(sock, display, 0, struct.pack("<I", serial))
        for object_id, opcode, body in replies:
            if object_id == 1 and opcode == 0:
                raise SystemExit(f"protocol error {body!r}")
            if object_id == serial:
                break
        serial += 1

    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.bind(sys.argv[1])
    server.listen(4)
    print("ready", flush=True)
    while True:
        connection, _ = server.accept()
        with connection, connection.makefile("rw") as stream:
            for line in stream:
                words = line.split()
                now = int(time.monotonic() * 1000) & 0xFFFFFFFF
                if words[0] == "move":  # zwlr_virtual_pointer_v1.motion_absolute
                    request(sock, pointer, 1, struct.pack("<IIIII", now, *map(int, words[1:5])))
                else:  # .button(time, BTN_LEFT, state)
                    request(sock, pointer, 2, struct.pack("<III", now, 0x110, words[0] == "press"))
                request(sock, pointer, 4)  # .frame
                sync()
                stream.write("ok\n")
                stream.flush()


if __name__ == "__main__":
    main()
