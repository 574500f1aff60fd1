#!/usr/bin/python3
"""A stand-in for xdg-desktop-portal on the session bus, answering as the real
one does: every method that may ask the user returns a request object and
answers later with its Response signal. ScreenCast hands out PipeWire nodes
given on the command line (--stream NODE:X,Y,W,H); GlobalShortcuts binds what
it is asked to. A control object lets the test choose the user's answer, read
the calls made, press and release a bound shortcut, and withdraw an interface."""

import json
import socket
import os
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

XML = """
<node>
  <interface name="org.freedesktop.portal.ScreenCast">
    <method name="CreateSession"><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
    <method name="SelectSources"><arg type="o" direction="in"/><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
    <method name="Start"><arg type="o" direction="in"/><arg type="s" direction="in"/><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
    <method name="OpenPipeWireRemote"><arg type="o" direction="in"/><arg type="a{sv}" direction="in"/><arg type="h" direction="out"/></method>
    <property name="AvailableSourceTypes" type="u" access="read"/>
    <property name="AvailableCursorModes" type="u" access="read"/>
    <property name="version" type="u" access="read"/>
  </interface>
  <interface name="org.freedesktop.portal.GlobalShortcuts">
    <method name="CreateSession"><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
    <method name="BindShortcuts"><arg type="o" direction="in"/><arg type="a(sa{sv})" direction="in"/><arg type="s" direction="in"/><arg type="a{sv}" direction="in"/><arg type="o" direction="out"/></method>
    <signal name="Activated"><arg type="o"/><arg type="s"/><arg type="t"/><arg type="a{sv}"/></signal>
    <signal name="Deactivated"><arg type="o"/><arg type="s"/><arg type="t"/><arg type="a{sv}"/></signal>
    <property name="version" type="u" access="read"/>
  </interface>
  <interface name="org.inkharbor.FakePortal">
    <method name="SetAnswer"><arg type="u" direction="in"/></method>
    <method name="Calls"><arg type="s" direction="out"/></method>
    <method name="OpenSessions"><arg type="u" direction="out"/></method>
    <method name="Press"><arg type="s" direction="in"/></method>
    <method name="Release"><arg type="s" direction="in"/></method>
    <method name="Withdraw"><arg type="s" direction="in"/></method>
  </interface>
</node>
"""

SESSION_XML = """
<node><interface name="org.freedesktop.portal.Session">
  <method name="Close"/>
</interface></node>
"""

PATH = "/org/freedesktop/portal/desktop"


