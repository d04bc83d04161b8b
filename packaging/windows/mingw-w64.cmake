# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix): the
# posix flavour, whose std::thread and std::mutex the tests' threads need. Give it as
# -DCMAKE_TOOLCHAIN_FILE; scripts/windows-tests does.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(COPPIA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${COPPIA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${COPPIA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${COPPIA_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW tree only, never from the build machine's /usr;
# the programs the build runs (cmake's own tools, sh) are the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${COPPIA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests built for Windows run under Wine (Debian's wine starts a 64-bit program in wine64).
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
