#!/usr/bin/env bash
# Configures a scratch build with the mingw-w64 cross compiler hidden from PATH: configuring must succeed with a
# warning, and the build must simply leave Start.exe out. The same configure names web addresses, so the metainfo
# that lists them is checked too.
# Usage: tests/install/configure-without-mingw.sh SOURCE_DIR
set -euo pipefail
source_dir="$(cd "${1:?usage: configure-without-mingw.sh SOURCE_DIR}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { local what="$1"; shift; if "$@"; then echo "ok: $what"; else fail "$what"; fi; }

# A PATH of everything in the usual folders but the cross tools.
mkdir "$work/path"
for tool in /usr/local/bin/* /usr/bin/* /bin/*; do
    name="${tool##*/}"
    case "$name" in *-w64-mingw32-*) continue ;; esac
    [ -e "$work/path/$name" ] || ln -s "$tool" "$work/path/$name"
done
check "the cross compiler is hidden" test -z "$(PATH="$work/path" command -v i686-w64-mingw32-gcc || true)"

set +e
PATH="$work/path" cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVELMORA_HOMEPAGE_URL=https://velmora.test/ -DVELMORA_SCREENSHOT_URL=https://velmora.test/shots/ >"$work/out" 2>&1
status=$?
set -e
cat "$work/out"
check "configuring succeeds" test "$status" -eq 0
check "it warns that Start.exe is not built" grep -q "Start.exe is not" "$work/out"
check "the program still has its target" grep -q "^build velmora_program:" "$work/build/build.ninja"
check "AUTORUN.INF is still copied" grep -q "bin/AUTORUN.INF:" "$work/build/build.ninja"
check "Start.exe is not built" test -z "$(grep 'Start.exe' "$work/build/build.ninja" || true)"

metainfo="$work/build/dist/org.velmora.Velmora.metainfo.xml"
check "metainfo names the web page" grep -q '<url type="homepage">https://velmora.test/</url>' "$metainfo"
for shot in page0 page1 page4; do
    check "metainfo lists $shot" grep -q "<image>https://velmora.test/shots/$shot.png</image>" "$metainfo"
done
check "metainfo with web addresses is valid" appstreamcli validate --no-net "$metainfo"

[ "$failures" -eq 0 ] && echo "configure without mingw passed" || { echo "$failures failed"; exit 1; }
