#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# 200 transfers in a row against the radio emulator with random faults (not
# part of the quick suite). Prints the counts and the resident memory; when a
# sanitizer build exists (./test.sh --sanitize), runs it again there with
# LeakSanitizer on, which fails on any leak.
#   tools/stress_transfers.sh [RUNS] [SEED]
cd "$(dirname "$0")/.." || exit 1
runs=${1:-200}
seed=${2:-2026}
cmake --build build --target quorlink-stress-transfers -j "$(nproc)" >/dev/null || exit 1
echo "== normal build"
build/tools/stress/quorlink-stress-transfers "$runs" "$seed" || exit 1
if [ -d build-sanitize ]; then
    cmake --build build-sanitize --target quorlink-stress-transfers -j "$(nproc)" >/dev/null || exit 1
    echo "== AddressSanitizer and LeakSanitizer build"
    ASAN_OPTIONS=detect_leaks=1 build-sanitize/tools/stress/quorlink-stress-transfers "$runs" "$seed" || exit 1
    echo "no leaks reported"
fi
