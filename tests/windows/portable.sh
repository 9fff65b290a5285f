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
source "$(dirname "$0")/test-menu.sh"

version=$(run --version)
[[ "$version" == "Velmora Wizard "* ]] || fail "--version said: $version"
run list >/dev/null || fail "list failed"
[ -f "$folder/Velmora.dat" ] || fail "list did not make Velmora.dat beside velmora.exe"

# A menu in the folder's own database, its CD root beside the folder.
windows_test_menu "$folder/Velmora.dat" "$work/cd"
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
