# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening flags Debian builds its packages with (stack protector,
# fortified functions, read-only relocations, immediate binding), taken from
# dpkg-buildflags so that they follow the distribution. Left out of the
# sanitizer and fuzzing builds, whose runtimes bring their own checks, and on
# machines without dpkg-dev, and for Windows, whose linker takes other flags.
option(QUORLINK_HARDENING "Build with the hardening flags of dpkg-buildflags" ON)

find_program(QUORLINK_DPKG_BUILDFLAGS dpkg-buildflags)
set(QUORLINK_HARDENED OFF)
if(QUORLINK_HARDENING AND QUORLINK_DPKG_BUILDFLAGS AND NOT QUORLINK_SANITIZE AND NOT QUORLINK_FUZZ AND NOT WIN32)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${QUORLINK_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # Optimisation, debug information and source paths stay with the build type.
    list(FILTER flags EXCLUDE REGEX "^-O|^-g$|prefix-map=")
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
    message(STATUS "Hardening ${kind}: ${flags}")
  endforeach()
  set(QUORLINK_HARDENED ON)
endif()
