# embed_version_block(<target>): gives an executable the program's version block, generated at
# build time by version_block_tool (src/platform) from the one version declaration (src/version)
# and placed in the executable's version section, where the platform layer finds it by path.
# Windows executables get none: that build has no platform layer, hence no tool.
function(embed_version_block target)
    if(WIN32)
        return()
    endif()
    set(source "${CMAKE_CURRENT_BINARY_DIR}/${target}_version_block.cpp")
    add_custom_command(
        OUTPUT "${source}"
        COMMAND version_block_tool source "$<TARGET_FILE_NAME:${target}>" "${source}"
        DEPENDS version_block_tool
        COMMENT "Generating the version block of ${target}"
        VERBATIM)
    target_sources(${target} PRIVATE "${source}")
endfunction()
