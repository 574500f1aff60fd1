#!/usr/bin/env bash
# A manual check of global shortcuts on KDE Plasma 5.27 (not part of CI: it
# needs about 370 KDE packages). A headless KWin with the desktop's own portal
# and kglobalaccel; Inkharbor asks for Super+Shift+T through the shortcuts
# portal; the keys are typed for real into KWin; the check passes when the
# capture starts on release.
#   apt-get install --no-install-recommends kwin-wayland xdg-desktop-portal-kde \
#     libkf5globalaccel-bin qtwayland5 plasma-wayland-protocols
# Usage (as root, after scripts/build.sh): bench/wayland/kde-shortcut-check.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=${INKHARBOR_BIN:-$here/../../build/bin}
work=$(mktemp -d /tmp/inkharbor-kde.XXXXXX)
chmod 755 "$work"
trap 'pkill -f "$work/kwin_wayland" || true; rm -rf "$work"' EXIT
# KWin carries a file capability that an unprivileged user in a container may
# not take: a copy without it runs.
cp /usr/bin/kwin_wayland "$work/"
protocol=/usr/share/plasma-wayland-protocols/fake-input.xml
wayland-scanner client-header "$protocol" "$work/fake-input.h"
wayland-scanner private-code "$protocol" "$work/fake-input.c"
gcc -I"$work" -o "$work/kwin-keys" "$here/kwin-keys.c" "$work/fake-input.c" -lwayland-client
id -u inkharbor-e2e >/dev/null 2>&1 || useradd --create-home --shell /bin/bash inkharbor-e2e

cat >"$work/session.sh" <<'SESSION'
set -u
work=$1 bin=$2
home=$(mktemp -d /tmp/inkharbor-kde-home.XXXXXX)
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
       XDG_RUNTIME_DIR=$home/runtime XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland \
       KDE_FULL_SESSION=true KDE_SESSION_VERSION=5
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME/Inkharbor"
chmod 700 "$XDG_RUNTIME_DIR"
# KWin hands its fake-input protocol only to programs whose desktop entry asks for it.
printf '[Desktop Entry]\nType=Application\nName=keys\nExec=%s\nNoDisplay=true\nX-KDE-Wayland-Interfaces=org_kde_kwin_fake_input\n' \
  "$work/kwin-keys" >"$XDG_DATA_HOME/applications/kwin-keys.desktop"
kbuildsycoca5 --noincremental >/dev/null 2>&1 || true
printf '[General]\nhasCompletedOnboarding=true\n' >"$XDG_CONFIG_HOME/Inkharbor/Inkharbor.conf"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
"$work/kwin_wayland" --virtual --width 1280 --height 800 --no-lockscreen --socket wayland-kde \
  >"$home/kwin.log" 2>&1 &
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wayland-kde" ] && break; sleep 0.1; done
export WAYLAND_DISPLAY=wayland-kde
dbus-update-activation-environment WAYLAND_DISPLAY XDG_CURRENT_DESKTOP XDG_RUNTIME_DIR \
  XDG_SESSION_TYPE KDE_FULL_SESSION
kglobalaccel5 >/dev/null 2>&1 &
/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde >/dev/null 2>&1 &
sleep 1
/usr/libexec/xdg-desktop-portal -r >/dev/null 2>&1 &
sleep 2
INKHARBOR_LOG_STDERR=1 "$bin/inkharbor" >"$home/app.log" 2>&1 &
app=$!
sleep 5
"$work/kwin-keys" 125 42 20 # Super+Shift+T
sleep 3
kill $app
cat "$home/app.log"
grep -q "Capture requested" "$home/app.log" && echo "PASS: Super+Shift+T started a capture on release" \
  || { echo "FAIL: no capture"; exit 1; }
SESSION
runuser -u inkharbor-e2e -- dbus-run-session -- bash "$work/session.sh" "$work" "$bin"
