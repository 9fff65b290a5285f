#!/usr/bin/env bash
# Burn and copy beside the tools alone, for one CD root: velmora burn onto a pseudo-drive against xorriso
# writing the same image there, and velmora copy into a folder against cp -r followed by sync. Run by hand:
#   bench/media.sh [MEGABYTES] [FILES]        (defaults: 400 MB in 400 files)
# The worst of three rounds is printed for each. Needs build/bin/velmora, xorriso and sqlite3.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
velmora="${VELMORA:-$here/build/bin/velmora}"
megabytes="${1:-400}"
files="${2:-400}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

root="$work/cd"
mkdir -p "$root/Menu" "$root/docs"
per=$((megabytes * 1024 / files))
for i in $(seq 1 "$files"); do
    head -c "$((per * 1024))" /dev/urandom >"$root/docs/file$i.bin"
done
echo '<html></html>' >"$root/Index.htm"
cp "$root/Index.htm" "$root/Index.hta"

"$velmora" --home "$work/home" list >/dev/null
sqlite3 "$work/home/Velmora.dat" \
    "INSERT INTO tblMenus (Template, Title, StyleNo, Root) VALUES ('Extended', 'Bench', 1, '$root')"

worst() { # label, then the command: the longest wall time of three rounds, in seconds
    local label="$1" slowest=0 t
    shift
    for _ in 1 2 3; do
        # Each round starts with nothing waiting to be written and, where allowed (root), nothing cached.
        sync
        [ -w /proc/sys/vm/drop_caches ] && echo 3 >/proc/sys/vm/drop_caches
        local start
        start=$(date +%s.%N)
        "$@" >/dev/null 2>&1
        t=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
        slowest=$(echo "$t $slowest" | awk '{print ($1 > $2) ? $1 : $2}')
    done
    printf '%-44s %6.2f s\n' "$label" "$slowest"
}

burnTo() { rm -f "$work/disc.iso"; : >"$work/disc.iso"; "$@"; }
xorrisoAlone() {
    burnTo xorriso -outdev "stdio:$work/disc.iso" -as mkisofs -iso-level 3 -J -r -f -V BENCH "$root" -- -commit
}
velmoraBurn() { burnTo "$velmora" --home "$work/home" burn 1 --drive "stdio:$work/disc.iso" "$@"; }
cpSync() { rm -rf "$work/copy"; cp -r "$root" "$work/copy" && sync; }
velmoraCopy() { rm -rf "$work/stick"; mkdir "$work/stick"; "$velmora" --home "$work/home" copy 1 --to "$work/stick"; }
velmoraCopyAgain() { "$velmora" --home "$work/home" copy 1 --to "$work/stick"; }

echo "CD root: $megabytes MB in $files files"
worst "xorriso alone onto a pseudo-drive" xorrisoAlone
worst "velmora burn --no-verify" velmoraBurn --no-verify
worst "velmora burn (with the read-back)" velmoraBurn
worst "cp -r + sync" cpSync
worst "velmora copy (fresh folder, verified)" velmoraCopy
worst "velmora copy again (nothing changed)" velmoraCopyAgain
