#!/usr/bin/env bash
# Fails, naming the includes, when a file includes a header of a layer above its own. From the top:
# app; protocol and form (form reads protocol's DeviceInfo record only); link; platform and the
# window's vocabulary; sim beside, using only platform.
# Usage: scripts/check-layers.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

declare -A allowed=(
    [vocabulary]='platform/'
    [platform]='platform/|vocabulary/'
    [link]='link/|platform/'
    [form]='form/|platform/|vocabulary/|protocol/DeviceInfo\.h'
    [protocol]='protocol/|form/|link/|platform/|vocabulary/'
    [sim]='sim/|platform/'
)
status=0
for layer in "${!allowed[@]}"; do
    if git grep -nE '^#include "' -- "$layer/*.cpp" "$layer/*.h" |
        grep -vE "#include \"(${allowed[$layer]})"; then
        status=1
    fi
done
exit $status
