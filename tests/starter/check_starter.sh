#!/usr/bin/env bash
# Checks the autorun files of the program folder: AUTORUN.INF byte for byte, and Start.exe as a 32-bit Windows GUI
# program that needs nothing but Windows' own libraries and carries the disc's icon.
set -euo pipefail
bin="$1"
objdump="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }

expected=$'[autorun]\r\nopen=Start.exe\r\nicon=Start.exe,0\r\n'
[ "$(cat "$bin/AUTORUN.INF"; echo x)" = "${expected}x" ] || fail "AUTORUN.INF is not the expected CR LF text"

exe="$bin/Start.exe"
[ -f "$exe" ] || fail "Start.exe is missing from $bin"
headers=$("$objdump" -p "$exe")
grep -q 'Magic.*PE32)' <<<"$headers" || fail "Start.exe is not a 32-bit PE image"
grep -q 'Subsystem.*Windows GUI' <<<"$headers" || fail "Start.exe would open a console window"
dlls=$(grep 'DLL Name:' <<<"$headers" | awk '{print toupper($3)}' | sort -u | tr '\n' ' ')
for dll in $dlls; do
    case "$dll" in
        KERNEL32.DLL|USER32.DLL|SHELL32.DLL|MSVCRT.DLL) ;;
        *) fail "Start.exe needs $dll, which a Windows machine does not have" ;;
    esac
done
grep -q 'SHELL32.DLL' <<<"$dlls" || fail "Start.exe does not call the shell to open the menu"
"$objdump" -h "$exe" | grep -q '\.rsrc' || fail "Start.exe has no resources (icon)"
strings -el "$exe" | grep -q 'Index.hta' || fail "Start.exe does not open Index.hta"
strings -el "$exe" | grep -q 'Index.htm$' || fail "Start.exe has no Index.htm fallback"
echo "Start.exe and AUTORUN.INF are as expected"
