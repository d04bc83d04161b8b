# SPDX-License-Identifier: GPL-3.0-or-later
# What Windows reads from a program's resources: its icon (every size, from the same drawing as
# on Linux), its version information (Explorer's Properties, the installer) and its manifest.
function(coppia_windows_resources target)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    string(REPLACE "." "," COPPIA_VERSION_COMMAS "${PROJECT_VERSION}.0")
    set(COPPIA_ICON ${PROJECT_SOURCE_DIR}/ui/pictures/WindowIcon-windows.ico)
    set(COPPIA_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/coppia.exe.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/coppia.exe.manifest.in
                   ${COPPIA_MANIFEST} @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/coppia.rc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/coppia.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/coppia.rc)
    set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/coppia.rc APPEND PROPERTY OBJECT_DEPENDS
                 ${COPPIA_ICON} ${COPPIA_MANIFEST})
endfunction()
