# Run by CPack after it has built a package: CPack writes each member of a
# .deb (debian-binary, control.tar.gz, data.tar.gz) with the mode its
# temporary file got from the builder's umask. Here each member's mode is
# 0644, whatever the umask: the header fields are text of fixed width, so
# they are rewritten in place.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    set(mode "${CPACK_TOPLEVEL_DIRECTORY}/deb_member_mode")
    file(WRITE "${mode}" "100644  ")
    file(SIZE "${package}" size)
    set(at 8) # after "!<arch>\n"
    while(at LESS size)
        # A 60-byte header: name, time, owner, group, mode at 40, size at 48.
        file(READ "${package}" header OFFSET ${at} LIMIT 60)
        string(SUBSTRING "${header}" 48 10 member_size)
        string(STRIP "${member_size}" member_size)
        math(EXPR mode_at "${at} + 40")
        execute_process(COMMAND dd "of=${package}" bs=1 seek=${mode_at} conv=notrunc status=none
            INPUT_FILE "${mode}" COMMAND_ERROR_IS_FATAL ANY)
        # The member, padded to an even length.
        math(EXPR at "${at} + 60 + ${member_size} + ${member_size} % 2")
    endwhile()
endforeach()
