#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing (the MinGW compiler, NSIS, Wine), builds Qt for
# Windows once per machine, builds the Windows programs and makes
#   build-windows/package/quorlink-<version>-setup.exe        the installer
#   build-windows/package/quorlink-<version>-windows-x64.zip  the two programs, the guide, the licence
cd "$(dirname "$0")" || exit 1
. scripts/setup.sh
. scripts/windows.sh
configure_and_build_windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$WINDOWS_BUILD_DIR/CMakeCache.txt")
package="$WINDOWS_BUILD_DIR/package"
make_installer "$WINDOWS_BUILD_DIR" "$package" "$version" || exit 1
rm -f "$package/quorlink-$version-windows-x64.zip"
(cd "$package" && zip -q -r -X "quorlink-$version-windows-x64.zip" "quorlink-$version") || exit 1
ls -l "$package"/quorlink-"$version"-setup.exe "$package"/quorlink-"$version"-windows-x64.zip
