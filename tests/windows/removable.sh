#!/usr/bin/env bash
# A drive letter that Wine declares removable stands for a USB stick: velmora.exe copy offers it, copies the menu
# onto it (read back file by file; the second time only the file that changed) and tells how its eject ended.
# velmora.exe burn with a stand-in xorriso.exe finds the drives it lists, or says plainly that there is none, and
# names xorriso.exe when there is no xorriso at all.
#   removable.sh WINE_RUN PROGRAM_FOLDER XORRISO_STANDIN
set -euo pipefail
trap 'echo "$(basename "$0"): stopped at line $LINENO" >&2' ERR
wine_run=$1
folder=$2
standin=$3
VELMORA_ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
source "$VELMORA_ROOT/tools/windows/common.sh"
source "$(dirname "$0")/test-menu.sh"
velmora_windows_wine_env
export VELMORA_WINE_SELF_CONTAINED=1
unset VELMORA_HOME WINEPATH
work="$(mktemp -d)"
letter=""
drives='HKLM\Software\Wine\Drives'
# Wine's drive manager reads the drive types when its server starts: the server is restarted after the letter is
# made and after it is gone, so no other test sees the stick. The new server, and Wine's own services that the
# first program after it starts, outlive this script: they are started here with no output attached, since ctest
# waits until the output of the test that started them is closed.
restart_wine() {
    wineserver64 -k 2>/dev/null || true
    wineserver64 -w 2>/dev/null || true
    wineserver64 -p 60 </dev/null >/dev/null 2>&1 || true
    wine64 cmd /c exit </dev/null >/dev/null 2>&1 || true
}
cleanup() {
    if [ -n "$letter" ]; then
        rm -f "$WINEPREFIX/dosdevices/$letter:"
        wine64 reg delete "$drives" /v "$letter:" /f >/dev/null 2>&1 || true
        restart_wine
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "removable drive: $*" >&2; exit 1; }
win() { printf 'Z:%s' "${1//\//\\}"; }
run() { "$wine_run" "$folder/velmora.exe" --home "$(win "$work/home")" "$@"; }
# Runs velmora.exe; its output (both streams) in $said, its exit code in $code.
try() { code=0; said=$(run "$@" 2>&1) || code=$?; }

for l in r s t u v w x y; do
    [ -e "$WINEPREFIX/dosdevices/$l:" ] || [ -L "$WINEPREFIX/dosdevices/$l:" ] || { letter=$l; break; }
done
[ -n "$letter" ] || fail "no free drive letter in $WINEPREFIX/dosdevices"
drive="${letter^^}:"
mkdir -p "$work/stick" "$work/home"
printf 'VELSTICK\n' >"$work/stick/.windows-label" # the label Wine gives the drive
ln -s "$work/stick" "$WINEPREFIX/dosdevices/$letter:"
wine64 reg add "$drives" /v "$letter:" /t REG_SZ /d floppy /f >/dev/null 2>&1
restart_wine

run list >/dev/null || fail "list failed"
windows_test_menu "$work/home/Velmora.dat" "$work/cd"
run build 1 >/dev/null || fail "build failed"

# Without --to, copy names the removable drives that --to can take; the fixed C: and Z: are not among them.
try copy 1
[ "$code" = 2 ] || fail "copy without --to ended with $code: $said"
[[ "$said" == *"Removable drives:"*"  $drive\\  VELSTICK ($drive\\, "*" GB free)"* ]] || fail "copy offered: $said"
[[ "$said" != *"  C:\\"* && "$said" != *"  Z:\\"* ]] || fail "copy offered a fixed drive: $said"

# Onto the stick: every file of the root as it is there, no temporary left, Wine's label file left alone.
try copy 1 --to "$drive\\"
[ "$code" = 0 ] || fail "copy ended with $code: $said"
[[ "$said" == *"Copied and verified: "*" files written, 0 unchanged, on $drive\\."* ]] || fail "copy said: $said"
[[ "$said" == *"Not part of the menu: .windows-label"* ]] || fail "copy did not name the label file: $said"
files=0
while IFS= read -r f; do
    cmp -s "$work/cd/$f" "$work/stick/$f" || fail "copy did not write $f as the root holds it"
    files=$((files + 1))
