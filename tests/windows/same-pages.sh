#!/usr/bin/env bash
# The Linux and the Windows program write the same menus: one database of menus with awkward text and media, built
# in each of the six templates by `velmora build` on Linux and by velmora.exe under Wine, each into a CD root of its
# own, and every file written compared byte for byte.
#   same-pages.sh LINUX_VELMORA WINE_RUN VELMORA_EXE
set -euo pipefail
trap 'echo "$(basename "$0"): stopped at line $LINENO" >&2' ERR
linux=$1
wine_run=$2
exe=$3
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
templates=("Standard" "Standard Screenshots" "Extended" "Extended Screenshots" "Modern" "Modern Screenshots")

q() { printf "'%s'" "${1//\'/\'\'}"; } # an SQL string literal

# A data home, its media and three CD roots under $1; paths as the program's system writes them ($2: windows).
make_fixture() {
    local base=$1 system=$2
    mkdir -p "$base/home" "$base/media"
    printf 'GIF89a-on' >"$base/media/on.gif"
    printf 'GIF89a-off' >"$base/media/off.gif"
    printf 'back' >"$base/media/back picture.jpg"
    printf 'sound' >"$base/media/a'b.mid"
    printf 'logo' >"$base/media/logo.png"
    local id
    for id in 1 2 3; do
        mkdir -p "$base/cd$id/Tools" "$base/cd$id/Docs" "$base/cd$id/Menu"
        printf 'MZ setup' >"$base/cd$id/Tools/setup.exe"
        printf '%%PDF manual' >"$base/cd$id/Docs/my manual #1.pdf"
        printf 'png' >"$base/cd$id/Menu/shot1.png"
    done
    "$linux" --home "$base/home" list >/dev/null # the same empty database for both
    local p
    p() { # a path of the fixture as the program's system names it
        if [ "$system" = windows ]; then local w="Z:$base/$1"; printf '%s' "${w//\//\\}"; else printf '%s' "$base/$1"; fi
    }
    sqlite3 "$base/home/Velmora.dat" "
    INSERT INTO tblStyles (StyleID,StyleName,BackColor,BackImage,SoundFile,LogoFile,LogoTop,LogoLeft,ButtonOnImage,
       ButtonOffImage,TitleFont,TitleColor,ButtonFont,ButtonColor,TextFont,TextColor,HyperFont,HyperColor,HyperColorA)
     VALUES (1,'Plain','16777215 ','none','none','none','0','0',$(q "$(p media/on.gif)"),$(q "$(p media/off.gif)"),
       'Arial;14pt;bold','RGB(192,192,192)','Arial;10pt;bold','RGB(192,192,192)','Arial;10pt;normal',
       'RGB(192,192,192)','Arial;10pt;normal','RGB(192,192,192)','RGB(17,207,255)'),
     (2,'Tom''s style','255',$(q "$(p 'media/back picture.jpg')"),$(q "$(p "media/a'b.mid")"),
       $(q "$(p media/logo.png)"),'10px','20px',$(q "$(p media/on.gif)"),$(q "$(p media/off.gif)"),
       'Times New Roman;18pt;bold','RGB(1,2,3)','Verdana;9pt;bold','#ff0000','Caf'||char(233)||' '||char(26085)||';10pt;normal',
       'RGB(0,0,0)','Arial;10pt;italic','blue','RGB(17,207,255)');
    INSERT INTO tblMenus (MenuID,Template,Title,StyleNo,Root,Language) VALUES
      (1,'Standard','Velmora test menu',2,$(q "$(p cd1)"),'en'),
      (2,'Standard','Über Menü',2,$(q "$(p cd2)"),'de'),
      (3,'Standard','Tom''s <b>CD</b> '||char(169)||' '||char(916),1,$(q "$(p cd3)"),'fr');
    INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,Screenshot) VALUES
      (1,'Tools','Setup','Tools/setup.exe','Installs the program','shot1.png'),
      (1,'Docs','Tom''s Manual','Docs/my manual #1.pdf','Read me first.'||char(13,10)||'It''s \"quoted\" \\ </script> '||char(8364)||' '||char(26085),'none'),
      (1,char(26085,26412),'Caf'||char(233)||' '||char(9731),'Tools/setup.exe',char(8364)||' '||char(20013),'none'),
      (1,'Tom''s','Tom''s <Tool>','Docs/my manual #1.pdf','Line one'||char(13,10)||'It''s \"C:\\Tools\"</script>','shot1.png'),
      (2,'Werkzeuge','Einrichtung','Tools/setup.exe','<b>Richtet</b> das Programm ein','shot1.png');
    WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i<299)
      INSERT INTO tblDetails (MenuNo,Category,FileName,FileLink,Description,Screenshot)
      SELECT 3,'C'||(i%3),'E'||i,'Tools/setup.exe','Entry '||i,CASE WHEN i%2 THEN 'none' ELSE 'shot1.png' END FROM n;"
}

make_fixture "$work/linux" linux
make_fixture "$work/windows" windows
failed=0
compared=0
for t in "${templates[@]}"; do
    for id in 1 2 3; do
        for side in linux windows; do
            sqlite3 "$work/$side/home/Velmora.dat" "UPDATE tblMenus SET Template=$(q "$t") WHERE MenuID=$id"
        done
        "$linux" --home "$work/linux/home" build "$id" >/dev/null
        home="Z:$work/windows/home"
        "$wine_run" "$exe" --home "${home//\//\\}" build "$id" >/dev/null
        # Every file of the two CD roots, by name and by content.
        if ! diff -r "$work/linux/cd$id" "$work/windows/cd$id" >"$work/diff.txt"; then
            echo "menu $id, $t: the Windows program wrote other files:" >&2
            head -20 "$work/diff.txt" >&2
            failed=1
        fi
        compared=$((compared + $(find "$work/linux/cd$id" -type f | wc -l)))
    done
done
[ "$failed" = 0 ] || exit 1
echo "The same $compared files, byte for byte, in ${#templates[@]} templates."
