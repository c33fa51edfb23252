#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A full read and a write with verification by the Windows quorlink-cli,
# through Wine's COM7 linked to the emulated radio's pseudo-terminal, paced
# as a 9600-baud cable: the Windows serial port code end to end.
set -u
cli=$1
sim="$HOST_BUILD/tools/radio_sim/quorlink-radio-sim"
host_cli="$HOST_BUILD/src/cli/quorlink-cli"
[ -x "$sim" ] || { echo "FAIL: no emulator at $sim (build the Linux tree first)"; exit 1; }
work=$(mktemp -d)
sim_pid=
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    "$WINE_RUN" reg delete 'HKLM\Software\Wine\Ports' /v COM7 /f >/dev/null 2>&1
    wineserver -k
    rm -f "$WINEPREFIX/dosdevices/com7"
    rm -rf "$work"
}
trap cleanup EXIT
win() { "$WINE_RUN" "$cli" "$@"; }
"$WINE_RUN" "$cli" --version >/dev/null  # makes the prefix

"$host_cli" convert --model MR7100A "$GOLDEN/edited_mr7100a.dat" "$work/radio.hex" || exit 1
"$sim" --model 1 --image "$work/radio.hex" --link "$work/pty" --pace 960 --save "$work/after.hex" --quiet &
sim_pid=$!
for _ in $(seq 50); do [ -e "$work/pty" ] && break; sleep 0.1; done
# Declared in Wine's registry, as the guide says, so that Windows lists the
# port too; Wine reads the key when its server starts.
"$WINE_RUN" reg add 'HKLM\Software\Wine\Ports' /v COM7 /t REG_SZ /d "$work/pty" /f >/dev/null
wineserver -k

failures=0
# The list shows what Windows knows of a port: no empty by-id column.
win ports 2>/dev/null | tr -d '\r' > "$work/ports.txt"
if [ "$(head -n 1 "$work/ports.txt")" = "$(printf 'PORT\tDEVICE\tVID:PID\tMANUFACTURER\tDESCRIPTION')" ] &&
    awk -F'\t' '$2 == "COM7"' "$work/ports.txt" | grep -q .; then
    echo "ok: ports lists COM7 in the Windows columns"
else
    cat "$work/ports.txt"; echo "FAIL: ports"; failures=$((failures + 1))
fi
if win read --model MR7100A --port COM7 "$work/read.hex" && cmp -s "$work/read.hex" "$work/radio.hex"; then
    echo "ok: read through COM7 is the radio's memory"
else
    echo "FAIL: read through COM7"; failures=$((failures + 1))
fi
if win write --model MR7100A --port COM7 --no-read-first --allow-mmsi-change "$GOLDEN/fresh_mr7100a.dat" > "$work/write.log" 2>&1; then
    echo "ok: write with verification through COM7"
else
    cat "$work/write.log"; echo "FAIL: write through COM7"; failures=$((failures + 1))
fi
kill "$sim_pid"; wait "$sim_pid" 2>/dev/null; sim_pid=
# What the radio holds now is what the Linux build makes of the written data.
"$host_cli" diff --model MR7100A --brief "$work/after.hex" "$GOLDEN/fresh_mr7100a.dat" > "$work/diff.log" 2>&1
if [ $? -eq 0 ]; then
    echo "ok: the radio holds the written data"
else
    cat "$work/diff.log"; echo "FAIL: the radio's memory differs from the written data"; failures=$((failures + 1))
fi
exit $((failures > 0))
