# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the main window stays a window that wires: the features under src/editor/features
# reach it only through the context they are handed (none includes frm.h), and frm itself stays
# within 50 functions in frm.h and 1,200 lines in frm*.cpp, so that new work goes into a feature
# of its own. Run as a test:
#   cmake -DSOURCE_DIR=<src> -P checkeditor.cmake
cmake_minimum_required(VERSION 3.21)
set(failures "")

file(GLOB features "${SOURCE_DIR}/editor/features/*.h" "${SOURCE_DIR}/editor/features/*.cpp")
foreach(source IN LISTS features)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(editor/)?frm[._]")
    if(includes)
        list(APPEND failures "${source}: ${includes} (a feature reaches the window through EditorContext)")
    endif()
endforeach()

file(STRINGS "${SOURCE_DIR}/editor/frm.h" functions REGEX "^[ \t]+[A-Za-z].*\\(.*\\).*;")
list(LENGTH functions count)
if(count GREATER 50)
    list(APPEND failures "frm.h declares ${count} functions, more than 50")
endif()

file(GLOB window "${SOURCE_DIR}/editor/frm*.cpp")
set(lines 0)
foreach(source IN LISTS window)
    file(STRINGS "${source}" text)
    list(LENGTH text length)
    math(EXPR lines "${lines} + ${length}")
endforeach()
if(lines GREATER 1200)
    list(APPEND failures "frm*.cpp hold ${lines} lines, more than 1,200")
endif()

if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "The main window grows again; put the work in a feature of its own "
                        "(src/editor/README.md):\n${text}")
endif()
message(STATUS "frm.h declares ${count} functions, frm*.cpp hold ${lines} lines")
