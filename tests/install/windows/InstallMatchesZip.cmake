# The program folder that `cmake --install` of the Windows build gives is the one the portable zip
# holds, file for file and byte for byte.
# Run with:
#   cmake -DBUILD_DIR=<build folder> -DZIP=<zip> -DWORK=<scratch folder> -P InstallMatchesZip.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/zip")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${WORK}/installed"
    OUTPUT_QUIET
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Installing ${BUILD_DIR} failed: ${result}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xf "${ZIP}"
    WORKING_DIRECTORY "${WORK}/zip"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Unpacking ${ZIP} failed: ${result}")
endif()

file(GLOB_RECURSE installed RELATIVE "${WORK}/installed" "${WORK}/installed/*")
file(GLOB_RECURSE zipped RELATIVE "${WORK}/zip" "${WORK}/zip/*")
list(SORT installed)
list(SORT zipped)
if(NOT installed STREQUAL zipped)
    message(FATAL_ERROR "Installed: ${installed}\nIn the zip: ${zipped}")
endif()
foreach(file IN LISTS installed)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
            "${WORK}/installed/${file}" "${WORK}/zip/${file}"
        RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "${file} differs from the zip's")
    endif()
endforeach()
