# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: ./package.sh, or `cpack -G DEB` in the build folder.
# Its dependencies are written out rather than computed, so that the package
# builds without the Debian development tools; tests/package checks that every
# library the installed programs load belongs to a package named here.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorlink)
set(CPACK_PACKAGE_VENDOR "Quorlink")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming editor for MR7100A and MR5100A marine VHF radios")
set(CPACK_PACKAGE_CONTACT "Quorlink Developers <team@quorlink.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Reads the memory of an MR7100A or MR5100A radio over its programming cable,
edits channels, names, weather and EXP channels, A/B channels, radio and DSC
settings, the user MMSI and the call directories in one window, and writes it
back. Data can be kept in .dat files, printed, or saved as a text report.
Also contains quorlink-cli, which does the same file and radio work without a
window, and quorlink-radio-sim, an emulated radio on a pseudo-terminal.")

# The Qt libraries the programs link against, at least the version they were
# built with; the platform plugins (xcb, offscreen) come with libqt6gui6, and
# libqt6svg6 draws the scalable window icon.
set(QUORLINK_QT_MIN "${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6 (>= 2.34), libstdc++6 (>= 11), libgcc-s1 (>= 3.0)"
  "libqt6core6 (>= ${QUORLINK_QT_MIN}), libqt6gui6 (>= ${QUORLINK_QT_MIN})"
  "libqt6widgets6 (>= ${QUORLINK_QT_MIN}), libqt6printsupport6 (>= ${QUORLINK_QT_MIN})"
  "libqt6serialport6 (>= ${QUORLINK_QT_MIN})"
  "libqt6svg6 (>= ${QUORLINK_QT_MIN})")
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS ${CPACK_DEBIAN_PACKAGE_DEPENDS})

include(CPack)
