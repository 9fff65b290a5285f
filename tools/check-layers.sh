#!/usr/bin/env bash
# Reads the #include lines of the sources under ROOT (default: this checkout) and fails when a layer includes one
# above it: core/ includes nothing from wizard/ or app/, wizard/ nothing from app/, controls/ nothing from core/,
# wizard/ or app/; and the folders of core/ stand in one line, platform <- model <- data <- generate <- disc, each
# including only those before it.
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

# The folders of core/, bottom first. about/ stands beside the line: it uses platform/ and model/, and nothing in
# core/ uses it. The step types (core/model/StepResult.h) are the one vocabulary every folder may use, the platform
# layer's results included.
core_order="platform model data generate disc"
if [ -d core ]; then
    hits="$(includes core | awk -F'\t' -v order="$core_order" '
        BEGIN { n = split(order, names, " "); for (i = 1; i <= n; i++) rank[names[i]] = i; rank["about"] = 2.5 }
        {
            split($1, from, "/"); split($2, to, "/");
            if (to[1] != "core" || from[2] == to[2] || $2 == "core/model/StepResult.h") next
            if (!(from[2] in rank)) { print "core/" from[2] "/ has no place in the order: " $1; next }
            if (!(to[2] in rank)) { print "core/" to[2] "/ has no place in the order: " $1 " -> " $2; next }
            if (to[2] == "about" || rank[to[2]] > rank[from[2]]) print $1 " -> " $2
        }')"
    if [ -n "$hits" ]; then
        printf 'core folders out of their order (%s):\n%s\n' "${core_order// / <- }" "$hits" >&2
        failed=1
    fi
fi

[ "$failed" -eq 0 ] && echo "Layers hold."
exit "$failed"