done < <(cd "$work/cd" && find . -type f | sed 's|^\./||')
[ "$(cd "$work/stick" && find . -type f ! -name .windows-label | wc -l)" = "$files" ] || fail "the stick holds other files"
[ -z "$(find "$work/stick" -name '.velmora-tmp-*')" ] || fail "copy left a temporary behind"

# A changed file, and only it, is written again, over its earlier copy.
printf 'MZ, a newer setup' >"$work/cd/Tools/setup.exe"
try copy 1 --to "$drive\\"
[ "$code" = 0 ] || fail "second copy ended with $code: $said"
[[ "$said" == *"Copied Tools/setup.exe"*"Copied and verified: 1 files written, $((files - 1)) unchanged"* ]] ||
    fail "second copy said: $said"
cmp -s "$work/cd/Tools/setup.exe" "$work/stick/Tools/setup.exe" || fail "the changed file was not copied"

# The eject: Wine's drives that stand for a folder take no request to dismount, which is said plainly.
try copy 1 --to "$drive\\" --eject
[ "$code" = 1 ] || fail "eject ended with $code: $said"
[[ "$said" == *"0 files written"*"The drive could not be ejected: it takes no such request."* ]] ||
    fail "eject said: $said"
mkdir -p "$work/elsewhere"
try copy 1 --to "$(win "$work/elsewhere")" --eject
[ "$code" = 1 ] && [[ "$said" == *"is not on a removable drive; there is nothing to eject."* ]] ||
    fail "eject of a fixed folder said: $said"

# Burning: no xorriso at all; then a stand-in xorriso.exe on the PATH that lists no drive, two, and one.
try burn 1
[ "$code" = 1 ] && [[ "$said" == *"Burning a disc needs xorriso.exe beside velmora.exe or on the PATH."* ]] ||
    fail "burn without xorriso ended with $code: $said"
mkdir -p "$work/bin"
cp "$standin" "$work/bin/xorriso.exe"
export WINEPATH="$(win "$work/bin")" VELMORA_STANDIN_DEVICES="$(win "$work/devices.txt")"
scan="Beginning to scan for devices ...
Full drive scan done.
-----------------------------------------------------------------------------"
printf '%s\n%s\n' "$scan" "-----------------------------------------------------------------------------" \
    >"$work/devices.txt"
try burn 1
[ "$code" = 2 ] && [[ "$said" == *"No disc burner was found."* ]] || fail "burn with no drive ended with $code: $said"
printf "%s\n0  -dev '/dev/sr0' rwrw-- :  'HL-DT-ST' 'DVDRAM GH24NSD1'\n1  -dev '/dev/sr1' rwrw-- :  'ASUS' 'BW-16D1HT'\n" \
    "$scan" >"$work/devices.txt"
try burn 1
[ "$code" = 2 ] && [[ "$said" == *"choose one with --drive:"*"/dev/sr0  HL-DT-ST DVDRAM GH24NSD1"*"/dev/sr1  ASUS BW-16D1HT"* ]] ||
    fail "burn with two drives ended with $code: $said"
printf "%s\n0  -dev '/dev/sr0' rwrw-- :  'HL-DT-ST' 'DVDRAM GH24NSD1'\n" "$scan" >"$work/devices.txt"
try burn 1
[ "$code" = 1 ] && [[ "$said" == *"The drive /dev/sr0 cannot be read. libburn : SORRY : No medium in drive '/dev/sr0'"* ]] ||
    fail "burn with one drive and no disc ended with $code: $said"
echo "The stick $drive was offered, copied onto and read back ($files files, then the one changed); its eject and" \
    "the burn's drive lists were told plainly."
