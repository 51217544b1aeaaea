# Run by CPack after it has built the package: a Debian package without a
# Depends field installs on machines that lack Qt and then fails to start.
# That happens when dpkg-shlibdeps (package dpkg-dev) is missing, and CPack
# only mentions it in passing; here it is an error, and the package is removed.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    execute_process(COMMAND dpkg-deb --field "${package}" Depends
        OUTPUT_VARIABLE depends OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result)
    if(NOT result EQUAL 0 OR depends STREQUAL "")
        file(REMOVE "${package}")
        message(FATAL_ERROR "${package} lists no dependencies: install dpkg-dev "
            "(it brings dpkg-shlibdeps) and build the package again.")
    endif()
endforeach()
