# SPDX-License-Identifier: GPL-3.0-or-later
# Builds for the browser with Debian's Emscripten (package emscripten): give it as
# -DCMAKE_TOOLCHAIN_FILE with -DCOPPIA_QT_FREE_ONLY=ON; scripts/web-build does.

# Debian's em++ runs acorn, which Debian keeps among its node packages, when it optimises the
# JavaScript it writes: every compile and link is given the folder, whatever the environment.
set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
# The tests run under node. Node 20 has a fetch of its own, which the loader Emscripten 3.1.6
# writes would then take for the browser's and fail on a file path ("Failed to parse URL").
set(CMAKE_CROSSCOMPILING_EMULATOR node --no-experimental-fetch)

include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# C++ exceptions as WebAssembly's own: without them a throw, a refused model file's say, would
# pass every catch and reach the page as a bare number. The models need more than the 16 MB a
# module starts with.
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions")
# Optimised for size: a page downloads and compiles the core at every first visit, and the
# windows' models are mostly texts and branches, which gain little from -O3's inlining and grow.
set(CMAKE_CXX_FLAGS_RELEASE_INIT "-Os -DNDEBUG")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1")
