# embed_version_block(<target>): gives an executable the program's version block, generated at
# build time by version_block_tool (src/platform/module) from the one version declaration
# (src/version). On Linux it lies in the executable's version section, where the platform layer
# finds it by path; on Windows windres makes it the executable's VERSIONINFO resource, which the
# version API reads. A cross build runs the tool through CMAKE_CROSSCOMPILING_EMULATOR.
function(embed_version_block target)
    if(WIN32)
        set(format rc)
        set(source "${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc")
    else()
        set(format source)
        set(source "${CMAKE_CURRENT_BINARY_DIR}/${target}_version_block.cpp")
    endif()
    add_custom_command(
        OUTPUT "${source}"
        COMMAND version_block_tool ${format} "$<TARGET_FILE_NAME:${target}>" "${source}"
        DEPENDS version_block_tool
        COMMENT "Generating the version block of ${target}"
        VERBATIM)
    target_sources(${target} PRIVATE "${source}")
endfunction()
