#!/usr/bin/env bash
# Installs Velmora into a staging folder and runs it from there: the installed program must find its plugin and
# autorun files under its prefix, keep its data out of that prefix, and ship valid desktop files, a manual page
# and a Debian package that lintian passes.
# Usage: tests/install/install-test.sh BUILD_DIR
set -euo pipefail
build="$(cd "${1:?usage: install-test.sh BUILD_DIR}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
stage="$work/stage"
prefix="$stage/usr"
velmora="$prefix/bin/velmora"
libdir="$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")"
plugindir="$libdir/velmora/plugins"
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what="$1"; shift; if "$@"; then echo "ok: $what"; else fail "$what"; fi; }
for tool in desktop-file-validate appstreamcli man dpkg-deb cpack sqlite3 file lintian; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (tools/prepare.sh installs it)"; exit 1; }
done

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
for file in bin/velmora "$plugindir/libcorvix.so" share/velmora/AUTORUN.INF share/velmora/Start.exe \
    share/velmora/translations/velmora_de.qm share/velmora/translations/velmora_fr.qm \
    share/velmora/translations/velmora_es.qm \
    share/applications/org.velmora.Velmora.desktop share/metainfo/org.velmora.Velmora.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.velmora.Velmora.svg share/man/man1/velmora.1.gz \
    share/doc/velmora/copyright share/doc/velmora/changelog.gz; do
    check "installs $file" test -f "$prefix/$file"
done
for size in 48 128 256; do
    check "icon of $size px" grep -q "$size x $size" <(file "$prefix/share/icons/hicolor/${size}x${size}/apps/org.velmora.Velmora.png")
done
for shot in page0 page1 page4; do
    check "screenshot $shot is a picture of the window" \
        grep -Eq "PNG image data, ([5-9][0-9]{2}|[1-9][0-9]{3}) x [3-9][0-9]{2}" \
        <(file "$prefix/share/doc/velmora/screenshots/$shot.png")
done
check "the copyright points at the system's GPL" \
    grep -q "/usr/share/common-licenses/GPL-3" "$prefix/share/doc/velmora/copyright"
before="$(cd "$stage" && find . -printf '%p %s %T@\n' | sort)"

# The installed program, headless, with a data home of its own in XDG_DATA_HOME.
export XDG_DATA_HOME="$work/xdg" HOME="$work/user"
unset VELMORA_HOME
home="$XDG_DATA_HOME/Velmora"
check "--version" grep -qx "Velmora Wizard 2.0.0" <("$velmora" --version)
check "list on a new data home" test -z "$("$velmora" list)"
check "the data home is the XDG data folder" test -f "$home/Velmora.dat"

cd_root="$work/cd"
mkdir -p "$cd_root"
echo "setup" >"$cd_root/setup.exe"
sqlite3 "$home/Velmora.dat" "
    INSERT INTO tblStyles VALUES (1, 'Plain', 'RGB(255,255,255)', 'none', 'none', 'none', '0', '0', 'none', 'none',
        'Arial;14pt;bold', 'RGB(0,0,0)', 'Arial;10pt;bold', 'RGB(0,0,0)', 'Arial;10pt;normal', 'RGB(0,0,0)',
        'Arial;10pt;normal', 'RGB(0,0,128)', 'RGB(0,0,255)');
    INSERT INTO tblMenus (MenuID, Template, Title, StyleNo, Root) VALUES (1, 'Standard', 'Install Check', 1, '$cd_root');
    INSERT INTO tblDetails VALUES (1, 'Tools', 'Setup', 'setup.exe', 'Installs it', 'none');"
check "list shows the stored menu" grep -qx "1: Install Check (en)" <("$velmora" list)
check "the installed program finds its translations" grep -q "list nimmt keine Argumente" \
    <("$velmora" --lang de list 1 2>&1)
check "build 1" "$velmora" build 1 >/dev/null
check "build writes the page" test -s "$cd_root/Index.htm"
for name in AUTORUN.INF Start.exe; do
    check "build copies $name from share/velmora" cmp -s "$prefix/share/velmora/$name" "$cd_root/$name"
done
check "--home wins" "$velmora" --home "$work/option" list
check "VELMORA_HOME wins" env VELMORA_HOME="$work/environment" "$velmora" list
check "--home and VELMORA_HOME hold their own data" test -f "$work/option/Velmora.dat" -a -f "$work/environment/Velmora.dat"

