#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A short libFuzzer run of every fuzz target, for developers (not part of CI).
#
#   tools/fuzz_smoke.sh [seconds]      default: 30 seconds per target
#
# Builds the targets with clang in build-fuzz/ (QUORLINK_FUZZ=ON), copies each
# seed corpus tests/data/fuzz/<target>/ to build-fuzz/corpus/<target>/ and
# fuzzes that copy (with fuzz/<target>.dict when there is one), so the
# checked-in seeds never change. An input that breaks
# a target is saved in build-fuzz/findings/<target>/; replay it with
#   build-fuzz/fuzz/fuzz_<target> <file>
# Exits non-zero when the build fails or any target finds something.
cd "$(dirname "$0")/.." || exit 1
SECONDS_PER_TARGET=${1:-30}
BUILD_DIR=build-fuzz
TARGETS="data_file hex_file clone_protocol"

QUORLINK_EXTRA_PACKAGES="clang libclang-rt-14-dev"
. scripts/setup.sh
install_missing_packages

if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLINK_FUZZ=ON || exit 1
fi
for target in $TARGETS; do
    cmake --build "$BUILD_DIR" -j "$(nproc)" --target "fuzz_$target" || exit 1
done

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=""
for target in $TARGETS; do
    corpus="$BUILD_DIR/corpus/$target"
    findings="$BUILD_DIR/findings/$target"
    log="$BUILD_DIR/fuzz_$target.log"
    rm -rf "$corpus"
    mkdir -p "$corpus" "$findings"
    cp tests/data/fuzz/"$target"/* "$corpus"/
    dict=()
    [ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
    echo "== fuzz_$target: $SECONDS_PER_TARGET s (log: $log)"
    if ! "$BUILD_DIR/fuzz/fuzz_$target" "$corpus" "${dict[@]}" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 \
            -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1; then
        failed="$failed $target"
        tail -n 30 "$log"
    fi
    grep -E '^#[0-9]+.*(DONE|cov:)' "$log" | tail -n 1
    grep -E 'stat::number_of_executed_units' "$log"
    echo "corpus: $(ls "$corpus" | wc -l) inputs"
done

if [ -n "$failed" ]; then
    echo "FOUND SOMETHING:$failed (inputs under $BUILD_DIR/findings/)"
    exit 1
fi
echo "all fuzz targets ran clean"
