# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a script that must fail and checks how: exit status 1, an error on stderr that matches
# EXPECT, and the animation FILE (a copy of ORIGINAL made here) unchanged and without a backup.
#   cmake -DTOOL=... [-DEMULATOR=...] -DSCRIPT=... -DCASE=... -DORIGINAL=... -DFILE=...
#         -DEXPECT=regex -P runfailing.cmake
cmake_minimum_required(VERSION 3.21)
file(REMOVE "${FILE}" "${FILE}.bak")
configure_file("${ORIGINAL}" "${FILE}" COPYONLY)
file(SHA256 "${FILE}" before)
execute_process(COMMAND ${EMULATOR} "${TOOL}" run "${SCRIPT}" ${CASE} "${FILE}"
    RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_VARIABLE output)
if(NOT status EQUAL 1)
    message(FATAL_ERROR "exit status ${status}, not 1; stderr: ${errors}")
endif()
if(NOT errors MATCHES "${EXPECT}")
    message(FATAL_ERROR "stderr does not match '${EXPECT}': ${errors}")
endif()
file(SHA256 "${FILE}" after)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "the failed script changed ${FILE}")
endif()
if(EXISTS "${FILE}.bak")
    message(FATAL_ERROR "the failed script left ${FILE}.bak")
endif()
message(STATUS "failed as it should: ${errors}")
