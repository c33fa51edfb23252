# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where, and the Debian package made from it
# (./package.sh). Paths are relative to the prefix (/usr/local by default,
# /usr in the package):
#   bin/                                  quorlink, quorlink-cli, quorlink-radio-sim
#   share/applications/quorlink.desktop   menu entry; its presence also tells the
#                                         program that it runs installed
#   share/icons/hicolor/scalable/apps/    quorlink.svg
#   share/metainfo/                       org.quorlink.quorlink.metainfo.xml (AppStream)
#   share/man/man1/                       quorlink.1.gz, quorlink-cli.1.gz, quorlink-radio-sim.1.gz
#   share/doc/quorlink/                   README.md and its pictures (also the editor's
#                                         built-in guide), copyright, changelog.gz
#   share/quorlink/                       where an installed program looks for
#                                         its help file RV48.HLP (none is shipped)
#   lib/udev/rules.d/                     70-quorlink-serial.rules: programming
#                                         cables kept from ModemManager, open to
#                                         the desktop user; only under /usr
#   share/quorlink/70-quorlink-serial.rules  instead under any other prefix,
#                                         where udev would not read it
include(GNUInstallDirs)

set(QUORLINK_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS quorlink quorlink-cli quorlink-radio-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUORLINK_PACKAGING_DIR}/quorlink.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# udev reads rules from /usr/lib/udev/rules.d and /etc/udev/rules.d only: a
# rule under ~/.local or /usr/local would change nothing, so there it is only
# kept, and the install says how to put it in place by hand. The prefix is known only when
# installing (cmake --install --prefix), hence the check at that time.
install(CODE "set(QUORLINK_UDEV_RULE \"${QUORLINK_PACKAGING_DIR}/70-quorlink-serial.rules\")
set(QUORLINK_KEPT_RULE_DIR \"${CMAKE_INSTALL_DATADIR}/quorlink\")")
install(CODE [[
  string(REGEX REPLACE "/+$" "" quorlink_prefix "${CMAKE_INSTALL_PREFIX}")
  if(quorlink_prefix STREQUAL "/usr")
    file(INSTALL "${QUORLINK_UDEV_RULE}" DESTINATION "${CMAKE_INSTALL_PREFIX}/lib/udev/rules.d")
  else()
    # Kept beside the program's other files, for the commands below.
    set(quorlink_kept "${CMAKE_INSTALL_PREFIX}/${QUORLINK_KEPT_RULE_DIR}")
    file(INSTALL "${QUORLINK_UDEV_RULE}" DESTINATION "${quorlink_kept}")
    message(STATUS "The udev rule for the programming cables is not in effect: udev reads no rules under "
                   "${CMAKE_INSTALL_PREFIX}. To put it in effect:\n"
                   "  sudo install -m 644 ${quorlink_kept}/70-quorlink-serial.rules /etc/udev/rules.d/\n"
                   "  sudo udevadm control --reload   # then plug the cable in again")
  endif()
]])
install(FILES ${QUORLINK_PACKAGING_DIR}/quorlink.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages and the changelog go in compressed, as Debian keeps them, with
# the version filled in.
set(QUORLINK_GENERATED_DIR ${CMAKE_BINARY_DIR}/packaging)
set(QUORLINK_COMPRESSED)
foreach(page quorlink.1 quorlink-cli.1 quorlink-radio-sim.1 changelog)
  configure_file(${QUORLINK_PACKAGING_DIR}/${page} ${QUORLINK_GENERATED_DIR}/${page} @ONLY)
  add_custom_command(OUTPUT ${QUORLINK_GENERATED_DIR}/${page}.gz
    COMMAND gzip -9nkf ${QUORLINK_GENERATED_DIR}/${page}
    DEPENDS ${QUORLINK_GENERATED_DIR}/${page}
    VERBATIM)
  list(APPEND QUORLINK_COMPRESSED ${QUORLINK_GENERATED_DIR}/${page}.gz)
endforeach()
add_custom_target(quorlink-man-pages ALL DEPENDS ${QUORLINK_COMPRESSED})
install(FILES ${QUORLINK_GENERATED_DIR}/quorlink.1.gz ${QUORLINK_GENERATED_DIR}/quorlink-cli.1.gz
              ${QUORLINK_GENERATED_DIR}/quorlink-radio-sim.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(QUORLINK_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
configure_file(${QUORLINK_PACKAGING_DIR}/org.quorlink.quorlink.metainfo.xml.in
               ${QUORLINK_GENERATED_DIR}/org.quorlink.quorlink.metainfo.xml @ONLY)
install(FILES ${QUORLINK_GENERATED_DIR}/org.quorlink.quorlink.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(QUORLINK_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quorlink)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${QUORLINK_PACKAGING_DIR}/copyright
              ${QUORLINK_GENERATED_DIR}/changelog.gz
        DESTINATION ${QUORLINK_DOC_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION ${QUORLINK_DOC_DIR}/docs
        FILES_MATCHING PATTERN "*.png")

include(${QUORLINK_PACKAGING_DIR}/QuorlinkPackage.cmake)
