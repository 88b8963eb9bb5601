# Runs the Windows build's command line (under Wine) and the Linux build's with the same seeded
# and decoding calls; their output must be the same bytes but for CR LF line ends on Windows.
# cmake -DWINDOWS_CLI=<schattwerk.exe> -DEMULATOR=<runner;args> -DLINUX_CLI=<schattwerk> -P ...
# $SCHATTWERK_CLI, when set, names the Linux build's instead.
if(DEFINED ENV{SCHATTWERK_CLI})
    set(LINUX_CLI "$ENV{SCHATTWERK_CLI}")
endif()
if(NOT EXISTS "${LINUX_CLI}")
    # CTest's SKIP_REGULAR_EXPRESSION matches this.
    message("The Linux build's command line is not there (${LINUX_CLI}): nothing to compare.")
    return()
endif()
set(calls
    "generate --seed 0 --count 3 --solution"
    "generate --seed 42 --count 2 --solution --json"
    "generate --seed 2147483647 --solution"
    "decode 74 34 55 22 86 60 47 21"
    "decode 74 34 55 22 86 60 47 21 --json")
foreach(shown IN LISTS calls)
    separate_arguments(arguments UNIX_COMMAND "${shown}")
    execute_process(COMMAND "${LINUX_CLI}" ${arguments} OUTPUT_VARIABLE linux RESULT_VARIABLE linux_code)
    # CMake reads a text without its CRs: the file's size tells whether each line had one.
    set(windows_file "${CMAKE_CURRENT_BINARY_DIR}/same-output-windows.txt")
    execute_process(COMMAND ${EMULATOR} "${WINDOWS_CLI}" ${arguments}
        OUTPUT_FILE "${windows_file}" RESULT_VARIABLE windows_code)
    file(READ "${windows_file}" windows)
    if(NOT linux_code EQUAL 0 OR NOT windows_code EQUAL 0 OR NOT windows STREQUAL linux)
        message(FATAL_ERROR "schattwerk ${shown}: Linux (${linux_code}) printed\n${linux}\n"
            "Windows (${windows_code}) printed\n${windows}")
    endif()
    file(SIZE "${windows_file}" windows_size)
    string(LENGTH "${windows}" text_size)
    string(REGEX MATCHALL "\n" line_ends "${windows}")
    list(LENGTH line_ends lines)
    math(EXPR with_crs "${text_size} + ${lines}")
    if(NOT windows_size EQUAL with_crs)
        message(FATAL_ERROR "schattwerk ${shown}: Windows lines do not all end in CR LF")
    endif()
endforeach()
