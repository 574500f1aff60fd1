#!/usr/bin/env bash
# Runs the portal tests on a session bus of their own (started by ctest under
# dbus-run-session) with the fake portal handing out two PipeWire picture
# streams standing in for two monitors (the second at scale 2, beside the
# first). Usage: run.sh TEST-PROGRAM [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
/usr/bin/python3 "$here/fake_portal.py" 0xff3366cc:320x200:0,0,320,200 \
  0xffcc6633:400x300:320,0,200,150 &
portal=$!
trap 'kill $portal 2>/dev/null; wait; rm -rf "$XDG_RUNTIME_DIR"' EXIT
# The fake must own the name before anyone asks for it, or the bus would start
# the real portal in its place.
owned() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.GetNameOwner string:org.freedesktop.portal.Desktop >/dev/null 2>&1
}
for _ in $(seq 300); do owned && break; kill -0 $portal || exit 1; sleep 0.1; done
owned || { echo "run.sh: the fake portal did not start" >&2; exit 1; }
"$@"