class FakePortal:
    def __init__(self, connection, streams):
        self.connection = connection
        self.streams = streams
        self.answer = 0
        self.calls = []
        self.sessions = {}  # path -> (registration id, owner)
        self.tokens = 0
        self.shortcut_session = None
        self.shortcut_owner = None
        self.registrations = {}  # interface -> registration id

    def log(self, interface, method, params):
        self.calls.append({"interface": interface.rsplit(".", 1)[-1], "method": method,
                           "args": json.loads(json.dumps(params.unpack(), default=str))})

    def request_path(self, sender, options):
        token = options.get("handle_token", "t%d" % len(self.calls))
        return "%s/request/%s/%s" % (PATH, sender[1:].replace(".", "_"), token)

    def respond(self, sender, path, code, results):
        # After the method's reply, as the real portal answers once the user has.
        def emit():
            self.connection.emit_signal(sender, path, "org.freedesktop.portal.Request", "Response",
                                        GLib.Variant("(ua{sv})", (code, results)))
            return False
        GLib.idle_add(emit)

    def open_session(self, sender, options):
        token = options.get("session_handle_token", "s%d" % len(self.calls))
        path = "%s/session/%s/%s" % (PATH, sender[1:].replace(".", "_"), token)
        info = Gio.DBusNodeInfo.new_for_xml(SESSION_XML).interfaces[0]
        rid = self.connection.register_object(path, info, self.on_session_call, None, None)
        self.sessions[path] = rid
        return path

    def on_session_call(self, connection, sender, path, interface, method, params, invocation):
        self.calls.append({"interface": "Session", "method": method, "args": [path]})
        rid = self.sessions.pop(path, None)
        if rid is not None:
            connection.unregister_object(rid)
        invocation.return_value(None)

    def on_call(self, connection, sender, path, interface, method, params, invocation):
        self.log(interface, method, params)
        args = params.unpack()
        if interface == "org.inkharbor.FakePortal":
            return self.on_control(method, args, invocation)
        if method == "OpenPipeWireRemote":
            sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            sock.connect(os.path.join(os.environ["XDG_RUNTIME_DIR"], "pipewire-0"))
            fds = Gio.UnixFDList.new_from_array([sock.detach()])
            invocation.return_value_with_unix_fd_list(GLib.Variant("(h)", (0,)), fds)
            return
        options = args[-1]
        request = self.request_path(sender, options)
        invocation.return_value(GLib.Variant("(o)", (request,)))
        if method == "CreateSession":
            session = self.open_session(sender, options)
            if interface.endswith("GlobalShortcuts"):
                self.shortcut_session, self.shortcut_owner = session, sender
            self.respond(sender, request, 0, {"session_handle": GLib.Variant("s", session)})
        elif method == "SelectSources":
            self.respond(sender, request, 0, {})
        elif method == "Start":
            if self.answer != 0:
                self.respond(sender, request, self.answer, {})
                return
            self.tokens += 1
            streams = [(node, {"position": GLib.Variant("(ii)", (x, y)),
                               "size": GLib.Variant("(ii)", (w, h)),
                               "source_type": GLib.Variant("u", 1)})
                       for node, (x, y, w, h) in self.streams]
            self.respond(sender, request, 0, {
                "streams": GLib.Variant("a(ua{sv})", streams),
                "restore_token": GLib.Variant("s", "token-%d" % self.tokens)})
        elif method == "BindShortcuts":
            bound = [(name, {"description": GLib.Variant("s", props.get("description", "")),
                             "trigger_description": GLib.Variant("s", props.get("preferred_trigger", ""))})
                     for name, props in args[1]]
            self.respond(sender, request, self.answer,
                         {"shortcuts": GLib.Variant("a(sa{sv})", bound)} if self.answer == 0 else {})

    def on_control(self, method, args, invocation):
        if method == "Withdraw":
            # As a portal without a backend for the interface: calls to it
            # fail with "no such interface".
            self.connection.unregister_object(self.registrations.pop(args[0]))
            invocation.return_value(None)
        elif method == "SetAnswer":
            self.answer = args[0]
            invocation.return_value(None)
        elif method == "Calls":
            invocation.return_value(GLib.Variant("(s)", (json.dumps(self.calls),)))
        elif method == "OpenSessions":
            invocation.return_value(GLib.Variant("(u)", (len(self.sessions),)))
        elif method in ("Press", "Release"):
            signal = "Activated" if method == "Press" else "Deactivated"
            self.connection.emit_signal(self.shortcut_owner, PATH, "org.freedesktop.portal.GlobalShortcuts",
                                        signal, GLib.Variant("(osta{sv})", (self.shortcut_session, args[0], 0, {})))
            invocation.return_value(None)

    def on_get(self, connection, sender, path, interface, name):
        return GLib.Variant("u", {"version": 4 if interface.endswith("ScreenCast") else 1,
                                  "AvailableSourceTypes": 1, "AvailableCursorModes": 3}[name])


def main():
    streams = []
    argv = sys.argv[1:]
    while argv:
        if argv[0] == "--stream":
            node, rect = argv[1].split(":")
            streams.append((int(node), tuple(int(v) for v in rect.split(","))))
            argv = argv[2:]
        else:
            sys.exit("fake_portal: unknown argument " + argv[0])
    loop = GLib.MainLoop()
    connection = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    portal = FakePortal(connection, streams)
    for info in Gio.DBusNodeInfo.new_for_xml(XML).interfaces:
        portal.registrations[info.name] = connection.register_object(
            PATH, info, portal.on_call, portal.on_get, None)
    Gio.bus_own_name_on_connection(connection, "org.freedesktop.portal.Desktop",
                                   Gio.BusNameOwnerFlags.NONE, None, lambda *a: loop.quit())
    loop.run()


if __name__ == "__main__":
    main()
