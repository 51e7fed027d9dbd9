# SPDX-FileCopyrightText: 2026 Zifferon developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a source file includes a subsystem its folder does not build on,
# or Qt outside the binding and the program's start-up.
#
#   cmake -DSOURCE_DIR=<src> -DLAYERS=<folder=used,used;...> -P CheckLayers.cmake
#
# LAYERS comes from the build's own list of subsystem libraries, so the check
# and the link graph cannot drift apart.
cmake_policy(SET CMP0057 NEW)
set(violations "")
foreach(layer IN LISTS LAYERS)
    string(REGEX MATCH "^([a-z]+)=(.*)$" _ "${layer}")
    set(folder ${CMAKE_MATCH_1})
    string(REPLACE "," ";" allowed "${CMAKE_MATCH_2}")
    list(APPEND allowed ${folder})
    file(GLOB files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    if(NOT files)
        list(APPEND violations "${folder}/: no source files found")
    endif()
    foreach(file IN LISTS files)
        file(STRINGS ${file} includes REGEX "^#include [\"<]")
        foreach(line IN LISTS includes)
            if(line MATCHES "^#include \"([a-z]+)/")
                if(NOT CMAKE_MATCH_1 IN_LIST allowed)
                    file(RELATIVE_PATH rel ${SOURCE_DIR} ${file})
                    list(APPEND violations "${rel}: ${line} (${folder}/ builds on ${allowed})")
                endif()
            elseif(line MATCHES "^#include <Q" AND NOT folder MATCHES "^(platform|app)$")
                file(RELATIVE_PATH rel ${SOURCE_DIR} ${file})
                list(APPEND violations "${rel}: ${line} (Qt belongs to platform/)")
            endif()
        endforeach()
    endforeach()
endforeach()
if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "Forbidden includes:\n  ${text}")
endif()
list(LENGTH LAYERS count)
message(STATUS "Layers respected in ${count} folders")
