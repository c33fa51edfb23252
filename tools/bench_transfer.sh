#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times full transfers through the program's own serial link against
# quorlink-radio-sim: a read and a write with no pacing, then a read paced at
# 960 bytes per second (9600 baud) as a ratio of wall time to the time the
# bytes need on the line, and a paced write that verifies itself (the line
# time is then the write's plus the read-back's), and the editor's write that
# reads the radio first (three passes). Aims: ratio at most 1.03, CPU at
# most 1 % of wall, a backup under 5 ms.
# Needs a build in build/ (or BUILD_DIR); builds nothing itself.
set -u
cd "$(dirname "$0")/.." || exit 1
tools="${BUILD_DIR:-build}/tools/radio_sim"
sim="$tools/quorlink-radio-sim"
bench="$tools/quorlink-transfer-bench"
for program in "$sim" "$bench"; do
    [ -x "$program" ] || { echo "missing $program: build first (./test.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
sim_pid=""
stop_sim() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null
        wait "$sim_pid" 2>/dev/null
        sim_pid=""
    fi
}
trap 'stop_sim; rm -rf "$work"' EXIT

# start_sim EXTRA-ARGS...: a fresh radio behind $work/radio
start_sim() {
    "$sim" --model 1 --quiet --link "$work/radio" "$@" >"$work/sim.out" 2>&1 &
    sim_pid=$!
    for _ in $(seq 50); do
        [ -e "$work/radio" ] && return 0
        sleep 0.1
    done
    echo "quorlink-radio-sim did not start:" >&2
    cat "$work/sim.out" >&2
    exit 1
}

status=0
echo "No pacing:"
start_sim
"$bench" read --port "$work/radio" 2>/dev/null || status=1
"$bench" write --port "$work/radio" 2>/dev/null || status=1
stop_sim

echo "Paced at 960 bytes/s:"
start_sim --pace 960
"$bench" read --port "$work/radio" --rate 960 --backups 2>/dev/null || status=1
"$bench" write --port "$work/radio" --rate 960 --verify 2>/dev/null || status=1
"$bench" write --port "$work/radio" --rate 960 --read-first --verify 2>/dev/null || status=1
stop_sim
exit $status
