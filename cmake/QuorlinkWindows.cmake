# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build (cross compiled with MinGW-w64 against a static Qt): each
# program is one file that needs no DLL beside it, the window's program has
# the window subsystem, and both carry the icon and a version resource.

add_link_options(-static -static-libgcc -static-libstdc++)
enable_language(RC)

# Tests run under Wine, in a prefix of the build's own.
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh)

set(QUORLINK_WINDOWS_DIR ${PROJECT_SOURCE_DIR}/packaging/windows)

# quorlink_windows_program(target description): the version resource and icon.
function(quorlink_windows_program target description)
  set(QUORLINK_RC_DESCRIPTION "${description}")
  set(QUORLINK_RC_FILE "${target}.exe")
  set(QUORLINK_RC_ICON "${QUORLINK_WINDOWS_DIR}/quorlink.ico")
  configure_file(${QUORLINK_WINDOWS_DIR}/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
