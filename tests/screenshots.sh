#!/usr/bin/env bash
# Takes a picture of each of the wizard's five pages, the File Descriptions dialog and the About box on a virtual
# X display, then of the Modern pages in light and dark at desktop and phone widths.
# Usage: tests/screenshots.sh [BUILD_DIR] [OUT_DIR]   (defaults: build, BUILD_DIR/screenshots)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${2:-$build/screenshots}"
[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target velmora_shot corvix make_modern_pages >/dev/null
mkdir -p "$out"
for shot in 0 1 2 3 4 files about; do
    name="page$shot"
    [[ "$shot" =~ ^[0-9]$ ]] || name="$shot"
    xvfb-run -a -s "-screen 0 1024x768x24" "$build/tests/velmora_shot" "$shot" "$out/$name.png"
    echo "$out/$name.png"
done
"$build/tests/make_modern_pages" "$build/tests/modern-shots-pages"
node "$root/tests/browser/modern-shots.js" "$build/tests/modern-shots-pages" "$out"
