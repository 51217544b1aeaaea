#!/usr/bin/env bash
# A release signed with a code-signing certificate: a throwaway self-signed
# one, made here and given at configure time, signs Wagelyn.exe, the installer,
# the MSI and the uninstaller the installer puts in place (installed under
# Wine); osslsigncode verifies each against that certificate. Exit 77 (skipped)
# where openssl, osslsigncode, NSIS, wixl, mingw-w64 or Wine is missing.
#
#   run_signing.sh SOURCE_DIR WORK_PARENT_DIR
set -euo pipefail
source "$(dirname "$0")/../support/wine.sh"
wine_test_session --no-display --in "$2" openssl osslsigncode makensis wixl msibuild cmake cpack \
    python3 x86_64-w64-mingw32-g++

export WAGELYN_SIGN_PKCS12=$work/signer.p12 WAGELYN_SIGN_PASSWORD="throwaway $RANDOM$RANDOM"
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Wagelyn test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/signer.key" -out "$work/signer.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/signer.key" -in "$work/signer.pem" -out "$WAGELYN_SIGN_PKCS12" \
    -passout env:WAGELYN_SIGN_PASSWORD

# Only the program: the release has no tests to build.
quietly "$work/log" cmake -S "$1" --preset windows -B "$work/build" -DBUILD_TESTING=OFF \
    -DWAGELYN_BENCHMARKS=OFF || exit 1
quietly "$work/log" cmake --build "$work/build" || exit 1
quietly "$work/log" cpack --config "$work/build/CPackConfig.cmake" -B "$work/packages" || exit 1
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$work/build/CPackConfig.cmake")
installer="$work/packages/Wagelyn-$version-win64.exe"
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extract(sys.argv[2], sys.argv[3])' \
    "$work/packages/Wagelyn-$version-win64.zip" "Wagelyn-$version-win64/Wagelyn.exe" "$work/archive"

wine "$installer" /S /CurrentUser </dev/null
folder=$(winepath -u "$(wine cmd /c echo '%LOCALAPPDATA%\Programs\Wagelyn' </dev/null | tr -d '\r')")

signed() {
    osslsigncode verify -CAfile "$work/signer.pem" -in "$1" >"$work/verify.log" 2>&1 &&
        grep -q '^Signature verification: ok' "$work/verify.log" ||
        { sed 's/^/    /' "$work/verify.log" >&2; false; }
}
while IFS='|' read -r what file; do
    check "$what is signed by the given certificate" signed "$file"
done <<EOF_FILES
the installer|$installer
the MSI|$work/packages/Wagelyn-$version-win64.msi
Wagelyn.exe in the archive|$work/archive/Wagelyn-$version-win64/Wagelyn.exe
the installed Wagelyn.exe|$folder/Wagelyn.exe
the uninstaller it installs|$folder/Uninstall.exe
EOF_FILES
check "the certificate's password is in no file of the build or the packing" \
    sh -c '! grep -rqF "$1" "$2" "$3"' sh "$WAGELYN_SIGN_PASSWORD" "$work/build" "$work/packages"
report "signed release"
