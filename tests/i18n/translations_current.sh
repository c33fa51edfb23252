#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a text the user reads is missing from the translation files: the
# files brought up to date from the sources must equal the files in the tree.
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/*.ts "$work"/
"$root"/scripts/update-translations.sh "$work"
diff -ru "$root/translations" "$work" && echo "The translation files hold every text of the sources"
