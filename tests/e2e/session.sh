#!/usr/bin/env bash
# Runs a command in a desktop session of its own: a fresh Xvfb display with
# two monitors side by side, a window manager, a session bus, and an empty
# home folder. Usage: session.sh COMMAND...
set -euo pipefail

home=$(mktemp -d /tmp/inkharbor-e2e.XXXXXX)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
       XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS
export INKHARBOR_LOG_STDERR=1 INKHARBOR_LOG_PRIVATE=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0

inner=$(cat <<'INNER'
set -euo pipefail
# The accessibility bus first, so the program finds it when it starts.
/usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0)" >/dev/null 2>&1 || true
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 0.5
set +e
"$@"
status=$?
kill $wm 2>/dev/null
exit $status
INNER
)
exec xvfb-run -a -s "-screen 0 1600x900x24 +extension RANDR" \
     dbus-run-session -- bash -c "$inner" session "$@"
