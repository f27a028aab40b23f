# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs one case of contained.lua with `tessanim run --safe` and checks how it ends: exit status
# STATUS, standard error matching EXPECT, and the folder OUTSIDE (made here, with a file that is
# no script and a folder a link in the script's folder leads to) left exactly as it was.
#   cmake -DTOOL=... [-DEMULATOR=...] -DSCRIPT=... -DCASE=... -DOUTSIDE=... -DSTATUS=...
#         -DEXPECT=regex [-DOPTIONS=...] [-DINSIDE_OUTSIDE=ON] [-DANIMATION=...] -P runcontained.cmake
cmake_minimum_required(VERSION 3.21)
file(REMOVE_RECURSE "${OUTSIDE}")
file(MAKE_DIRECTORY "${OUTSIDE}/deep")
file(WRITE "${OUTSIDE}/secret.lua" "SECRETWORD = is not a script\n")
get_filename_component(folder "${SCRIPT}" DIRECTORY)
if(NOT WIN32 AND NOT EXISTS "${folder}/link")
    file(CREATE_LINK "${OUTSIDE}/deep" "${folder}/link" SYMBOLIC)
endif()
file(GLOB_RECURSE before LIST_DIRECTORIES true "${OUTSIDE}/*")

# The script runs in OUTSIDE when a file name without a folder must be taken from there.
set(working_folder "${folder}")
if(INSIDE_OUTSIDE)
    set(working_folder "${OUTSIDE}")
endif()
separate_arguments(options UNIX_COMMAND "${OPTIONS}")
execute_process(COMMAND ${EMULATOR} "${TOOL}" run --safe ${options} "${SCRIPT}" ${CASE}
        "${OUTSIDE}" ${ANIMATION}
    WORKING_DIRECTORY "${working_folder}" INPUT_FILE "${OUTSIDE}/secret.lua"
    RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_VARIABLE output)
if(NOT status EQUAL STATUS)
    message(FATAL_ERROR "exit status ${status}, not ${STATUS}; stderr: ${errors}")
endif()
if(NOT errors MATCHES "${EXPECT}")
    message(FATAL_ERROR "stderr does not match '${EXPECT}': ${errors}")
endif()
if(errors MATCHES "SECRETWORD")
    message(FATAL_ERROR "a file outside was read: ${errors}")
endif()
file(GLOB_RECURSE after LIST_DIRECTORIES true "${OUTSIDE}/*")
if(NOT before STREQUAL after)
    message(FATAL_ERROR "the script changed ${OUTSIDE}: ${after}")
endif()
file(READ "${OUTSIDE}/secret.lua" secret)
if(NOT secret STREQUAL "SECRETWORD = is not a script\n")
    message(FATAL_ERROR "the script changed ${OUTSIDE}/secret.lua")
endif()
message(STATUS "ended as it should: ${errors}")
