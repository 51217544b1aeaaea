# Authenticode signing of Wagelyn.exe, its installer and its uninstaller, when
# a release's code-signing certificate is given at configure time:
# WAGELYN_SIGN_PKCS12 names its PKCS#12 file. The password stays in the
# environment (WAGELYN_SIGN_PASSWORD), read only when a file is signed, so no
# file of the build holds it. Without a certificate nothing is signed.
# Sets WAGELYN_SIGN_COMMAND: the command that signs the file named after it.
set(WAGELYN_SIGN_PKCS12 "$ENV{WAGELYN_SIGN_PKCS12}" CACHE FILEPATH
    "PKCS#12 file of the code-signing certificate (empty: nothing is signed)")
set(WAGELYN_SIGN_COMMAND "")
if(WAGELYN_SIGN_PKCS12)
    find_program(WAGELYN_OSSLSIGNCODE osslsigncode REQUIRED)
    # makensis signs from a folder of its own: a relative name would not be found.
    if(NOT IS_ABSOLUTE "${WAGELYN_SIGN_PKCS12}" OR NOT EXISTS "${WAGELYN_SIGN_PKCS12}")
        message(FATAL_ERROR "WAGELYN_SIGN_PKCS12 must name an existing file by its absolute "
            "path, not \"${WAGELYN_SIGN_PKCS12}\"")
    endif()
    if(NOT DEFINED ENV{WAGELYN_SIGN_PASSWORD})
        message(FATAL_ERROR "WAGELYN_SIGN_PKCS12 is given but WAGELYN_SIGN_PASSWORD is not set")
    endif()
    set(WAGELYN_SIGN_COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/sign.sh ${WAGELYN_OSSLSIGNCODE}
        ${WAGELYN_SIGN_PKCS12})
endif()
