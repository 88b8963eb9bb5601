# embed_windows_resources(<target> [PROGRAM]): gives a Windows executable what the system and its
# shell read from the file beside the version resource, all in the program's language: the
# application manifest and the program icon as icon resource 128 (IdIcon, for Explorer, the
# taskbar and the shortcut), and with PROGRAM the program's own resources (dialog templates, menu,
# accelerator tables, string table), written from their tables by resource_script_tool (src/app).
# The icon file is made at build time by the target program_icon (src/app); elsewhere the function
# does nothing.
set(SCHATTWERK_ICON_FILE "${PROJECT_BINARY_DIR}/schattwerk.ico")

function(embed_windows_resources target)
    if(NOT WIN32)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 1 arg "PROGRAM" "" "")
    set(kind shell)
    if(arg_PROGRAM)
        set(kind program)
    endif()
    set(manifest "${PROJECT_SOURCE_DIR}/src/app/Application.manifest")
    set(script "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.rc")
    add_custom_command(
        OUTPUT "${script}"
        COMMAND resource_script_tool ${kind} "${script}" "${SCHATTWERK_ICON_FILE}" "${manifest}"
        DEPENDS resource_script_tool
        COMMENT "Writing the resource script of ${target}"
        VERBATIM)
    target_sources(${target} PRIVATE "${script}")
    set_source_files_properties("${script}" PROPERTIES
        OBJECT_DEPENDS "${SCHATTWERK_ICON_FILE};${manifest}")
    add_dependencies(${target} program_icon)
endfunction()
