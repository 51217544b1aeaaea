# Run by CPack after it has built a package: the portable archive records
# the files' owner as root, not as whoever built it (see archive_owner.py).
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.zip$")
        continue()
    endif()
    if(NOT CPACK_WAGELYN_PYTHON)
        message(WARNING "python3 is missing: ${package} records the builder's user and group, "
            "so it differs from the same archive built by another user.")
        continue()
    endif()
    execute_process(COMMAND "${CPACK_WAGELYN_PYTHON}" "${CPACK_WAGELYN_WINDOWS_DIR}/archive_owner.py"
        "${package}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
