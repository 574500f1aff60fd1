#!/usr/bin/env bash
# Checks a built package the way a user meets it (run as root, by CI):
# lintian, installing it with apt-get, the installed inkharbor-recognize on the
# sample screenshot, the installed program started by D-Bus activation under
# Xvfb, then removing it, after which nothing of ours may remain under /usr.
# The helper windows of the desktop test come from build/.
# Usage: tests/package/check.sh inkharbor_VERSION_amd64.deb
set -euo pipefail
deb=$(realpath "$1")
cd "$(dirname "$0")/../.."
export DEBIAN_FRONTEND=noninteractive

echo "== lintian"
# Errors fail; warnings are printed for the record.
lintian --fail-on error --display-info "$deb"

echo "== install"
apt-get install -y -qq "$deb" >/dev/null
installed=$(dpkg -L inkharbor)

echo "== installed files"
desktop-file-validate /usr/share/applications/app.inkharbor.Inkharbor.desktop
appstreamcli validate --no-net /usr/share/metainfo/app.inkharbor.Inkharbor.metainfo.xml
man -l /usr/share/man/man1/inkharbor.1.gz >/dev/null
text=$(/usr/bin/inkharbor-recognize --languages en resources/sample-screenshot.png)
grep -q "Welcome to Inkharbor" <<<"$text" || { echo "check.sh: recognised: $text" >&2; exit 1; }

echo "== the installed program in a desktop session"
status=0
INKHARBOR_BIN=$PWD/build/bin tests/e2e/session.sh /usr/bin/python3 tests/package/test_installed.py ||
  status=$?

echo "== remove"
apt-get purge -y -qq inkharbor >/dev/null
left=()
while IFS= read -r path; do
  [[ -e "$path" && ! -d "$path" ]] && left+=("$path")
done <<<"$installed"
while IFS= read -r path; do
  left+=("$path")
done < <(find /usr -iname '*inkharbor*')
if ((${#left[@]})); then
  printf 'check.sh: left behind: %s\n' "${left[@]}" >&2
  exit 1
fi
exit $status
