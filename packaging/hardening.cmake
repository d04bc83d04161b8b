# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening for the program as users get it (stack protector, fortified functions,
# read-only relocations bound at start, position-independent executable), taken from
# dpkg-buildflags as Debian's own packages take it. dpkg-buildflags runs in the source root, as in
# a Debian build, so that its -ffile-prefix-map makes the paths in the binary relative to it.
# The build type keeps the choice of optimisation and debug information (bench/ builds with -O3).
# A Debug build would only warn that fortified functions need optimisation, and the sanitizers
# bring checks of their own, so those builds go without.
# dpkg-buildflags speaks for Debian's own programs: a Windows build (MinGW) takes none of its
# flags, whose linker options (-z relro, -z now) a PE file does not know.
# Nor does a WebAssembly build, which has no stack to protect nor relocations to bind.
option(COPPIA_HARDENING "Build with Debian's hardening flags (dpkg-buildflags, hardening=+all)" ON)
if(COPPIA_HARDENING AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug" AND NOT COPPIA_SANITIZE
   AND NOT COPPIA_FUZZ AND NOT WIN32 AND NOT EMSCRIPTEN)
    find_program(COPPIA_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${COPPIA_DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
            COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(O.*|g)$")
        if(kind STREQUAL "LDFLAGS")
            add_link_options(${flags})
        else()
            add_compile_options(${flags})
        endif()
        message(STATUS "Hardening ${kind}: ${flags}")
    endforeach()
endif()
