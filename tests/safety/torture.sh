#!/bin/sh
# Kills `velmora build` of a large menu at random moments. After every kill Index.htm must be either the page of
# the earlier build or the page of the new one, whole; after the next complete build no temporary file may stay.
# Usage: torture.sh VELMORA [ROUNDS]
set -eu
velmora=$1
rounds=${2:-20}
command -v sqlite3 >/dev/null || { echo "the sqlite3 shell is not installed; skipped"; exit 0; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/home" "$work/cd"
# The program folder is the executable's folder: a copy with autorun files of its own.
mkdir "$work/bin"
cp "$velmora" "$work/bin/velmora"
printf '[autorun]\r\nopen=Start.exe\r\n' >"$work/bin/AUTORUN.INF"
printf 'MZ starter' >"$work/bin/Start.exe"
"$work/bin/velmora" --home "$work/home" list >/dev/null

# Two titles of one menu of 100000 entries: each build writes one of two known pages of several megabytes.
sqlite3 "$work/home/Velmora.dat" <<SQL
INSERT INTO tblStyles (StyleName, BackColor, BackImage, Soundfile, Logofile, LogoTop, LogoLeft, ButtonOnImage,
  ButtonOffImage, TitleFont, TitleColor, ButtonFont, ButtonColor, TextFont, TextColor, HyperFont, HyperColor,
  HyperColorA) VALUES ('Plain', '16777215 ', 'none', 'none', 'none', '0', '0', 'none', 'none', 'Arial;14pt;bold',
  'RGB(192,192,192)', 'Arial;10pt;bold', 'RGB(192,192,192)', 'Arial;10pt;normal', 'RGB(192,192,192)',
  'Arial;10pt;normal', 'RGB(192,192,192)', 'RGB(17,207,255)');
INSERT INTO tblMenus (Template, Title, StyleNo, Root) VALUES ('Standard', 'Old', 1, '$work/cd');
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)
INSERT INTO tblDetails (MenuNo, Category, FileName, FileLink, Description, Screenshot)
SELECT 1, 'Group ' || (i % 7), 'Entry ' || i, 'files/entry' || i || '.exe', 'About entry ' || i, 'none' FROM n;
SQL

build() { "$work/bin/velmora" --home "$work/home" build 1 >/dev/null; }
title() { sqlite3 "$work/home/Velmora.dat" "UPDATE tblMenus SET Title='$1' WHERE MenuID=1"; }
hash() { sha256sum "$1" | cut -d' ' -f1; }

title New; build; new=$(hash "$work/cd/Index.htm")
title Old; build; old=$(hash "$work/cd/Index.htm")
[ "$old" != "$new" ] || { echo "the two pages should differ"; exit 1; }
start=$(date +%s%N); build; took=$((($(date +%s%N) - start) / 1000000))

failures=0
interrupted=0 # kills that caught a file half-written
i=0
while [ "$i" -lt "$rounds" ]; do
    i=$((i + 1))
    [ $((i % 2)) -eq 0 ] && title Old || title New
    "$work/bin/velmora" --home "$work/home" build 1 >/dev/null 2>&1 &
    pid=$!
    # Somewhere within the time a whole build takes, mostly late, where it writes its files.
    delay=$(awk -v seed="$i$$" -v ms="$took" 'BEGIN { srand(seed); printf "%.3f", (0.4 + 0.7 * rand()) * ms / 1000 }')
    sleep "$delay"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    now=$(hash "$work/cd/Index.htm")
    if [ "$now" != "$old" ] && [ "$now" != "$new" ]; then
        echo "round $i: Index.htm is torn after a kill at ${delay}s"
        failures=$((failures + 1))
    fi
    # The application page is the same whole page, or the one before it.
    hta=$(hash "$work/cd/Index.hta")
    if [ "$hta" != "$old" ] && [ "$hta" != "$new" ]; then
        echo "round $i: Index.hta is torn after a kill at ${delay}s"
        failures=$((failures + 1))
    fi
    stray=$(find "$work/cd" -name '.velmora-tmp-*' | wc -l)
    [ "$stray" -eq 0 ] || interrupted=$((interrupted + 1))
    build
    left=$(find "$work/cd" -name '.velmora-tmp-*' | wc -l)
    if [ "$left" -ne 0 ]; then
        echo "round $i: $left temporary files stayed after a complete build"
        failures=$((failures + 1))
    fi
done
echo "$rounds kills of a ${took} ms build, $interrupted while a file was half-written, $failures failures"
[ "$failures" -eq 0 ]
