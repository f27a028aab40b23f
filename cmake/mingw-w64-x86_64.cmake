# SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix, whose
# POSIX threads give std::thread and std::mutex). Programs built here run under Wine, which is how
# the tests and the build's own tools (the demo animation) run.
#
# The editor's libraries (Qt, giflib, libsndfile) come from scripts/build-windows-libraries: the
# folder in TESSA_WINDOWS_LIBRARIES, or the one that script built last. FFmpeg's libraries, which
# read movies and write MP4 and WebM, come likewise from scripts/build-windows-ffmpeg
# (TESSA_WINDOWS_FFMPEG); without them movie files are refused.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(DEFINED ENV{TESSA_WINDOWS_LIBRARIES})
    set(TESSA_WINDOWS_LIBRARIES "$ENV{TESSA_WINDOWS_LIBRARIES}")
elseif(DEFINED ENV{TESSA_WINDOWS_LIBRARIES_CACHE})
    set(TESSA_WINDOWS_LIBRARIES "$ENV{TESSA_WINDOWS_LIBRARIES_CACHE}/current")
elseif(DEFINED ENV{XDG_CACHE_HOME})
    set(TESSA_WINDOWS_LIBRARIES "$ENV{XDG_CACHE_HOME}/tessarine-studio/windows-libraries/current")
else()
    set(TESSA_WINDOWS_LIBRARIES "$ENV{HOME}/.cache/tessarine-studio/windows-libraries/current")
endif()
if(EXISTS "${TESSA_WINDOWS_LIBRARIES}/.complete")
    file(REAL_PATH "${TESSA_WINDOWS_LIBRARIES}" TESSA_WINDOWS_LIBRARIES)
else()
    set(TESSA_WINDOWS_LIBRARIES "")
endif()

if(DEFINED ENV{TESSA_WINDOWS_FFMPEG})
    set(TESSA_WINDOWS_FFMPEG "$ENV{TESSA_WINDOWS_FFMPEG}")
elseif(DEFINED ENV{TESSA_WINDOWS_FFMPEG_CACHE})
    set(TESSA_WINDOWS_FFMPEG "$ENV{TESSA_WINDOWS_FFMPEG_CACHE}/current")
elseif(DEFINED ENV{XDG_CACHE_HOME})
    set(TESSA_WINDOWS_FFMPEG "$ENV{XDG_CACHE_HOME}/tessarine-studio/windows-ffmpeg/current")
else()
    set(TESSA_WINDOWS_FFMPEG "$ENV{HOME}/.cache/tessarine-studio/windows-ffmpeg/current")
endif()
if(TESSA_WINDOWS_LIBRARIES AND EXISTS "${TESSA_WINDOWS_FFMPEG}/.complete")
    file(REAL_PATH "${TESSA_WINDOWS_FFMPEG}" TESSA_WINDOWS_FFMPEG)
else()
    set(TESSA_WINDOWS_FFMPEG "")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${TESSA_WINDOWS_LIBRARIES} ${TESSA_WINDOWS_FFMPEG})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
if(TESSA_WINDOWS_LIBRARIES)
    # Qt's moc, rcc and uic are the build machine's, of the same version.
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
    set(ENV{PKG_CONFIG_LIBDIR} "${TESSA_WINDOWS_LIBRARIES}/lib/pkgconfig")
    if(TESSA_WINDOWS_FFMPEG)
        set(ENV{PKG_CONFIG_LIBDIR} "$ENV{PKG_CONFIG_LIBDIR}:${TESSA_WINDOWS_FFMPEG}/lib/pkgconfig")
    endif()
    set(ENV{PKG_CONFIG_PATH} "")
endif()

# Programs run under Wine, finding Qt's, FFmpeg's and MinGW's DLLs and Qt's plugins.
find_program(TESSA_WINE_EXECUTABLE NAMES wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run
    "${TESSA_WINDOWS_LIBRARIES}:${TESSA_WINDOWS_FFMPEG}")

# With Qt the programs share MinGW's C++ runtime DLLs with Qt's, as one program must; without
# it the runtime goes into the programs, so that they need no DLLs beside them.
if(NOT TESSA_WINDOWS_LIBRARIES)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
endif()
