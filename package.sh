#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and makes the Debian package
# build/package/quorlink_<version>_<arch>.deb. Install it with
#   sudo apt install ./build/package/quorlink_*.deb
cd "$(dirname "$0")" || exit 1
. scripts/setup.sh
install_missing_packages
configure_and_build
cpack --config "$BUILD_DIR/CPackConfig.cmake" -B "$BUILD_DIR/package" || exit 1
ls "$BUILD_DIR"/package/quorlink_*.deb
