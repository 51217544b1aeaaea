# Run by CPack after it has built the NSIS installer: builds the Windows
# Installer package Wagelyn-<version>-win64.msi beside it with wixl, from
# the same staged (stripped and, with a certificate, signed) files, signs it
# like the installer, and writes its .sha256 file. CPack's own list of
# packages is closed by now, so the MSI is written straight to the package
# folder. Sets WAGELYN_MSI (its path) and WAGELYN_MSI_PRODUCT_CODE for the
# winget manifests.
if(NOT CPACK_GENERATOR STREQUAL "NSIS64")
    return()
endif()
find_program(WAGELYN_WIXL wixl)
find_program(WAGELYN_MSIBUILD msibuild)
if(NOT WAGELYN_WIXL OR NOT WAGELYN_MSIBUILD)
    message(FATAL_ERROR "The MSI is made with wixl and msibuild: install Debian's wixl and msitools "
        "(scripts/install-deps.sh --test does)")
endif()

# wixl takes its files by names relative to the .wxs: gather them in one folder.
set(stage "${CPACK_TOPLEVEL_DIRECTORY}/MSI")
file(REMOVE_RECURSE "${stage}")
file(COPY "${CPACK_TEMPORARY_DIRECTORY}/Wagelyn.exe" "${CPACK_TEMPORARY_DIRECTORY}/LICENSE.txt"
    "${CPACK_WAGELYN_MSI_WXS}" "${CPACK_WAGELYN_MSI_ICON}" DESTINATION "${stage}")
get_filename_component(wxs "${CPACK_WAGELYN_MSI_WXS}" NAME)

# A newer version replaces an older one only if it has a product code of its
# own; the same version always gets the same one. The package code names the
# package's contents, so two builds of the same files agree on it.
set(upgrade_code ${CPACK_WAGELYN_MSI_UPGRADE_CODE})
string(UUID WAGELYN_MSI_PRODUCT_CODE NAMESPACE ${upgrade_code} NAME "${CPACK_PACKAGE_VERSION}"
    TYPE SHA1 UPPER)
set(contents "${CPACK_PACKAGE_VERSION}")
foreach(file Wagelyn.exe LICENSE.txt ${wxs} wagelyn.ico)
    file(SHA256 "${stage}/${file}" digest)
    string(APPEND contents ";${digest}")
endforeach()
string(UUID package_code NAMESPACE ${upgrade_code} NAME "${contents}" TYPE SHA1 UPPER)

# wixl stamps the cabinet's files with their modification times and the
# package with the time of the build. With SOURCE_DATE_EPOCH set, both are
# that time (in UTC), so the same source gives the same MSI.
set(wixl_run ${CMAKE_COMMAND} -E env TZ=UTC)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    find_program(WAGELYN_FAKETIME faketime)
    if(NOT WAGELYN_FAKETIME)
        message(FATAL_ERROR "SOURCE_DATE_EPOCH is set, but faketime (Debian's faketime) is "
            "missing: the MSI would carry the time of the build")
    endif()
    string(TIMESTAMP build_time "%Y-%m-%d %H:%M:%S" UTC) # SOURCE_DATE_EPOCH, by CMake's rule
    file(GLOB staged "${stage}/*")
    execute_process(COMMAND touch -d "@$ENV{SOURCE_DATE_EPOCH}" ${staged} COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND wixl_run ${WAGELYN_FAKETIME} -f "${build_time}")
endif()

set(WAGELYN_MSI "${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi")
execute_process(
    COMMAND ${wixl_run} ${WAGELYN_WIXL} -a x64 -D Version=${CPACK_PACKAGE_VERSION}
        -D ProductCode=${WAGELYN_MSI_PRODUCT_CODE} -D UpgradeCode=${upgrade_code}
        -D "Manufacturer=${CPACK_PACKAGE_VENDOR}"
        -D HelpLink=${CPACK_WAGELYN_HOMEPAGE} -o "${WAGELYN_MSI}" ${wxs}
    WORKING_DIRECTORY "${stage}" COMMAND_ERROR_IS_FATAL ANY)
# wixl gives every build a random package code; msibuild sets this one
# (with the subject and author wixl gave) and leaves the times alone.
execute_process(
    COMMAND ${WAGELYN_MSIBUILD} "${WAGELYN_MSI}" -s Wagelyn "${CPACK_PACKAGE_VENDOR}" "x64;1033"
        "{${package_code}}"
    COMMAND_ERROR_IS_FATAL ANY)
if(CPACK_WAGELYN_SIGN_COMMAND)
    execute_process(COMMAND ${CPACK_WAGELYN_SIGN_COMMAND} "${WAGELYN_MSI}" COMMAND_ERROR_IS_FATAL ANY)
endif()

file(SHA256 "${WAGELYN_MSI}" digest)
get_filename_component(name "${WAGELYN_MSI}" NAME)
file(WRITE "${WAGELYN_MSI}.sha256" "${digest}  ${name}\n")
message(STATUS "- package: ${WAGELYN_MSI} generated.")
