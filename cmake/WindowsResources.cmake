# Windows: the program's icon (the one the desktop entry uses) and a version
# resource in both executables, so that Explorer, the taskbar and "Apps &
# features" show them. icotool (Debian's icoutils) makes the .ico from the PNG.
enable_language(RC)
find_program(RX20_ICOTOOL icotool REQUIRED)
set(RX20_ICON ${CMAKE_BINARY_DIR}/rx20-setting-tools.ico)
add_custom_command(OUTPUT ${RX20_ICON}
    COMMAND ${RX20_ICOTOOL} -c -o ${RX20_ICON} ${PROJECT_SOURCE_DIR}/packaging/rx20-setting-tools.png
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/rx20-setting-tools.png VERBATIM)
add_custom_target(rx20_icon DEPENDS ${RX20_ICON})

function(rx20_add_version_resource target description)
    set(RC_NAME ${target})
    set(RC_DESCRIPTION ${description})
    set(RC_ICON ${RX20_ICON})
    set(rc ${CMAKE_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${RX20_ICON})
    add_dependencies(${target} rx20_icon)
endfunction()

rx20_add_version_resource(rx20-setting-tools "RX20 Setting Tools: the settings files of an RX20 camera")
rx20_add_version_resource(rx20-config "rx20-config: write, show and check an RX20 camera's settings files")
