#!/usr/bin/env bash
# Reads the #include lines of the sources under ROOT (default: this checkout) and fails when a layer includes one
# above it: core/ includes nothing from wizard/ or app/, wizard/ nothing from app/, controls/ nothing from core/,
# wizard/ or app/; and the folders of core/ include each other in no circle.
#
#   tools/check-layers.sh [ROOT]
set -euo pipefail

root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"
failed=0

# Every project include as "file<TAB>included path".
includes() {
    grep -rHoE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+"' "$@" --include='*.h' --include='*.cpp' 2>/dev/null |
        sed -E 's/:[[:space:]]*#[[:space:]]*include[[:space:]]+"([^"]+)"$/\t\1/' || true
}

forbid() { # folder, pattern of included paths it may not name
    local folder="$1" pattern="$2" hits
    [ -d "$folder" ] || return 0
    hits="$(includes "$folder" | awk -F'\t' -v p="$pattern" '$2 ~ p')"
    if [ -n "$hits" ]; then
        printf 'upward include from %s/:\n%s\n' "$folder" "$hits" >&2
        failed=1
    fi
}

# Every project header is included by its path from the source root ("controls/bag/FormFile.h"), which names its
# layer. A bare name that only an include folder finds ("FormFile.h", "bag/FormFile.h") hides that layer from the
# checks above, so an include that names a file of the tree by the end of its path fails.
forbid_bare() {
    local folders=() folder hits
    for folder in core wizard app controls; do
        [ -d "$folder" ] && folders+=("$folder")
    done
    [ "${#folders[@]}" -gt 0 ] || return 0
    hits="$(includes "${folders[@]}" | awk -F'\t' '
        NR == FNR {
            n = split($0, part, "/"); tail = part[n]; ends[tail] = 1
            for (i = n - 1; i > 1; --i) { tail = part[i] "/" tail; ends[tail] = 1 }
            next
        }
        $2 !~ /^(core|wizard|app|controls)\// && ($2 in ends)' <(find "${folders[@]}" -type f) -)"
    if [ -n "$hits" ]; then
        printf 'bare include of a project header (write it from the source root):\n%s\n' "$hits" >&2
        failed=1
    fi
}

forbid_bare

forbid core '^(wizard|app|controls)/'
forbid wizard '^app/'
forbid controls '^(core|wizard|app)/'

# The folders of core/ as an ordering: tsort finds any circle among them.
if [ -d core ]; then
    edges="$(includes core | awk -F'\t' '{
        split($1, from, "/"); split($2, to, "/");
        if (to[1] == "core" && from[2] != to[2]) print from[2], to[2] }' | sort -u)"
    if [ -n "$edges" ] && ! loop="$(printf '%s\n' "$edges" | tsort 2>&1 >/dev/null)"; then
        :
    fi
    if [ -n "${loop:-}" ]; then
        printf 'core folders include each other in a circle:\n%s\n' "$loop" >&2
        failed=1
    fi
fi

[ "$failed" -eq 0 ] && echo "Layers hold."
exit "$failed"