# The window under the offscreen platform: alive after a while and no failed start; without its plugin, the
# failed start names every folder looked in.
window() { # SECONDS ERRFILE: runs the window until it fails or SECONDS pass; true when it is still running
    QT_QPA_PLATFORM=offscreen "$velmora" 2>"$2" &
    local pid=$! i
    for ((i = 0; i < $1 * 10; i++)); do
        grep -q '^velmora:' "$2" && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    local alive=1
    kill -0 "$pid" 2>/dev/null && alive=0
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return $alive
}
check "the window starts offscreen" window 5 "$work/window.err"
check "the window reports no failure" test -z "$(grep '^velmora:' "$work/window.err")"

after="$(cd "$stage" && find . -printf '%p %s %T@\n' | sort)"
check "nothing is written under the prefix" test "$before" = "$after"

mv "$prefix/$plugindir/libcorvix.so" "$work/"
window 30 "$work/noplugin.err" || true
check "a missing plugin names bin/" grep -q "$prefix/bin" "$work/noplugin.err"
check "a missing plugin names $plugindir/" grep -q "$prefix/$plugindir" "$work/noplugin.err"
mv "$work/libcorvix.so" "$prefix/$plugindir/"
mv "$prefix/share/velmora/Start.exe" "$work/"
set +e
"$velmora" build 1 >/dev/null 2>"$work/noautorun.err"
status=$?
set -e
check "a build without Start.exe fails with 1" test "$status" -eq 1
check "a missing Start.exe names bin/ and share/velmora/" \
    grep -q "$prefix/bin, $prefix/share/velmora" "$work/noautorun.err"
mv "$work/Start.exe" "$prefix/share/velmora/"

echo "--- desktop-file-validate"
check "desktop entry is valid" desktop-file-validate "$prefix/share/applications/org.velmora.Velmora.desktop"
echo "--- appstreamcli validate --no-net"
metainfo="$prefix/share/metainfo/org.velmora.Velmora.metainfo.xml"
check "metainfo is valid" appstreamcli validate --no-net "$metainfo"
check "metainfo names the licence" grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo"
check "metainfo names no made-up address" test -z "$(grep -E '\.example' "$metainfo" || true)"
if [ -z "$(sed -n 's/^VELMORA_\(HOMEPAGE\|SCREENSHOT\)_URL:STRING=//p' "$build/CMakeCache.txt")" ]; then
    check "metainfo names no web address when none is configured" \
        test -z "$(grep -E '<(url|image)' "$metainfo" || true)"
fi

page="$(MANWIDTH=80 man -l "$prefix/share/man/man1/velmora.1.gz" 2>/dev/null)"
for section in "EXIT STATUS" "ENVIRONMENT" "DATA HOME" "VELMORA_HOME" "check MENUID" "iso MENUID"; do
    check "the manual page shows $section" grep -q "$section" <<<"$page"
done
check "the manual page renders without warnings" \
    test -z "$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/velmora.1.gz" 2>&1 >/dev/null)"

echo "--- cpack -G DEB"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb="$work/package/velmora_2.0.0_amd64.deb"
check "cpack makes velmora_2.0.0_amd64.deb" test -f "$deb"
listing="$(dpkg-deb -c "$deb")"
echo "$listing"
for file in ./usr/bin/velmora "./usr/$plugindir/libcorvix.so" ./usr/share/velmora/Start.exe \
    ./usr/share/velmora/translations/velmora_de.qm ./usr/share/applications/org.velmora.Velmora.desktop ./usr/share/man/man1/velmora.1.gz; do
    check "the package holds $file" grep -q " $file\$" <<<"$listing"
done
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
check "dependencies come from dpkg-shlibdeps" grep -q "libqt6widgets6" <<<"$depends"
for file in ./usr/share/doc/velmora/copyright ./usr/share/doc/velmora/changelog.gz \
    ./usr/share/doc/velmora/screenshots/page0.png; do
    check "the package holds $file" grep -q " $file\$" <<<"$listing"
done
check "the package runs no maintainer scripts" test -z "$(dpkg-deb -I "$deb" | grep -E ' (pre|post)(inst|rm)' || true)"

echo "--- lintian"
# Informational tags may stay; an error or a warning fails the test.
lintian "$deb" | tee "$work/lintian.out" || true
check "lintian reports no error or warning" test -z "$(grep -E '^[EW]: ' "$work/lintian.out" || true)"

[ "$failures" -eq 0 ] && echo "install test passed" || { echo "$failures failed"; exit 1; }
