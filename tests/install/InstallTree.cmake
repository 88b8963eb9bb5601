# Installs the build into a fresh staging folder as the Debian package does (prefix /usr,
# stripped), for the checks of the installed tree.
# Run with: cmake -DBUILD_DIR=<build folder> -DDESTDIR=<staging folder> -P InstallTree.cmake
file(REMOVE_RECURSE "${DESTDIR}")
set(ENV{DESTDIR} "${DESTDIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr --strip
    OUTPUT_QUIET
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Installing ${BUILD_DIR} into ${DESTDIR} failed: ${result}")
endif()
