# Warning flags shared by every target of the project; CI turns them into errors.
option(SCHATTWERK_WERROR "Treat compiler warnings as errors" OFF)

add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE -Wall -Wextra -Wpedantic
    $<$<BOOL:${SCHATTWERK_WERROR}>:-Werror>)
