#!/usr/bin/env bash
# Print from Wagelyn.exe under Wine to the private print server's PDF
# printer (run inside tests/print/private_cups.sh, which exports CUPS_SERVER
# and WAGELYN_PRINT_OUT): one press gives one one-page PDF that shows the
# window as it was on the screen, its text in fonts.
#
#   run_print.sh WINDOWS_BUILD_DIR PRINTOUT_MATCHES
set -euo pipefail
build=$1
matches=$2
source "$(dirname "$0")/../support/wine.sh"
# Inside the print server's reach: Wine lists its printers.
wine_test_session pdfinfo pdftoppm pdfimages pdffonts lpstat

wine "$build/tests/ui/win32/drive_wagelyn.exe" "$(winepath -w "$build/Wagelyn.exe")" \
    "$(winepath -w "$build/tests/platform/windows/marker.exe")" print \
    "$(winepath -w "$work/window.bmp")" </dev/null

# The PDF is complete only once its job is.
completed() { [ -n "$(lpstat -W completed -o)" ]; }
wait_until 300 completed || true
pdfs=("$WAGELYN_PRINT_OUT"/*.pdf)
check "one PDF arrived" test "${#pdfs[@]}" -eq 1 -a -s "${pdfs[0]}"
pdfinfo "${pdfs[0]}" >"$work/info"
check "one page" grep -Eq '^Pages: +1$' "$work/info"
grep -E '^Page size' "$work/info"
pdftoppm -r 60 -png -singlefile "${pdfs[0]}" "$work/page"
check "the page shows the window, drawn in fonts" "$matches" "$work/page.png" "$work/window.bmp" \
    "${pdfs[0]}"
report "print under Wine"
