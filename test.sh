#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the whole test suite.
# Exits non-zero when anything fails.
#   ./test.sh              the normal build in build/
#   ./test.sh --sanitize   a build with AddressSanitizer and UndefinedBehaviorSanitizer
#                          in build-sanitize/, running the same suite
#   ./test.sh --windows    the Windows build in build-windows/ (Qt for MinGW built once per
#                          machine), its tests under Wine beside the Linux build's emulator
cd "$(dirname "$0")" || exit 1
. scripts/setup.sh
# The package test checks the package, its desktop entry and its metainfo with these.
# The accessibility test reads the window through the desktop's accessibility bus on a display of its own.
QUORLINK_EXTRA_PACKAGES="${QUORLINK_EXTRA_PACKAGES:-} lintian appstream desktop-file-utils xvfb dbus at-spi2-core python3-pyatspi"
install_missing_packages
if [ "${1:-}" = "--windows" ]; then
    . scripts/windows.sh
    configure_and_build  # the emulator and the Linux command line the Windows tests compare with
    configure_and_build_windows
    ctest --test-dir "$WINDOWS_BUILD_DIR" --output-on-failure -j "$(nproc)"
    exit
fi
if [ "${1:-}" = "--sanitize" ]; then
    BUILD_DIR=build-sanitize
    configure_and_build -DQUORLINK_SANITIZE=ON
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
else
    configure_and_build
fi
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
