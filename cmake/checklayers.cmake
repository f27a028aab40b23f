# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the folders of the core library include only folders below them, and no Qt:
#   document <- imaging <- timing <- settings
# (each may include itself and the folders to its left). Run as a test:
#   cmake -DSOURCE_DIR=<src> -P checklayers.cmake
cmake_minimum_required(VERSION 3.21)
set(layers document imaging timing settings)
set(failures "")
set(allowed "")
foreach(layer IN LISTS layers)
    list(APPEND allowed ${layer})
    file(GLOB sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS includes)
            if(line MATCHES "#[ \t]*include[ \t]*\"([a-z]+)/")
                set(folder "${CMAKE_MATCH_1}")
                if(NOT folder IN_LIST allowed)
                    list(JOIN allowed ", " below)
                    list(APPEND failures "${source}: ${line} (${layer} may use: ${below})")
                endif()
            elseif(line MATCHES "#[ \t]*include[ \t]*<Q")
                list(APPEND failures "${source}: ${line} (the core uses no Qt)")
            endif()
        endforeach()
    endforeach()
endforeach()
if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "Includes that run against the layers of the core:\n${text}")
endif()
list(JOIN layers " <- " order)
message(STATUS "The core's includes run downwards: ${order}")
