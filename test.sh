#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
# Exits non-zero when anything fails.
cd "$(dirname "$0")" || exit 1
. scripts/setup.sh
install_missing_packages
configure_and_build
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
