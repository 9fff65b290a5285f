#!/usr/bin/env bash
# The real window: velmora.exe from the program folder under Wine, with Qt's windows platform on a virtual X display,
# shows its first page. The window must be mapped and carry the program's title, as on Linux; a screenshot of the
# display is kept as SHOT.xwd.
#   window.sh WINE_RUN PROGRAM_FOLDER SHOT
set -euo pipefail
trap 'echo "$(basename "$0"): stopped at line $LINENO" >&2' ERR
wine_run=$1
folder=$2
shot=$3
title="  Velmora Wizard" # as the Linux window's, two blanks first
work="$(mktemp -d)"
export VELMORA_WINE_SELF_CONTAINED=1
unset QT_QPA_PLATFORM
export PATH="/usr/lib/wine:$PATH"
fail() { echo "window: $*" >&2; exit 1; }

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    wineserver64 -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 1 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.2; done
# Windows of the windows platform need a wineserver started under this display.
WINEPREFIX="${VELMORA_WINEPREFIX:-$(dirname "$shot")/../wine}" wineserver64 -k 2>/dev/null || true
"$wine_run" "$folder/velmora.exe" --home "Z:${work//\//\\}" >"$work/out.txt" 2>&1 &

for _ in $(seq 1 120); do
    if xwininfo -name "$title" >"$work/info.txt" 2>/dev/null && grep -q 'Map State: IsViewable' "$work/info.txt"; then
        break
    fi
    sleep 0.5
done
grep -q 'Map State: IsViewable' "$work/info.txt" 2>/dev/null || {
    xwininfo -root -tree >&2 || true
    cat "$work/out.txt" >&2
    fail "no mapped window titled \"$title\""
}
sleep 3 # the first page paints
xwd -root -silent >"$shot.xwd"
size=$(sed -n 's/^ *Width: \([0-9]*\)$/\1/p; s/^ *Height: \([0-9]*\)$/\1/p' "$work/info.txt" | paste -sd x)
echo "The window \"$title\" is mapped ($size); screenshot in $shot.xwd."
