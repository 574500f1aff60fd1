#!/usr/bin/env bash
# Runs the portal tests on a session bus of their own (started by ctest under
# dbus-run-session) with a PipeWire daemon, two test-picture streams standing
# in for two monitors (the second at scale 2, beside the first), and the fake
# portal handing them out. Usage: run.sh TEST-PROGRAM [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

pipewire >"$XDG_RUNTIME_DIR/pipewire.log" 2>&1 & pids+=($!)
for _ in $(seq 50); do [[ -S $XDG_RUNTIME_DIR/pipewire-0 ]] && break; sleep 0.1; done
# The session manager links our stream to the node, as on a desktop.
wireplumber >"$XDG_RUNTIME_DIR/wireplumber.log" 2>&1 & pids+=($!)

picture() { # NAME COLOUR WIDTH HEIGHT
  gst-launch-1.0 -q videotestsrc pattern=solid-color foreground-color="$2" is-live=true \
    ! "video/x-raw,format=BGRx,width=$3,height=$4,framerate=5/1" \
    ! pipewiresink mode=provide \
      stream-properties="props,media.class=Video/Source,node.name=$1" \
    >"$XDG_RUNTIME_DIR/$1.log" 2>&1 & pids+=($!)
}
picture inkharbor-monitor-a 0xff3366cc 320 200
picture inkharbor-monitor-b 0xffcc6633 400 300

node_id() {
  pw-dump 2>/dev/null | /usr/bin/python3 -c '
import json, sys
for o in json.load(sys.stdin):
    if o.get("info", {}).get("props", {}).get("node.name") == sys.argv[1]:
        print(o["id"]); break' "$1"
}
a= b=
for _ in $(seq 100); do
  a=$(node_id inkharbor-monitor-a); b=$(node_id inkharbor-monitor-b)
  [[ -n $a && -n $b ]] && break
  sleep 0.1
done
[[ -n $a && -n $b ]] || { echo "run.sh: the test streams did not appear" >&2; exit 1; }

/usr/bin/python3 "$here/fake_portal.py" --stream "$a:0,0,320,200" --stream "$b:320,0,200,150" & pids+=($!)
# The fake must own the name before anyone asks for it, or the bus would start
# the real portal in its place.
owned=
for _ in $(seq 100); do
  if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
       org.freedesktop.DBus.GetNameOwner string:org.freedesktop.portal.Desktop >/dev/null 2>&1; then
    owned=1; break
  fi
  sleep 0.1
done
[[ -n $owned ]] || { echo "run.sh: the fake portal did not start" >&2; exit 1; }
"$@"
