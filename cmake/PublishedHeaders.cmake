# publish_headers(<library> [INTERNAL <header>...]): what other targets may include of a library.
# The headers of the library's own folder are linked into a tree in the build folder whose root
# is the library's one public include directory, so a target reaches only the headers of the
# libraries it links, and never a header in a backend subfolder. Those, and the folder's INTERNAL
# headers, go into a second tree, which the library uses itself and publishes through the
# interface target <library>_internals: linked on purpose by its sibling platform libraries, by
# the tests' seams and by the build tools that write a backend's formats, never by the program's
# own layers.
function(publish_headers library)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" INTERNAL)
    file(GLOB public CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    file(GLOB_RECURSE internal CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*/*.h")
    foreach(header IN LISTS arg_INTERNAL)
        set(path "${CMAKE_CURRENT_SOURCE_DIR}/${header}")
        list(REMOVE_ITEM public "${path}")
        list(APPEND internal "${path}")
    endforeach()

    set(root "${PROJECT_BINARY_DIR}/headers/${library}")
    link_headers("${root}" ${public})
    target_include_directories(${library} PUBLIC "${root}")
    if(internal)
        link_headers("${root}_internals" ${internal})
        add_library(${library}_internals INTERFACE)
        target_include_directories(${library}_internals INTERFACE "${root}_internals")
        target_link_libraries(${library} PRIVATE ${library}_internals)
    endif()
endfunction()

# A fresh tree of symbolic links at <root>, one per header, at its path under src/: the includes
# read "platform/window/Dialog.h" wherever they are, and a header dropped leaves no link behind.
function(link_headers root)
    file(REMOVE_RECURSE "${root}")
    foreach(header IN LISTS ARGN)
        file(RELATIVE_PATH relative "${PROJECT_SOURCE_DIR}/src" "${header}")
        get_filename_component(folder "${root}/${relative}" DIRECTORY)
        file(MAKE_DIRECTORY "${folder}")
        file(CREATE_LINK "${header}" "${root}/${relative}" SYMBOLIC)
    endforeach()
endfunction()
