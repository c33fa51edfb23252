#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and resident memory of the editor, and time and resident
# memory of the command line. A benchmark, not a test: it prints figures and
# judges nothing.
#   tools/bench_startup.sh [RUNS]            the programs of build/ (built first)
#   BIN_DIR=/usr/bin tools/bench_startup.sh  installed programs
# The editor runs on the offscreen platform unless QT_QPA_PLATFORM says
# otherwise (QT_QPA_PLATFORM=xcb on a desktop, or under xvfb-run).
#
# Start-up is the time from launching `quorlink` until its main window has
# drawn its first frame: by then the window is built, filled with the default
# data, enabled, and its event loop runs. The moment is taken from Qt's own
# log of the window's first flush to the screen, so the figure includes the
# cost of writing that log (a few hundred lines).
set -u
cd "$(dirname "$0")/.." || exit 1
runs=${1:-10}
if [ -z "${BIN_DIR:-}" ]; then
    cmake --build build --target quorlink quorlink-cli -j "$(nproc)" >/dev/null || exit 1
    editor=build/src/app/quorlink
    cli=build/src/cli/quorlink-cli
else
    editor=$BIN_DIR/quorlink
    cli=$BIN_DIR/quorlink-cli
fi
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 1; }

work=$(mktemp -d)
editor_pid=""
cleanup() {
    [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# Fresh settings and data folders, so that no stored choice changes the start.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# min median max of numbers, one per line
summary() { sort -n | awk '{v[NR] = $1} END {printf "min %s  median %s  max %s", v[1], v[int((NR + 1) / 2)], v[NR]}'; }
kib_of() { awk -v k="$1:" '$1 == k {print $2}' "/proc/$2/status"; }
mb() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }

# One start of the editor: prints milliseconds to the first frame, the peak
# resident memory then, and the resident memory one second later (KiB).
start_editor() {
    local fifo=$work/log start end peak settled
    rm -f "$fifo"
    mkfifo "$fifo"
    start=$(date +%s%N)
    # SIGPIPE is ignored so that the editor outlives the reader of its log.
    (trap '' PIPE; QT_LOGGING_RULES="qt.widgets.painting=true" exec "$editor" 2>"$fifo" >/dev/null) &
    editor_pid=$!
    if ! grep -m1 -q 'Flushing .* of quorlink::MainWindow' <"$fifo"; then
        echo "the editor ended before it showed its window" >&2
        exit 1
    fi
    end=$(date +%s%N)
    peak=$(kib_of VmHWM "$editor_pid")
    sleep 1
    settled=$(kib_of VmRSS "$editor_pid")
    kill "$editor_pid"
    wait "$editor_pid" 2>/dev/null
    editor_pid=""
    echo "$(((end - start) / 1000000)) $peak $settled"
}

echo "editor: $editor on $QT_QPA_PLATFORM, $runs runs after one warm-up"
start_editor >/dev/null
for _ in $(seq "$runs"); do start_editor; done >"$work/editor.txt"
echo "  start-up to first frame, ms:   $(cut -d' ' -f1 "$work/editor.txt" | summary)"
echo "  peak resident at that moment, MB: $(cut -d' ' -f2 "$work/editor.txt" | while read -r k; do mb "$k"; echo; done | summary)"
echo "  resident one second later, MB:    $(cut -d' ' -f3 "$work/editor.txt" | while read -r k; do mb "$k"; echo; done | summary)"

# The command line: wall time and peak resident memory of whole runs.
"$cli" new --model MR7100A "$work/boat.dat" || exit 1
"$cli" convert --model MR7100A "$work/boat.dat" "$work/boat.hex" || exit 1
bench_cli() {  # LABEL ARGS...
    local label=$1 i start end
    shift
    "$cli" "$@" >/dev/null 2>&1  # warm-up
    for i in $(seq "$runs"); do
        start=$(date +%s%N)
        /usr/bin/time -f "%M" -o "$work/time.txt" "$cli" "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        echo "$(((end - start) / 100000)) $(cat "$work/time.txt")"
    done >"$work/cli.txt"
    echo "  $label"
    echo "    wall, ms:          $(cut -d' ' -f1 "$work/cli.txt" | while read -r t; do awk -v t="$t" 'BEGIN {printf "%.1f\n", t / 10}'; done | summary)"
    echo "    peak resident, MB: $(cut -d' ' -f2 "$work/cli.txt" | while read -r k; do mb "$k"; echo; done | summary)"
}
echo "command line: $cli, $runs runs each after one warm-up"
bench_cli "--help" --help
bench_cli "new" new --model MR7100A "$work/new.dat"
bench_cli "convert .dat to .hex" convert --model MR7100A "$work/boat.dat" "$work/out.hex"
bench_cli "report" report --model MR7100A "$work/boat.hex" "$work/boat.txt"
bench_cli "print (PDF)" print --model MR7100A "$work/boat.dat" "$work/boat.pdf"
