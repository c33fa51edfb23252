# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh and test.sh: installs what a fresh Debian machine lacks,
# then configures and builds in build/ (or the folder given in BUILD_DIR).
# Source it; it sets BUILD_DIR.

# dpkg-dev gives the hardening flags, libqt6svg6 draws the scalable window icon.
# qt6-l10n-tools compiles the translations; qt6-translations-l10n has Qt's own.
QUORLINK_PACKAGES="cmake g++ make qt6-base-dev qt6-serialport-dev libgl-dev poppler-utils dpkg-dev libqt6svg6 qt6-l10n-tools qt6-translations-l10n python3"

install_missing_packages() {
    local missing=""
    for package in $QUORLINK_PACKAGES ${QUORLINK_EXTRA_PACKAGES:-}; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
            || missing="$missing $package"
    done
    [ -z "$missing" ] && return 0
    local apt_line="apt-get install -y --no-install-recommends$missing"
    if [ "$(id -u)" = 0 ]; then
        apt-get update -q && DEBIAN_FRONTEND=noninteractive $apt_line
    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        sudo apt-get update -q && sudo DEBIAN_FRONTEND=noninteractive $apt_line
    else
        echo "These Debian packages are missing:$missing" >&2
        echo "Install them with:  sudo apt-get update && sudo $apt_line" >&2
        exit 1
    fi
}

configure_and_build() {
    BUILD_DIR=${BUILD_DIR:-build}
    if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
        # A compiler cache, where the machine has one, makes rebuilds of other checkouts cheap.
        local launcher=""
        command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
        cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo $launcher "$@" || exit 1
    fi
    cmake --build "$BUILD_DIR" -j "$(nproc)" || exit 1
}
