# Cross-compiles for 64-bit Windows with Debian's mingw-w64 in its posix-threads variant (the one
# with C++11 threads) and runs the built programs under Wine; used by the preset `windows`.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# Named directly, so the machine's choice of variant (update-alternatives) does not matter.
set(CMAKE_C_COMPILER /usr/bin/x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER /usr/bin/x86_64-w64-mingw32-windres)

# Every .exe stands alone: the GCC runtime, libstdc++ and winpthread linked in, so it needs no DLL
# beside it, only the system's.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Libraries and headers come from the mingw-w64 tree alone, never from the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The build machine's header-only packages (CLI11, nlohmann-json) serve any target. They are shown
# to find_package through a folder of links that holds them alone: their configurations name
# the include folder beside their own, and /usr/include itself would bring in the build
# machine's C headers ahead of mingw-w64's.
set(host_headers "${CMAKE_BINARY_DIR}/host-header-packages")
foreach(link include/CLI include/nlohmann share/cmake/CLI11 share/cmake/nlohmann_json)
    if(NOT IS_SYMLINK "${host_headers}/${link}")
        cmake_path(GET link PARENT_PATH folder)
        file(MAKE_DIRECTORY "${host_headers}/${folder}")
        file(CREATE_LINK "/usr/${link}" "${host_headers}/${link}" SYMBOLIC)
    endif()
endforeach()
list(APPEND CMAKE_FIND_ROOT_PATH "${host_headers}")

# CTest and test discovery run each program under Wine, in a Wine prefix of this build's own.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/run-in-wine.sh;${CMAKE_BINARY_DIR}/wine-prefix")
