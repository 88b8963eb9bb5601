# The same commit builds the same bytes wherever and whenever it is built. Compilers write no
# build machine's folders into what they make, Windows executables carry no link time, and every
# time stamp that a package holds is SCHATTWERK_SOURCE_DATE_EPOCH: SOURCE_DATE_EPOCH when the
# environment sets it, else the date of the commit SCHATTWERK_SOURCE_COMMIT, which also names
# the Windows installer's product.
set(SCHATTWERK_SOURCE_COMMIT "" CACHE STRING
    "The commit the sources come from, for a build outside a git clone (else the clone's HEAD)")

execute_process(
    COMMAND git log -1 --format=%H%n%ct
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
    OUTPUT_VARIABLE head
    OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE no_history
    ERROR_QUIET)
if(NOT no_history)
    string(REPLACE "\n" ";" head "${head}")
    list(GET head 0 head_commit)
    list(GET head 1 head_date)
    if(NOT SCHATTWERK_SOURCE_COMMIT)
        set(SCHATTWERK_SOURCE_COMMIT "${head_commit}")
    endif()
    # A new commit or checkout configures again, so the values follow HEAD.
    execute_process(
        COMMAND git rev-parse --path-format=absolute --git-path logs/HEAD
        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
        OUTPUT_VARIABLE head_log
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(EXISTS "${head_log}")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${head_log}")
    endif()
endif()

if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(SCHATTWERK_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
elseif(DEFINED head_date)
    set(SCHATTWERK_SOURCE_DATE_EPOCH "${head_date}")
else()
    message(FATAL_ERROR "The sources are no git clone: set SOURCE_DATE_EPOCH to the date of "
        "their commit (seconds since 1970), which every time stamp of the build takes")
endif()

# The source folder becomes "." and the build folder "build", wherever they are: the later map
# is tried first, so the build folder keeps its own name when it lies in the source folder.
add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}=."
    "-ffile-prefix-map=${PROJECT_BINARY_DIR}=build")
if(WIN32)
    add_link_options(LINKER:--no-insert-timestamp)
endif()
