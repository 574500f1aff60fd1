#!/usr/bin/env bash
# Mouse release → text on the clipboard, the X11 road (Xvfb) and the Wayland
# road (headless sway) in the same run: median of RUNS captures of three
# lines each, and the ratio Wayland / X11. Usage: bench/capture/compare.sh [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
runs=${1:-15}
export INKHARBOR_BIN=${INKHARBOR_BIN:-$root/build/bin}

x11=$("$root/tests/e2e/session.sh" /usr/bin/python3 "$here/bench_capture.py" "$runs" |
      grep "seen by xclip")
wayland=$("$root/tests/e2e/wayland/session.sh" /usr/bin/python3 "$here/bench_capture_wayland.py" "$runs" |
          grep "seen by wl-paste")
median() { awk -F'|' '{gsub(/ /, "", $3); print $3}' <<<"$1"; }
echo "Release → clipboard, $runs captures of three lines (median / min / max, ms)"
echo "| road | median | min | max |"
echo "|---|---|---|---|"
echo "${x11/release → clipboard (seen by xclip)/X11 (Xvfb, xclip)}"
echo "${wayland/release → clipboard (seen by wl-paste)/Wayland (sway, grim, wl-paste)}"
awk -v w="$(median "$wayland")" -v x="$(median "$x11")" \
    'BEGIN { printf "Wayland / X11: %.2f\n", w / x }'
