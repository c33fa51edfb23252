# What `cmake --install` puts where, and the Debian package made from it
# (./package.sh). Paths are relative to the prefix (/usr/local by default,
# /usr in the package):
#   bin/                                  quorlink, quorlink-cli, quorlink-radio-sim
#   share/applications/quorlink.desktop   menu entry; its presence also tells the
#                                         program that it runs installed
#   share/icons/hicolor/scalable/apps/    quorlink.svg
#   share/man/man1/                       quorlink-cli.1.gz
#   share/doc/quorlink/                   README.md and its pictures
#   share/quorlink/                       where an installed program looks for
#                                         its help file RV48.HLP (none is shipped)
#   lib/udev/rules.d/                     70-quorlink-serial.rules: programming
#                                         cables kept from ModemManager, open to
#                                         the desktop user
include(GNUInstallDirs)

set(QUORLINK_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS quorlink quorlink-cli quorlink-radio-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUORLINK_PACKAGING_DIR}/quorlink.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUORLINK_PACKAGING_DIR}/70-quorlink-serial.rules DESTINATION lib/udev/rules.d)
install(FILES ${QUORLINK_PACKAGING_DIR}/quorlink.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages go in compressed, as Debian keeps them, with the version filled in.
configure_file(${QUORLINK_PACKAGING_DIR}/quorlink-cli.1 ${CMAKE_BINARY_DIR}/packaging/quorlink-cli.1 @ONLY)
set(QUORLINK_MAN_PAGE ${CMAKE_BINARY_DIR}/packaging/quorlink-cli.1.gz)
add_custom_command(OUTPUT ${QUORLINK_MAN_PAGE}
  COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/packaging/quorlink-cli.1
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/quorlink-cli.1
  VERBATIM)
add_custom_target(quorlink-man-pages ALL DEPENDS ${QUORLINK_MAN_PAGE})
install(FILES ${QUORLINK_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(QUORLINK_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/quorlink)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${QUORLINK_DOC_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION ${QUORLINK_DOC_DIR}/docs
        FILES_MATCHING PATTERN "*.png")

include(${QUORLINK_PACKAGING_DIR}/QuorlinkPackage.cmake)
