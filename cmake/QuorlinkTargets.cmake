# SPDX-License-Identifier: GPL-3.0-or-later
# Shared settings for every target of the project.

function(quorlink_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# add_quorlink_library(name [QT] SOURCES ... LIBS ...)
# One static library per layer; QT turns on moc for widget and object code.
function(add_quorlink_library name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
  quorlink_warnings(${name})
endfunction()

# add_quorlink_test(name SOURCES ... LIBS ... LABEL label)
# A Qt Test executable run by CTest, always on the offscreen platform so that
# no test needs a display.
function(add_quorlink_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    QUORLINK_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  quorlink_warnings(${name})
  if(WIN32)
    # A static Qt links only the platform plugins a program imports.
    qt_import_plugins(${name} INCLUDE_BY_TYPE platforms Qt6::QOffscreenIntegrationPlugin)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set(env "QT_QPA_PLATFORM=offscreen")
  set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABEL}" ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()
