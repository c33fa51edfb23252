#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings translations/*.ts up to date with the texts of the sources: new texts
# come in unfinished, texts no longer used go. Run it after changing a text the
# user reads, then translate what it marks unfinished (Qt Linguist, or by hand).
#   scripts/update-translations.sh [folder]   the .ts files of another folder
set -e
cd "$(dirname "$0")/.."
folder=${1:-translations}
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
files=()
for code in fr es de pt_BR; do files+=("$folder/quorlink_$code.ts"); done
# lupdate cannot resolve std:: in its own parse and says so; the texts are found all the same.
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h src -ts "${files[@]}" \
    2> >(grep -v "Qualifying with unknown namespace/class ::std" >&2)
