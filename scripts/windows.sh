# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by package-windows.sh and test.sh --windows: installs the MinGW
# compiler, Wine and NSIS where missing, builds Qt for Windows once per
# machine (scripts/build-qt-mingw.sh), then configures and builds the Windows
# programs and tests in build-windows/ (or WINDOWS_BUILD_DIR), and makes the
# installer. Source it after scripts/setup.sh.

QUORLINK_WINDOWS_PACKAGES="g++-mingw-w64-x86-64-posix ninja-build qt6-base-dev-tools wine wine64 nsis zip xvfb xauth"

# Where the Windows Qt is, built first when this machine has none.
windows_qt_prefix() {
    # Its output is the prefix alone: what apt says goes to standard error.
    QUORLINK_EXTRA_PACKAGES="${QUORLINK_EXTRA_PACKAGES:-} $QUORLINK_WINDOWS_PACKAGES" install_missing_packages >&2
    scripts/build-qt-mingw.sh | tail -n 1
}

configure_and_build_windows() {
    WINDOWS_BUILD_DIR=${WINDOWS_BUILD_DIR:-build-windows}
    local qt
    qt=$(windows_qt_prefix) || exit 1
    [ -d "$qt" ] || { echo "No Qt for Windows in '$qt'" >&2; exit 1; }
    if [ ! -f "$WINDOWS_BUILD_DIR/CMakeCache.txt" ]; then
        local launcher=""
        command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
        cmake -S . -B "$WINDOWS_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release $launcher \
            -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
            -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/toolchain-mingw64.cmake" \
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake" "$@" || exit 1
    fi
    cmake --build "$WINDOWS_BUILD_DIR" -j "$(nproc)" || exit 1
}

# make_installer BUILD_DIR PACKAGE_DIR VERSION, in the source folder: stages the
# stripped programs of the Windows build, the guide and the licence in
# PACKAGE_DIR/quorlink-VERSION/ and makes PACKAGE_DIR/quorlink-VERSION-setup.exe.
make_installer() {
    local build=$1 package version=$3 stage program
    mkdir -p "$2" && package=$(cd "$2" && pwd) || return 1
    stage="$package/quorlink-$version"
    rm -rf "$stage" && mkdir -p "$stage/docs" || return 1
    for program in src/app/quorlink.exe src/cli/quorlink-cli.exe; do
        x86_64-w64-mingw32-strip -o "$stage/$(basename "$program")" "$build/$program" || return 1
    done
    cp README.md "$stage/" && cp -r docs/images "$stage/docs/" || return 1
    # Notepad and the installer's licence page want Windows line ends.
    sed 's/$/\r/' LICENSE > "$stage/LICENSE.txt" || return 1
    makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$PWD/packaging/windows/quorlink.ico" \
        -DOUTFILE="$package/quorlink-$version-setup.exe" packaging/windows/quorlink.nsi
}
