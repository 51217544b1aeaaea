# Run by CPack after it has built a package, and after msi.cmake: for the
# installer, writes the winget manifests (version, installer and default
# locale) into winget/ beside it, with the SHA-256 of the installer and of the
# MSI, which are known only now.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.exe$")
        continue()
    endif()
    get_filename_component(WINGET_INSTALLER_NAME "${package}" NAME)
    file(SHA256 "${package}" WINGET_INSTALLER_SHA256)
    string(TOUPPER "${WINGET_INSTALLER_SHA256}" WINGET_INSTALLER_SHA256)
    get_filename_component(WINGET_MSI_NAME "${WAGELYN_MSI}" NAME)
    file(SHA256 "${WAGELYN_MSI}" WINGET_MSI_SHA256)
    string(TOUPPER "${WINGET_MSI_SHA256}" WINGET_MSI_SHA256)
    set(WAGELYN_MSI_UPGRADE_CODE ${CPACK_WAGELYN_MSI_UPGRADE_CODE})
    set(WINGET_ID "Wagelyn.Wagelyn")
    foreach(manifest "" .installer .locale.en-US)
        configure_file("${CPACK_WAGELYN_WINGET_DIR}/manifest${manifest}.yaml.in"
            "${CPACK_PACKAGE_DIRECTORY}/winget/${WINGET_ID}${manifest}.yaml" @ONLY)
    endforeach()
endforeach()
