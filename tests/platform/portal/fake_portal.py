#!/usr/bin/python3
"""A stand-in for xdg-desktop-portal on a PipeWire of its own: ScreenCast hands
out a solid-colour picture stream for each argument COLOUR:WIDTHxHEIGHT:X,Y,W,H
(the stream's pixels, and where the output it stands for lies in points), new
streams for each session, as a desktop's portal makes them;
GlobalShortcuts binds what it is asked to. Its helpers end with it."""
# Methods that may ask the user answer later with their Request's Response
# signal, as the real portal does. A control object lets the test choose the
# user's answer, read the calls made, press and release a bound shortcut, and
# withdraw an interface.

import ctypes
import json
import os
import signal
import socket
import subprocess
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

REQUEST = ["o"]  # a method that may ask the user returns its Request's path
INTERFACES = {  # name: {method: (argument types, result types)}, [signals]
    "org.freedesktop.portal.ScreenCast": ({
        "CreateSession": (["a{sv}"], REQUEST), "SelectSources": (["o", "a{sv}"], REQUEST),
        "Start": (["o", "s", "a{sv}"], REQUEST), "OpenPipeWireRemote": (["o", "a{sv}"], ["h"])}, []),
    "org.freedesktop.portal.GlobalShortcuts": ({
        "CreateSession": (["a{sv}"], REQUEST),
        "BindShortcuts": (["o", "a(sa{sv})", "s", "a{sv}"], REQUEST)}, ["Activated", "Deactivated"]),
    "org.inkharbor.FakePortal": ({
        "SetAnswer": (["u"], []), "Calls": ([], ["s"]), "OpenSessions": ([], ["u"]),
        "Press": (["s"], []), "Release": (["s"], []), "Withdraw": (["s"], []),
        "BindAtCreation": ([], [])}, []),
    "org.freedesktop.portal.Session": ({"Close": ([], [])}, []),
}


def interface_info(name):
    methods, signals = INTERFACES[name]
    args = lambda types, direction: "".join(  # noqa: E731
        f'<arg type="{t}" direction="{direction}"/>' for t in types)
    xml = "".join(f'<method name="{m}">{args(i, "in")}{args(o, "out")}</method>'
                  for m, (i, o) in methods.items())
    xml += "".join(f'<signal name="{s}">{args(["o", "s", "t", "a{sv}"], "out")}</signal>'
                   for s in signals)
    if name.endswith("ScreenCast"):
        xml += '<property name="version" type="u" access="read"/>'
    return Gio.DBusNodeInfo.new_for_xml(
        f'<node><interface name="{name}">{xml}</interface></node>').interfaces[0]


PATH = "/org/freedesktop/portal/desktop"


def bus_name(sender):
    return sender[1:].replace(".", "_")


