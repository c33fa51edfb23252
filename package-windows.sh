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
stage="$package/quorlink-$version"
rm -rf "$stage" && mkdir -p "$stage/docs" || exit 1
for program in src/app/quorlink.exe src/cli/quorlink-cli.exe; do
    x86_64-w64-mingw32-strip -o "$stage/$(basename "$program")" "$WINDOWS_BUILD_DIR/$program" || exit 1
done
cp README.md "$stage/" && cp -r docs/images "$stage/docs/" || exit 1
# Notepad and the installer's licence page want Windows line ends.
sed 's/$/\r/' LICENSE > "$stage/LICENSE.txt" || exit 1

makensis -V2 -DVERSION="$version" -DSTAGE="$PWD/$stage" -DICON="$PWD/packaging/windows/quorlink.ico" \
    -DOUTFILE="$PWD/$package/quorlink-$version-setup.exe" packaging/windows/quorlink.nsi || exit 1
rm -f "$package/quorlink-$version-windows-x64.zip"
(cd "$package" && zip -q -r -X "quorlink-$version-windows-x64.zip" "quorlink-$version") || exit 1
ls -l "$package"/quorlink-"$version"-setup.exe "$package"/quorlink-"$version"-windows-x64.zip
