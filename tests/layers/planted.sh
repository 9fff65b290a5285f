#!/usr/bin/env bash
# The layer check must catch each kind of upward include: one is planted at a time in a copy of the sources.
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
check="$root/tools/check-layers.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$check" "$root" >/dev/null || { echo "the sources do not pass the layer check" >&2; exit 1; }

plant() { # description, file, include line
    rm -rf "$work/tree"
    mkdir -p "$work/tree"
    cp -r "$root/core" "$root/wizard" "$root/app" "$root/controls" "$work/tree/"
    mkdir -p "$(dirname "$work/tree/$2")"
    printf '#include "%s"\n' "$3" >>"$work/tree/$2"
    if "$check" "$work/tree" >/dev/null 2>&1; then
        echo "not caught: $1" >&2
        exit 1
    fi
    echo "caught: $1"
}

plant "core includes wizard" core/data/MenuStore.cpp wizard/EditState.h
plant "core includes app" core/generate/MenuBuild.h app/CommandLine.h
plant "wizard includes app" wizard/frmVelmora.cpp app/DiscCommands.h
plant "controls include core" controls/bag/OleColor.cpp core/data/DataError.h
plant "core folders in a circle" core/platform/PathKind.h core/data/DataError.h