class FakePortal:
    def __init__(self, connection, specs):
        self.connection, self.specs = connection, specs
        self.pictures = {}  # session path -> the processes of its streams
        self.answer, self.tokens, self.calls = 0, 0, []
        self.sessions = {}  # path -> registration id
        self.registrations = {}  # interface -> registration id
        self.shortcut_session = self.shortcut_owner = None
        self.bind_at_creation = False  # as KDE Plasma 5 does

    def respond(self, sender, path, code, results):
        # After the method's reply, as the real portal answers once the user has.
        GLib.idle_add(lambda: self.connection.emit_signal(
            sender, path, "org.freedesktop.portal.Request", "Response",
            GLib.Variant("(ua{sv})", (code, results))) and False)

    def open_session(self, sender, options):
        token = options.get("session_handle_token", "s%d" % len(self.calls))
        path = "%s/session/%s/%s" % (PATH, bus_name(sender), token)
        self.sessions[path] = self.connection.register_object(
            path, interface_info("org.freedesktop.portal.Session"), self.on_session_call, None, None)
        return path

    def on_session_call(self, connection, sender, path, interface, method, params, invocation):
        for process in self.pictures.pop(path, []):
            process.terminate()
        rid = self.sessions.pop(path, None)
        if rid is not None:
            connection.unregister_object(rid)
        invocation.return_value(None)

    def on_call(self, connection, sender, path, interface, method, params, invocation):
        args = params.unpack()
        self.calls.append({"method": method, "args": json.loads(json.dumps(args, default=str))})
        if interface == "org.inkharbor.FakePortal":
            return invocation.return_value(self.on_control(method, args))
        if method == "OpenPipeWireRemote":
            sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            sock.connect(os.path.join(os.environ["XDG_RUNTIME_DIR"], "pipewire-0"))
            fds = Gio.UnixFDList.new_from_array([sock.detach()])
            return invocation.return_value_with_unix_fd_list(GLib.Variant("(h)", (0,)), fds)
        options = args[-1]
        token = options.get("handle_token", "t%d" % len(self.calls))
        request = "%s/request/%s/%s" % (PATH, bus_name(sender), token)
        invocation.return_value(GLib.Variant("(o)", (request,)))
        results = {}
        if method == "CreateSession":
            session = self.open_session(sender, options)
            if interface.endswith("GlobalShortcuts"):
                self.shortcut_session, self.shortcut_owner = session, sender
            results = {"session_handle": GLib.Variant("s", session)}
        elif method == "Start" and self.answer != 0:
            return self.respond(sender, request, self.answer, {})
        elif method == "Start":
            self.tokens += 1
            self.pictures[args[0]], nodes = picture_streams(self.specs, self.tokens)
            streams = [(node, {"position": GLib.Variant("(ii)", (x, y)),
                               "size": GLib.Variant("(ii)", (w, h)),
                               "source_type": GLib.Variant("u", 1)})
                       for node, (x, y, w, h) in nodes]
            results = {"streams": GLib.Variant("a(ua{sv})", streams),
                       "restore_token": GLib.Variant("s", "token-%d" % self.tokens)}
        if method == "BindShortcuts" or (self.bind_at_creation and "shortcuts" in options):
            bound = [(name, {"description": GLib.Variant("s", props.get("description", "")),
                             "trigger_description": GLib.Variant("s", props.get("preferred_trigger", ""))})
                     for name, props in (args[1] if method == "BindShortcuts" else options["shortcuts"])]
            results["shortcuts"] = GLib.Variant("a(sa{sv})", bound)
        self.respond(sender, request, 0, results)

    def on_control(self, method, args):
        if method == "Withdraw":
            # As a portal without a backend for the interface: calls to it
            # fail with "no such interface".
            self.connection.unregister_object(self.registrations.pop(args[0]))
        elif method == "BindAtCreation":
            self.bind_at_creation = True
        elif method == "SetAnswer":
            self.answer = args[0]
        elif method == "Calls":
            return GLib.Variant("(s)", (json.dumps(self.calls),))
        elif method == "OpenSessions":
            return GLib.Variant("(u)", (len(self.sessions),))
        else:  # Press, Release
            signal = "Activated" if method == "Press" else "Deactivated"
            self.connection.emit_signal(self.shortcut_owner, PATH, "org.freedesktop.portal.GlobalShortcuts",
                                        signal, GLib.Variant("(osta{sv})", (self.shortcut_session, args[0], 0, {})))
        return None

    def on_get(self, connection, sender, path, interface, name):
        return GLib.Variant("u", 4)  # ScreenCast's version


def start(*args):
    return subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            preexec_fn=lambda: ctypes.CDLL(None).prctl(1, int(signal.SIGTERM)))


def wait_for(condition, what):
    for _ in range(200):
        if value := condition():
            return value
        time.sleep(0.1)
    sys.exit("fake_portal: no " + what)


def start_pipewire():
    start("pipewire")
    wait_for(lambda: os.path.exists(os.path.join(os.environ["XDG_RUNTIME_DIR"], "pipewire-0")),
             "pipewire")
    start("wireplumber")  # links the pictures to their nodes, as on a desktop


def picture_streams(specs, serial):
    """The processes of new picture streams, and [(node, (x, y, w, h))] once
    PipeWire has every picture."""
    names = [f"inkharbor-picture-{serial}-{i}" for i in range(len(specs))]
    processes = []
    for name, spec in zip(names, specs):
        colour, size, _ = spec.split(":")
        width, height = size.split("x")
        processes.append(start(
            "gst-launch-1.0", "-q", "videotestsrc", "pattern=solid-color",
            f"foreground-color={colour}", "is-live=true", "!",
            f"video/x-raw,format=BGRx,width={width},height={height},framerate=5/1", "!",
            "pipewiresink", "mode=provide",
            f"stream-properties=props,media.class=Video/Source,node.name={name}"))

    def nodes():
        dump = json.loads(subprocess.run(["pw-dump"], capture_output=True).stdout or b"[]")
        found = {((o.get("info") or {}).get("props") or {}).get("node.name"): o["id"] for o in dump}
        ids = [found.get(name) for name in names]
        return None if None in ids else ids
    return processes, [(node, tuple(int(v) for v in spec.split(":")[2].split(",")))
                       for node, spec in zip(wait_for(nodes, "picture streams"), specs)]


def main():
    start_pipewire()
    loop = GLib.MainLoop()
    connection = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    portal = FakePortal(connection, sys.argv[1:])
    for name in list(INTERFACES)[:3]:
        portal.registrations[name] = connection.register_object(
            PATH, interface_info(name), portal.on_call, portal.on_get, None)
    Gio.bus_own_name_on_connection(connection, "org.freedesktop.portal.Desktop",
                                   Gio.BusNameOwnerFlags.NONE, None, lambda *a: loop.quit())
    loop.run()


if __name__ == "__main__":
    main()
