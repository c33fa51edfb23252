#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows quorlink-cli makes the same bytes as the Linux one: new data
# files equal the golden ones, a report equals the golden report, and a
# conversion through the raw image equals the Linux build's.
set -u
cli=$1
host_cli="$HOST_BUILD/src/cli/quorlink-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
win() { "$WINE_RUN" "$cli" "$@"; }
same() {  # same WHAT A B
    if cmp -s "$2" "$3"; then echo "ok: $1"; else echo "FAIL: $1 ($2 and $3 differ)"; failures=$((failures + 1)); fi
}

[ "$(win --version | tr -d '\r')" = "Quorlink 2.0.0" ] || { echo "FAIL: --version"; failures=$((failures + 1)); }
win new --model mr7100a "$work/a.dat" && same "new MR7100A" "$work/a.dat" "$GOLDEN/fresh_mr7100a.dat"
win new --model MR5100A "$work/b.dat" && same "new MR5100A" "$work/b.dat" "$GOLDEN/fresh_mr5100a.dat"
win report --model MR7100A "$GOLDEN/fresh_mr7100a.dat" "$work/r.txt"
printf '\r\n' | cat "$GOLDEN/fresh_mr7100a.txt" - > "$work/expected.txt"
same "report" "$work/r.txt" "$work/expected.txt"
# Standard output carries the file's bytes: CR LF, not the text mode's CR CR LF.
win report --model MR7100A "$GOLDEN/fresh_mr7100a.dat" - > "$work/stdout.txt"
same "report to standard output" "$work/stdout.txt" "$work/expected.txt"
win report --model MR7100A "$GOLDEN/fresh_mr7100a.dat" > "$work/no-out.txt"
same "report without OUT" "$work/no-out.txt" "$work/expected.txt"
for model in MR7100A; do
    win convert --model $model "$GOLDEN/edited_mr7100a.dat" "$work/win.hex"
    "$host_cli" convert --model $model "$GOLDEN/edited_mr7100a.dat" "$work/linux.hex"
    same "convert to an image" "$work/win.hex" "$work/linux.hex"
    win convert --model $model "$work/win.hex" "$work/win.dat"
    "$host_cli" convert --model $model "$work/linux.hex" "$work/linux.dat"
    same "convert an image back" "$work/win.dat" "$work/linux.dat"
done
win convert --model MR5100A "$GOLDEN/edited_mr5100a.def" "$work/win5.dat"
"$host_cli" convert --model MR5100A "$GOLDEN/edited_mr5100a.def" "$work/linux5.dat"
same "convert a .def file" "$work/win5.dat" "$work/linux5.dat"
# A drive letter, backslashes and a name outside the system's code page.
win new --model MR7100A "Z:${work//\//\\}\\Лодка.dat" && same "a Windows path" "$work/Лодка.dat" "$GOLDEN/fresh_mr7100a.dat"
# A device name is no file: refused with the one reason, and nothing written.
for name in "nul.dat" "nul .dat" "COM1 .hex"; do
    if win new --model MR7100A "$work/$name" 2> "$work/device.err"; then
        echo "FAIL: saving to $name succeeded"; failures=$((failures + 1))
    elif ! tr -d '\r' < "$work/device.err" | grep -qx "Reason: $name is a name Windows keeps for a device"; then
        echo "FAIL: $name refused with:"; cat "$work/device.err"; failures=$((failures + 1))
    else
        echo "ok: $name refused"
    fi
done
# Two files of one drive are two files; one file under two spellings is one.
win convert --model MR7100A "$GOLDEN/edited_mr7100a.dat" "$work/again.hex"
if win convert --model MR7100A "$GOLDEN/edited_mr7100a.dat" "$work/again.hex"; then
    echo "ok: an existing OUT is replaced"
else
    echo "FAIL: an existing OUT was taken for IN"; failures=$((failures + 1))
fi
win convert --model MR7100A "$work/again.hex" "Z:${work//\//\\}\\again.hex" 2> "$work/same.err"
if [ $? -eq 2 ] && grep -q "IN and OUT are the same file" "$work/same.err"; then
    echo "ok: IN as OUT refused"
else
    echo "FAIL: IN as OUT"; cat "$work/same.err"; failures=$((failures + 1))
fi
exit $((failures > 0))
