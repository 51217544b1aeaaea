# Run by CPack after it has built a package: for the installer, writes the
# winget manifests (version, installer and default locale) into winget/ beside
# it, with the installer's SHA-256, which is known only now.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.exe$")
        continue()
    endif()
    get_filename_component(WINGET_INSTALLER_NAME "${package}" NAME)
    file(SHA256 "${package}" WINGET_INSTALLER_SHA256)
    string(TOUPPER "${WINGET_INSTALLER_SHA256}" WINGET_INSTALLER_SHA256)
    set(WINGET_ID "Wagelyn.Wagelyn")
    foreach(manifest "" .installer .locale.en-US)
        configure_file("${CPACK_WAGELYN_WINGET_DIR}/manifest${manifest}.yaml.in"
            "${CPACK_PACKAGE_DIRECTORY}/winget/${WINGET_ID}${manifest}.yaml" @ONLY)
    endforeach()
endforeach()
