#!/usr/bin/env bash
# Compiles the generated version record into a small Windows executable with
# mingw-w64 and reads every field back. Exit 77 (skipped) without mingw-w64.
#
#   check_version_record.sh GENERATED_VERSION_RC
set -euo pipefail
rc=$1
source "$(dirname "$0")/../support/harness.sh"
require_tools x86_64-w64-mingw32-windres x86_64-w64-mingw32-g++ strings
private_work version

x86_64-w64-mingw32-windres "$rc" -O coff -o "$work/version.o"
printf 'int main() { return 0; }\n' >"$work/main.cpp"
x86_64-w64-mingw32-g++ -static "$work/main.cpp" "$work/version.o" -o "$work/Wagelyn.exe"
strings -el "$work/Wagelyn.exe" >"$work/strings.txt"

value_is() {  # the value stands right after its name in the string table
    grep -A1 -x "$1" "$work/strings.txt" | tail -n 1 | grep -qx "$2"
}
for field in ProductName=Wagelyn InternalName=Wagelyn OriginalFilename=Wagelyn.exe \
    FileVersion=1.00 ProductVersion=1.00 "CompanyName=The Wagelyn developers"; do
    check "${field%%=*} is \"${field#*=}\"" value_is "${field%%=*}" "${field#*=}"
done
check "a 040904B0 string table" grep -qx 040904B0 "$work/strings.txt"

# VS_FIXEDFILEINFO, little-endian: its signature, its own version, then file
# and product version as (major << 16 | minor, 0 << 16 | revision): 1.0.0.0.
fixed_is_1000() {
    od -An -tx1 -v "$work/Wagelyn.exe" | tr -d ' \n' |
        grep -q 'bd04effe''00000100''00000100''00000000''00000100''00000000'
}
check "numeric file and product version 1.0.0.0" fixed_is_1000
has_icon() { x86_64-w64-mingw32-objdump -h "$work/Wagelyn.exe" | grep -q '\.rsrc'; }
check "a resource section with the icon" has_icon

report "version record"
