# SPDX-License-Identifier: GPL-3.0-or-later
# The translations: translations/quorlink_<code>.ts compiled to .qm with Qt's
# lrelease, and embedded with Qt's own translations for the same languages
# (the standard buttons, the file dialogs) under :/i18n. The compiled files do
# not depend on the system, so a Windows build takes the build machine's tools.
set(QUORLINK_LANGUAGES fr es de pt_BR)

find_program(QUORLINK_LRELEASE NAMES lrelease lrelease-qt6
             HINTS ${QT_HOST_PATH}/lib/qt6/bin ${QT_HOST_PATH}/bin /usr/lib/qt6/bin REQUIRED)
find_path(QUORLINK_QT_TRANSLATIONS qtbase_fr.qm
          HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS} ${QT_HOST_PATH}/share/qt6/translations
                /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH)

function(quorlink_add_translations target)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/i18n)
  set(compiled)
  foreach(code ${QUORLINK_LANGUAGES})
    set(ts ${PROJECT_SOURCE_DIR}/translations/quorlink_${code}.ts)
    set(qm ${dir}/quorlink_${code}.qm)
    add_custom_command(OUTPUT ${qm} COMMAND ${QUORLINK_LRELEASE} -silent ${ts} -qm ${qm} DEPENDS ${ts}
                       COMMENT "Compiling the ${code} translation" VERBATIM)
    list(APPEND compiled ${qm})
    if(QUORLINK_QT_TRANSLATIONS AND EXISTS ${QUORLINK_QT_TRANSLATIONS}/qtbase_${code}.qm)
      configure_file(${QUORLINK_QT_TRANSLATIONS}/qtbase_${code}.qm ${dir}/qtbase_${code}.qm COPYONLY)
      list(APPEND compiled ${dir}/qtbase_${code}.qm)
    endif()
  endforeach()
  set_source_files_properties(${compiled} PROPERTIES GENERATED TRUE)
  qt_add_resources(${target} "translations" PREFIX /i18n BASE ${dir} FILES ${compiled})
endfunction()
