# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a text the program shows has no finished translation: reads the
# sources into a copy of each .ts file, as update_translations would, and
# looks for messages that came in new or were left unfinished.
#
#   cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<repo> -DWORK_DIR=<dir> -P CheckTranslations.cmake
file(GLOB ts_files ${SOURCE_DIR}/translations/zifferon_*.ts)
if(NOT ts_files)
    message(FATAL_ERROR "no translations in ${SOURCE_DIR}/translations")
endif()
set(problems "")
foreach(ts IN LISTS ts_files)
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK_DIR})
    execute_process(
        COMMAND ${LUPDATE} -silent -no-obsolete -locations none ${SOURCE_DIR}/src/platform
                ${SOURCE_DIR}/src/app/main.cpp ${SOURCE_DIR}/src/sheet/MessageTable.cpp
                -ts ${WORK_DIR}/${name}
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(STRINGS ${WORK_DIR}/${name} unfinished REGEX "type=\"unfinished\"|<translation></translation>")
    list(LENGTH unfinished count)
    if(count GREATER 0)
        list(APPEND problems "${name}: ${count} message(s) without a finished translation")
    endif()
endforeach()
if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Untranslated texts (cmake --build build --target update_translations):\n  ${text}")
endif()
message(STATUS "Every text translated in ${ts_files}")
