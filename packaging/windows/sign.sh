#!/bin/sh
# Signs one Windows executable in place with Authenticode (SHA-256).
# The certificate's password is read from WAGELYN_SIGN_PASSWORD and handed to
# osslsigncode through a pipe, so it shows on no command line. A timestamp
# server, if WAGELYN_SIGN_TIMESTAMP_URL names one, keeps the signature valid
# after the certificate expires.
#
#   sign.sh OSSLSIGNCODE PKCS12_FILE EXECUTABLE
set -eu
if [ -z "${WAGELYN_SIGN_PASSWORD+set}" ]; then
    echo "sign.sh: WAGELYN_SIGN_PASSWORD is not set; $3 stays unsigned" >&2
    exit 1
fi
set -- "$@" ${WAGELYN_SIGN_TIMESTAMP_URL:+-ts "$WAGELYN_SIGN_TIMESTAMP_URL"}
signer=$1 certificate=$2 file=$3
shift 3
printf '%s' "$WAGELYN_SIGN_PASSWORD" |
    "$signer" sign -pkcs12 "$certificate" -readpass /dev/stdin -h sha256 \
        -n Wagelyn -i https://wagelyn.github.io/ "$@" -in "$file" -out "$file.signed" >/dev/null
mv -f "$file.signed" "$file"
