#!/usr/bin/env bash
# Renders the PNG icons from the disc drawing; run after changing the SVG (needs rsvg-convert, Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 48 128 256; do
    rsvg-convert -w "$size" -h "$size" org.velmora.Velmora.svg -o "velmora-$size.png"
done
