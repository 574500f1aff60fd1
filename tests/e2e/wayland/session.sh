#!/usr/bin/env bash
# Runs a command in a headless Wayland session of its own: sway with two
# outputs (HEADLESS-1 1280x800 at 0,0 and HEADLESS-2 1024x768 at scale 2 to
# its right, so 512x384 points at 1280,0), a virtual pointer and keyboard, a session bus and
# an empty home folder. sway will not run as root: as root, the session runs
# as the unprivileged user inkharbor-e2e, created on first use.
# Usage: session.sh COMMAND...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [[ $(id -u) -eq 0 ]]; then
  user=inkharbor-e2e
  id -u "$user" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$user"
  exec runuser -u "$user" -- env INKHARBOR_BIN="${INKHARBOR_BIN:-}" "$here/session.sh" "$@"
fi

home=$(mktemp -d /tmp/inkharbor-wayland-e2e.XXXXXX)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
       XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS
export WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=2 WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman
export XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland
export INKHARBOR_LOG_STDERR=1 INKHARBOR_LOG_PRIVATE=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0

cat >"$home/sway.conf" <<'CONFIG'
output HEADLESS-1 resolution 1280x800 position 0 0
output HEADLESS-2 resolution 1024x768 position 1280 0 scale 2
default_border none
default_floating_border none
focus_follows_mouse no
workspace 1 output HEADLESS-1
workspace 2 output HEADLESS-2
assign [title="^Second$"] workspace 2
CONFIG

inner=$(cat <<'INNER'
set -euo pipefail
sway -c "$HOME/sway.conf" >"$HOME/sway.log" 2>&1 &
sway=$!
for _ in $(seq 100); do
  socket=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'wayland-*' -type s | head -n1)
  [[ -n "$socket" ]] && break
  sleep 0.05
done
[[ -n "${socket:-}" ]] || { cat "$HOME/sway.log" >&2; exit 1; }
export WAYLAND_DISPLAY=$(basename "$socket")
export SWAYSOCK=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -name 'sway-ipc.*' | head -n1)
export INKHARBOR_POINTER="$XDG_RUNTIME_DIR/pointer.sock"
/usr/bin/python3 "$HERE/virtual_pointer.py" "$INKHARBOR_POINTER" >"$HOME/pointer.log" 2>&1 &
pointer=$!
# A keyboard for the whole session, as a real seat has: without one the
# compositor hands no client the clipboard. wtype's keyboard lives while it sleeps.
wtype -s 86400000 &
keyboard=$!
# The accessibility bus first, so the program finds it when it starts.
/usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0)" >/dev/null 2>&1 || true
for _ in $(seq 100); do grep -q ready "$HOME/pointer.log" && break; sleep 0.05; done
set +e
"$@"
status=$?
kill $keyboard $pointer $sway 2>/dev/null
exit $status
INNER
)
export HERE="$here"
exec dbus-run-session -- bash -c "$inner" session "$@"
