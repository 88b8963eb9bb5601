# Where the installed files go. On Linux the program keeps a folder of its own, with its help pages
# linked in beside it, because it looks for help/ beside its real file; bin/ links to it. On
# Windows the prefix is the program folder that the installer and the zip hold: both programs,
# with help\ beside them.
include(GNUInstallDirs)

set(SCHATTWERK_PACKAGE_NAME "schattwerk-generator")
# One reverse-DNS id names the desktop entry, the metainfo and the icons; the program gives Qt the
# same id as its desktop file name, so the desktop matches its window to the entry.
set(SCHATTWERK_APPLICATION_ID "de.qelmar.SchattwerkGenerator")

if(WIN32)
    set(SCHATTWERK_INSTALL_PROGRAM_DIR ".")
    set(SCHATTWERK_INSTALL_COMMAND_DIR ".")
    set(SCHATTWERK_INSTALL_HELP_DIR "help")
else()
    set(SCHATTWERK_INSTALL_PROGRAM_DIR "${CMAKE_INSTALL_LIBEXECDIR}/${SCHATTWERK_PACKAGE_NAME}")
    set(SCHATTWERK_INSTALL_COMMAND_DIR "${CMAKE_INSTALL_BINDIR}")
    set(SCHATTWERK_INSTALL_HELP_DIR "${CMAKE_INSTALL_DATADIR}/${SCHATTWERK_PACKAGE_NAME}/help")
endif()
set(SCHATTWERK_INSTALL_DOC_DIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/${SCHATTWERK_PACKAGE_NAME}")
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# install_link(<link> <target>): installs the symbolic link <link> to <target>, both paths under
# the installation prefix. The link is relative, so the installed tree works wherever it lands.
function(install_link link target)
    cmake_path(ABSOLUTE_PATH link BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE link_path)
    cmake_path(ABSOLUTE_PATH target BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
        OUTPUT_VARIABLE target_path)
    cmake_path(GET link_path PARENT_PATH link_dir)
    cmake_path(RELATIVE_PATH target_path BASE_DIRECTORY "${link_dir}" OUTPUT_VARIABLE relative)

    set(staged "${PROJECT_BINARY_DIR}/install-links/${link}")
    cmake_path(GET staged PARENT_PATH staged_dir)
    file(MAKE_DIRECTORY "${staged_dir}")
    file(CREATE_LINK "${relative}" "${staged}" SYMBOLIC)
    cmake_path(GET link PARENT_PATH destination)
    install(FILES "${staged}" DESTINATION "${destination}")
endfunction()

# The Windows installer's upgrade code: the same for every version, so that a newer installer
# replaces an older installation. Never change it.
set(SCHATTWERK_WINDOWS_UPGRADE_CODE "28930534-56D5-41B5-8628-B020C94510D4")
