#!/usr/bin/env bash
# Builds a fixed set of menus with `velmora build` in every template and prints the SHA-256 of each generated
# Index.htm, Index.hta and Menu/Styles.css, one line per file, so that two versions of the program can be shown
# to write the same bytes. With --measure FILE it also appends each build's peak memory and time to FILE.
# The footers name the maker's address that the program was built with (VELMORA_HOMEPAGE_URL); --homepage URL
# builds the program of this source with that setting (in build/homepage) and uses it, so that a version from before
# the setting, which always wrote https://velmora.example/, can be compared with --homepage https://velmora.example/.
#
#   tools/page-hashes.sh [--velmora BIN | --homepage URL] [--sizes "10000 100000 1000000"] [--measure FILE] > hashes.txt
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
velmora="$root/build/bin/velmora"
sizes="10000 100000 1000000"
measure=""
homepage=""
while [ $# -gt 0 ]; do
    case "$1" in
        --velmora) velmora="$2"; shift 2 ;;
        --sizes) sizes="$2"; shift 2 ;;
        --measure) measure="$2"; shift 2 ;;
        --homepage) homepage="$2"; shift 2 ;;
        *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
done
if [ -n "$homepage" ]; then
    cmake -S "$root" -B "$root/build/homepage" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        "-DVELMORA_HOMEPAGE_URL=$homepage" >/dev/null
    cmake --build "$root/build/homepage" --parallel 2 --target velmora starter >&2
    velmora="$root/build/homepage/bin/velmora"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
home="$work/home"
media="$work/media"
mkdir -p "$home" "$media"
printf 'GIF89a-on' >"$media/on.gif"
printf 'GIF89a-off' >"$media/off.gif"
printf 'back' >"$media/back picture.jpg"
printf 'sound' >"$media/a'b.mid"
printf 'logo' >"$media/logo.png"
"$velmora" --home "$home" list >/dev/null # creates Velmora.dat
db="$home/Velmora.dat"
templates=("Standard" "Standard Screenshots" "Extended" "Extended Screenshots")

sql() { sqlite3 "$db" "$@"; }
q() { printf "'%s'" "${1//\'/\'\'}"; } # an SQL string literal

# Style 1: the benchmark's (default look, two button images). Style 2: every media field set, awkward names.
sql "INSERT INTO tblStyles (StyleID,StyleName,BackColor,BackImage,SoundFile,LogoFile,LogoTop,LogoLeft,ButtonOnImage,
       ButtonOffImage,TitleFont,TitleColor,ButtonFont,ButtonColor,TextFont,TextColor,HyperFont,HyperColor,HyperColorA)
     VALUES (1,'Bench','16777215 ','none','none','none','0','0',$(q "$media/on.gif"),$(q "$media/off.gif"),
       'Arial;14pt;bold','RGB(192,192,192)','Arial;10pt;bold','RGB(192,192,192)','Arial;10pt;normal',
       'RGB(192,192,192)','Arial;10pt;normal','RGB(192,192,192)','RGB(17,207,255)'),
     (2,'Tom''s style','255','$(printf %s "$media/back picture.jpg" | sed "s/'/''/g")',$(q "$media/a'b.mid"),
       $(q "$media/logo.png"),'10px','20px',$(q "$media/on.gif"),$(q "$media/off.gif"),
       'Times New Roman;18pt;bold','RGB(1,2,3)','Verdana;9pt;bold','#ff0000','Caf'||char(233)||' '||char(26085)||';10pt;normal',
       'RGB(0,0,0)','Arial;10pt;italic','blue','RGB(17,207,255)');" 2>/dev/null || {
    # The style columns are named by the program; fall back to positional values when they differ.
    echo "cannot insert the styles" >&2
    exit 1
}

# A menu per case: MenuID, title, style, then its entries inserted by the caller.
add_menu() { # id title style
    mkdir -p "$work/cd$1"
    sql "INSERT INTO tblMenus (MenuID,Template,Title,StyleNo,Root) VALUES ($1,'Standard',$2,$3,$(q "$work/cd$1"))"
}

# Tricky text: apostrophes, line breaks, quotes, script endings, characters outside the code page, NULLs.
add_menu 1 "'Velmora test menu'" 2
sql "INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,Screenshot) VALUES
  (1,'Tools','Setup','Tools/setup.exe','Installs the program','shot1.png'),
  (1,'Docs','Tom''s Manual','Docs/my manual #1.pdf','Read me first.'||char(13,10)||'It''s \"quoted\" \\ </script> '||char(8364)||' '||char(26085),'none'),
  (1,'Tools','Patch','patch.exe','Fixes it','shot 2.png'),
  (1,'Extras','Readme','readme.txt','Plain text','none'),
  (1,'tools','Lower case','My Tools/set''up #1.exe',NULL,NULL),
  (1,char(26085,26412),'Caf'||char(233)||' '||char(9731),'a.exe',char(8364)||' '||char(20013),''),
  (1,'Tom''s','Tom''s <Tool>','tool.exe','Line one'||char(13,10)||'It''s \"C:\\Tools\"</script>','my shot.jpg')"
add_menu 2 "'Only one'" 2
sql "INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,Screenshot)
     VALUES (2,'Tools','Only','only.exe','The one entry','shot1.png')"
add_menu 3 "'Tom''s <b>CD</b> '||char(169)||' '||char(916)" 1
sql "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i<1199)
     INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,Screenshot)
     SELECT 3,'C'||(i%3),'E'||i,'e.exe','Entry '||i,CASE WHEN i%2 THEN 'none' ELSE 'e'||i||'.png' END FROM n"

# The benchmark menus: as bench_build fills them, one category per hundred entries.
id=10
for size in $sizes; do
    add_menu $id "'Benchmark'" 1
    sql "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i<$size-1)
         INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,Screenshot)
         SELECT $id,'Category '||(i%($size/100)),'Program '||i,'Programs/Folder '||(i%($size/100))||'/setup'||i||'.exe',
                'Installs program '||i||' with its help files and a sample project.',
                CASE WHEN i%3=0 THEN 'shot'||i||'.png' ELSE 'none' END FROM n"
    id=$((id + 1))
done

build() { # id label
    local id=$1 label=$2 t
    for t in "${templates[@]}"; do
        sql "UPDATE tblMenus SET Template=$(q "$t") WHERE MenuID=$id"
        rm -f "$work/cd$id/Index.htm" "$work/cd$id/Index.hta" "$work/cd$id/Menu/Styles.css"
        if [ -n "$measure" ]; then
            /usr/bin/time -v -o "$work/time.txt" "$velmora" --home "$home" build "$id" >/dev/null
            awk -v label="$label" -v t="$t" '
                /Maximum resident set size/ { rss = $NF }
                /Elapsed \(wall clock\)/ { split($NF, p, ":"); secs = (length(p) == 3) ? p[1]*3600 + p[2]*60 + p[3] : p[1]*60 + p[2] }
                END { printf "%-22s %9s  peak %7.1f MiB  %7.2f s\n", t, label, rss / 1024, secs }' "$work/time.txt" >>"$measure"
        else
            "$velmora" --home "$home" build "$id" >/dev/null
        fi
        local f
        for f in Index.htm Index.hta Menu/Styles.css; do
            printf '%s  %-10s %-22s %s\n' "$(sha256sum <"$work/cd$id/$f" | cut -d' ' -f1)" "$label" "$t" "$f"
        done
    done
}

build 1 tricky
build 2 single
build 3 buttons1200
id=10
for size in $sizes; do
    build $id "$size"
    id=$((id + 1))
done
