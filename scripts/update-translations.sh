#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings translations/*.ts up to date with the sources: a new text appears
# unfinished, a text no longer in the sources is dropped. korvane_en.ts
# holds only the plural forms of English. The plain code's Translated(...)
# is read as QCoreApplication::translate. With --check nothing is written:
# it prints what an update would change and exits 1 if anything would. With
# a language code (fr, de_CH) it also makes that language's new file.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
sources=(core document ui editors app tools/korvanetool)
options=(-recursive -extensions cpp,h,ui,def -source-language en -tr-function-alias translate+=Translated
         -locations none -no-obsolete -silent -I .)

check=0
case "${1:-}" in
  --check) check=1 ;;
  "") ;;
  *)
    [[ "$1" =~ ^[a-z]{2,3}(_[A-Z]{2})?$ ]] || { echo "update-translations: '$1' is not a language code" >&2; exit 2; }
    [ -e "translations/korvane_$1.ts" ] \
      || "$lupdate" "${options[@]}" -target-language "$1" "${sources[@]}" -ts "translations/korvane_$1.ts" ;;
esac
target=translations
if [ $check = 1 ]; then
  target=$(mktemp -d)
  trap 'rm -rf "$target"' EXIT
  cp translations/*.ts "$target/"
fi

for ts in "$target"/*.ts; do
  extra=()
  case "$ts" in
    */korvane_en.ts) extra=(-pluralonly) ;;
  esac
  "$lupdate" "${options[@]}" "${extra[@]}" "${sources[@]}" -ts "$ts"
done

if [ $check = 1 ]; then
  status=0
  for ts in translations/*.ts; do
    if ! diff -u "$ts" "$target/$(basename "$ts")" >&2; then
      echo "$ts is not up to date with the sources: run scripts/update-translations.sh" >&2
      status=1
    fi
  done
  exit $status
fi
