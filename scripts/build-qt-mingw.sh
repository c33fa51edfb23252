#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt 6.4.2 (qtbase and QtSerialPort, static) for 64-bit Windows with
# Debian's MinGW-w64, into a cache folder outside the tree, once per machine:
#   QUORLINK_QT_MINGW   where it goes (~/.cache/quorlink/qt-6.4.2-mingw)
#   QUORLINK_VENDOR     the folder with the source tarballs and SHA256SUMS
# The host tools (moc, rcc, uic) are Debian's qt6-base-dev ones, through
# QT_HOST_PATH=/usr, so the two must be the same version. Prints the prefix.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
version=6.4.2
prefix=${QUORLINK_QT_MINGW:-$HOME/.cache/quorlink/qt-$version-mingw}
vendor=${QUORLINK_VENDOR:-$top/../shared/vendor}
done_mark="$prefix/.quorlink-complete"
if [ -f "$done_mark" ]; then
    echo "$prefix"
    exit 0
fi

. "$top/scripts/setup.sh"
QUORLINK_EXTRA_PACKAGES="${QUORLINK_EXTRA_PACKAGES:-} g++-mingw-w64-x86-64-posix ninja-build qt6-base-dev-tools"
install_missing_packages >&2

(cd "$vendor" && sha256sum --quiet -c SHA256SUMS) >&2 || {
    echo "build-qt-mingw: the sources in $vendor do not match SHA256SUMS" >&2
    exit 1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tar -C "$work" -xf "$vendor/qt6-base_$version+dfsg.orig.tar.xz"
tar -C "$work" -xf "$vendor/qtserialport-everywhere-src-$version.tar.xz"
# Debian keeps the host Qt's CMake files in the multiarch folder.
host_cmake="/usr/lib/$(gcc -print-multiarch)/cmake"
qtbase=$(find "$work" -maxdepth 1 -type d -name 'qtbase*' | head -n 1)
serialport="$work/qtserialport-everywhere-src-$version"

# OpenGL off needs dynamicgl off for the Windows platform plugin to build;
# Debian's tarball leaves out wintab.h, which tablet events need.
cmake -S "$qtbase" -B "$work/build-qtbase" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-mingw64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
    -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF >&2
cmake --build "$work/build-qtbase" --parallel "$(nproc)" >&2
cmake --install "$work/build-qtbase" >&2

cmake -S "$serialport" -B "$work/build-serialport" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
    -DCMAKE_BUILD_TYPE=Release >&2
cmake --build "$work/build-serialport" --parallel "$(nproc)" >&2
cmake --install "$work/build-serialport" >&2
touch "$done_mark"
echo "$prefix"
