# Run by cpack after it packs: gives the members of each Debian package (an ar archive of
# debian-binary, control.tar.gz and data.tar.gz) mode 100644, which CPack otherwise takes from
# its temporary files and so from the umask of whoever builds. Every field of an ar member's
# 60-byte header is text of fixed width: the mode is 8 bytes at 40, the size 10 bytes at 48.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    file(SIZE "${package}" package_size)
    set(offset 8)
    while(offset LESS package_size)
        file(READ "${package}" header OFFSET ${offset} LIMIT 60)
        string(SUBSTRING "${header}" 48 10 member_size)
        string(STRIP "${member_size}" member_size)
        math(EXPR mode_offset "${offset} + 40")
        execute_process(
            COMMAND printf "%-8s" 100644
            COMMAND dd "of=${package}" bs=1 seek=${mode_offset} conv=notrunc status=none
            COMMAND_ERROR_IS_FATAL ANY)
        # Members start at even offsets.
        math(EXPR offset "${offset} + 60 + ${member_size} + ${member_size} % 2")
    endwhile()
endforeach()
