#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts in src/: a new text joins
# each language unfinished (lupdate fills in the translation of a similar old
# text where it finds one), a text gone from the sources leaves. English keeps
# only the texts that depend on a number. Then translate what is unfinished
# (linguist translations/inkharbor_de.ts, or by hand) until the unit test
# "app" (Translations.*) passes.
# Usage: scripts/update-translations.sh [LANGUAGE…]   e.g. de es; default: all
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}

files=()
if (($#)); then
  for language in "$@"; do files+=("translations/inkharbor_$language.ts"); done
else
  files=(translations/inkharbor_*.ts)
fi

for ts in "${files[@]}"; do
  options=(-locations none -no-obsolete)
  [[ $ts == */inkharbor_en.ts ]] && options+=(-pluralonly)
  "$lupdate" "${options[@]}" src -ts "$ts"
done
# What is left to translate.
grep -c 'type="unfinished"' "${files[@]}" || true
