#!/usr/bin/env bash
# One CMake preset's pass: configure, build and run its tests.
# Usage: scripts/passes/preset.sh PRESET
set -euo pipefail
preset="$1"
# An unformatted file or an include from a layer above fails the run once, before the plain build.
if [[ "$preset" == default ]]; then
    "$(dirname "${BASH_SOURCE[0]}")/../check-format.sh"
    "$(dirname "${BASH_SOURCE[0]}")/../check-layers.sh"
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" --parallel 2
