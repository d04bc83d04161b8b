# SPDX-License-Identifier: GPL-3.0-or-later
# The MinGW-w64 build of mingw-w64.cmake, with the Qt for Windows that scripts/windows-qt built
# and cached: give its folder as -DCOPPIA_WINDOWS_QT=... Qt's packages are then found there as
# the MinGW tree's own libraries are.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# CMake's checks (try_compile) read this file again in a project of their own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES COPPIA_WINDOWS_QT)
if(NOT COPPIA_WINDOWS_QT)
    message(FATAL_ERROR "Give the Qt for Windows as -DCOPPIA_WINDOWS_QT=<folder> (scripts/windows-qt)")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH ${COPPIA_WINDOWS_QT})
list(APPEND CMAKE_PREFIX_PATH ${COPPIA_WINDOWS_QT})
