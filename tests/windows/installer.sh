#!/usr/bin/env bash
# The installer's round trip under Wine: a silent install for every user, the program from the installed folder
# with its data under %APPDATA%, then a silent uninstall that removes every installed file and leaves the data.
#   installer.sh WINE_RUN SETUP_EXE
set -euo pipefail
trap 'echo "$(basename "$0"): stopped at line $LINENO" >&2' ERR
wine_run=$1
setup=$2
export VELMORA_WINE_SELF_CONTAINED=1
unset VELMORA_HOME
fail() { echo "installer: $*" >&2; exit 1; }
prefix="${VELMORA_WINEPREFIX:-$(cd "$(dirname "$setup")" && pwd)/wine}"
installed="$prefix/drive_c/Program Files/Velmora"
appdata=$(find "$prefix/drive_c/users" -mindepth 3 -maxdepth 3 -type d -path '*/AppData/Roaming' ! -path '*/Public/*' | head -n 1)
menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora Wizard.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
rm -rf "$appdata/Velmora"

"$wine_run" "$setup" /S || fail "setup.exe /S failed"
[ -f "$installed/velmora.exe" ] || fail "nothing installed in $installed"
[ -f "$installed/Uninstall.exe" ] || fail "no uninstaller"
[ -f "$menu" ] || fail "no Start menu entry"
entry=$("$wine_run" reg query "$key" 2>/dev/null | tr -d '\r')
for value in "DisplayVersion" "Publisher" "EstimatedSize" "UninstallString"; do
    [[ "$entry" == *"$value"* ]] || fail "the installed programs' entry has no $value: $entry"
done
files=$(cd "$installed" && find . -type f | wc -l)

version=$("$wine_run" "$installed/velmora.exe" --version)
[[ "$version" == "Velmora Wizard "* ]] || fail "--version said: $version"
"$wine_run" "$installed/velmora.exe" list >/dev/null || fail "list failed"
[ -f "$appdata/Velmora/Velmora.dat" ] || fail "the installed program kept no Velmora.dat in %APPDATA%\\Velmora"
[ ! -e "$installed/Velmora.dat" ] || fail "the installed program wrote Velmora.dat into its own folder"

# The uninstaller runs a copy of itself from the temporary folder and returns at once: wait for it to finish.
"$wine_run" "$installed/Uninstall.exe" /S || fail "Uninstall.exe /S failed"
for _ in $(seq 1 120); do
    [ -e "$installed" ] || break
    sleep 0.5
done
[ ! -e "$installed" ] || fail "left behind: $(cd "$installed" && find . | head)"
[ ! -e "$menu" ] || fail "the Start menu entry is still there"
! "$wine_run" reg query "$key" >/dev/null 2>&1 || fail "the installed programs' entry is still there"
[ -f "$appdata/Velmora/Velmora.dat" ] || fail "uninstalling removed the user's data"
echo "$version installed ($files files), ran with its data in %APPDATA%\\Velmora, and was removed; the data stayed."
