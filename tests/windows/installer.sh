#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer made from this build, installed silently for the current user
# into a folder given with /D=: Apps & features gets the program's size, the
# pages name the program rather than the installer maker, and uninstalling
# removes the program and its entry but leaves the user's files.
set -u
build=$(cd "$(dirname "$1")/../.." && pwd)  # $1: the build's quorlink-cli.exe
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
win() { "$WINE_RUN" "$@" | tr -d '\r'; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorlink'
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
(cd "$(dirname "$0")/../.." && . scripts/windows.sh && make_installer "$build" "$work/package" "$version") || exit 1
setup="$work/package/quorlink-$version-setup.exe"

# The pages' texts are in the header at the start of the solid LZMA stream
# that follows NSIS's 28-byte first header; its own first 4 bytes are a length.
python3 -c 'import lzma, sys
d = open(sys.argv[1], "rb").read()
at = d.index(b"\xef\xbe\xad\xdeNullsoftInst") + 24
h = lzma.LZMADecompressor(lzma.FORMAT_ALONE).decompress(d[at:at + 5] + b"\xff" * 8 + d[at + 5:], 1 << 20)
print(h[4:].decode("utf-16-le", "replace").replace("\0", "\n"))' "$setup" > "$work/texts"
grep -qx "Quorlink $version" "$work/texts" || fail "no 'Quorlink $version' among the installer's texts"
if grep -q "Nullsoft Install System" "$work/texts"; then fail "the pages name the installer maker"; fi

dir="$work/Quorlink"
"$WINE_RUN" reg delete "$key" /f >/dev/null 2>&1  # left by an earlier run that stopped half way
"$WINE_RUN" "$setup" /S /CurrentUser "/D=Z:${dir//\//\\}"
[ -f "$dir/quorlink.exe" ] || { echo "FAIL: not installed into the /D= folder"; exit 1; }
installed=$(find "$dir" -type f -printf '%s\n' | awk '{ kb += int(($1 + 1023) / 1024) } END { print kb }')
estimated=$(win reg query "$key" /v EstimatedSize | awk '$1 == "EstimatedSize" { print $3 }')
echo "installed: $installed KB, EstimatedSize: ${estimated:-none}"
[ -n "$estimated" ] && [ $((estimated - installed)) -ge -4 ] && [ $((estimated - installed)) -le 4 ] ||
    fail "EstimatedSize ${estimated:-missing} for $installed KB of files"

echo "log" > "$dir/err.log"
echo "[Default]" > "$dir/MR7100A.def"
"$WINE_RUN" "$dir/uninstall.exe" /CurrentUser /S
wineserver -w  # the uninstaller runs on as a copy of itself and removes the original
[ "$(LC_ALL=C ls -A "$dir" | tr '\n' ' ')" = "MR7100A.def err.log " ] || fail "left after uninstalling: $(ls -R "$dir" | tr '\n' ' ')"
[ "$(cat "$dir/err.log" "$dir/MR7100A.def" 2>&1)" = $'log\n[Default]' ] || fail "the user's files changed"
if "$WINE_RUN" reg query "$key" >/dev/null 2>&1; then fail "the uninstall entry stays"; fi
[ "$failures" = 0 ] && echo "ok: installer"
exit $((failures > 0))
