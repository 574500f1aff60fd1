#!/usr/bin/env bash
# Makes the pictures the AppStream metainfo lists, from the screenshot tool,
# under the names it gives them, for publishing on the homepage.
# Usage: scripts/metainfo-screenshots.sh FOLDER   (needs a build in build/)
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $# -eq 1 ]] || { echo "usage: $0 FOLDER" >&2; exit 2; }
out=$1
mkdir -p "$out"
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
QT_QPA_PLATFORM=offscreen build/bin/inkharbor-screenshots "$shots" >/dev/null 2>&1
# metainfo name  <-  the tool's picture
while read -r name picture; do
  cp "$shots/$picture" "$out/$name"
  grep -q "screenshots/$name<" resources/desktop/app.inkharbor.Inkharbor.metainfo.xml.in ||
    { echo "$0: the metainfo does not list $name" >&2; exit 1; }
done <<'LIST'
result.png result-light-540.png
history.png history-light-list.png
languages.png settings-light-2.png
settings.png settings-light-0.png
LIST
echo "metainfo-screenshots.sh: $(ls "$out" | tr '\n' ' ')"
