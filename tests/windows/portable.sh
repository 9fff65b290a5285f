#!/usr/bin/env bash
# The portable folder: the zip unpacked into a scratch folder runs from there, without Qt's prefix, and keeps its
# data beside velmora.exe.
#   portable.sh WINE_RUN ZIP
set -euo pipefail
trap 'echo "$(basename "$0"): stopped at line $LINENO" >&2' ERR
wine_run=$1
zip=$2
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
folder=$(find "$work" -mindepth 1 -maxdepth 1 -type d)
export VELMORA_WINE_SELF_CONTAINED=1
unset VELMORA_HOME
run() { "$wine_run" "$folder/velmora.exe" "$@"; }
fail() { echo "portable folder: $*" >&2; exit 1; }

version=$(run --version)
[[ "$version" == "Velmora Wizard "* ]] || fail "--version said: $version"
run list >/dev/null || fail "list failed"
[ -f "$folder/Velmora.dat" ] || fail "list did not make Velmora.dat beside velmora.exe"

# A menu in the folder's own database, its CD root beside the folder.
mkdir -p "$work/cd/Tools"
printf 'MZ' >"$work/cd/Tools/setup.exe"
root="Z:$work/cd"
sqlite3 "$folder/Velmora.dat" "
  INSERT INTO tblStyles (StyleID,StyleName,BackColor,BackImage,SoundFile,LogoFile,LogoTop,LogoLeft,ButtonOnImage,
    ButtonOffImage,TitleFont,TitleColor,ButtonFont,ButtonColor,TextFont,TextColor,HyperFont,HyperColor,HyperColorA)
  VALUES (1,'Plain','16777215','none','none','none','0','0','none','none','Arial;14pt;bold','RGB(0,0,0)',
    'Arial;10pt;bold','RGB(0,0,0)','Arial;10pt;normal','RGB(0,0,0)','Arial;10pt;normal','RGB(0,0,255)','RGB(0,0,255)');
  INSERT INTO tblMenus (MenuID,Template,Title,StyleNo,Root) VALUES (1,'Modern','Über Menü',1,'${root//\//\\}');
  INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,Screenshot)
    VALUES (1,'Tools','Setup','Tools/setup.exe','Installs it','none');"
listed=$(run list)
[[ "$listed" == *"1: Über Menü"* ]] || fail "list said: $listed"
run build 1 >/dev/null || fail "build failed"
for f in Index.htm Index.hta AUTORUN.INF Start.exe Menu/Styles.css; do
    [ -f "$work/cd/$f" ] || fail "build wrote no $f"
done
checked=$(run check 1) || fail "check found problems: $checked"
[[ "$checked" == *"Image size:"* ]] || fail "check said: $checked"
# Copy to Drive onto a folder: every file of the root, read back, and the notice of how the menu opens there.
mkdir -p "$work/stick"
copied=$(run copy 1 --to "Z:${work//\//\\}\\stick") || fail "copy failed: $copied"
[[ "$copied" == *"Copied and verified"* ]] || fail "copy said: $copied"
for f in Index.htm Index.hta AUTORUN.INF Start.exe Menu/Styles.css Tools/setup.exe; do
    cmp -s "$work/cd/$f" "$work/stick/$f" || fail "copy did not write $f as the root holds it"
done
[ -z "$(find "$work/stick" -name '.velmora-tmp-*')" ] || fail "copy left a temporary behind"
echo "$version; list, build, check and copy ran from the unpacked folder, which holds Velmora.dat."
