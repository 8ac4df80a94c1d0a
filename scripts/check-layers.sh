#!/usr/bin/env bash
# Checks that no include runs back up the layers: each folder may include only itself and the
# folders beneath it. Prints every offending include and exits 1 if there is one.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# folder: the folders it may include from (itself first).
declare -A allowed=(
    [res]="res"
    [support]="support"
    [device]="device support res"
    [console]="console device support res"
    [sim]="sim device support res"
    [cli]="cli console device support res"
    [gui/controls]="gui/controls support res"
    [gui/document]="gui/document gui/controls console device support res"
    [gui/pages]="gui/pages gui/document gui/controls console device support res"
    [gui/app]="gui/app gui/pages gui/document gui/controls console device support res"
)

status=0
for layer in "${!allowed[@]}"; do
    while IFS= read -r hit; do
        file=${hit%%:*}
        target=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"${hit#*:}")
        ok=0
        for below in ${allowed[$layer]}; do
            [[ $target == "$below"/* ]] && ok=1
        done
        # Generated headers (ui_*.h, *.moc) and headers of the same folder without a path.
        [[ $target != */* ]] && ok=1
        if [ $ok -eq 0 ]; then
            echo "$file includes $target: $layer may include only ${allowed[$layer]}"
            status=1
        fi
    done < <(grep -rn --include='*.h' --include='*.cpp' '^#include "' "$layer" |
             sed -E 's/^([^:]+):[0-9]+:/\1:/')
done
exit $status
