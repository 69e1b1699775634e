#!/usr/bin/env bash
# The layer check passes on the sources and fails, naming the file, on an
# include against the layers planted in a copy of them.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
check="$root/tools/check_layer_includes.py"
python3 "$check" "$root/src"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
plant() {  # FILE LINE: the copy of src with LINE added to FILE must fail the check, naming FILE
    rm -rf "$work/src" && cp -r "$root/src" "$work/src"
    printf '%s\n' "$2" >> "$work/src/$1"
    if output="$(python3 "$check" "$work/src")"; then
        echo "not caught: $2 in $1"; exit 1
    fi
    grep -q "src/$1: includes" <<<"$output" || { echo "not named: $1 in: $output"; exit 1; }
}
plant model/level_data.cpp '#include "ui/main_window.h"'
plant compiler/script_dat.cpp '#include "model/project_state.h"'
plant script/script_writer.cpp '#include <QString>'
echo "layer includes: checked, and three planted includes caught"
