#!/usr/bin/env bash
# One CMake preset's pass: configure, build and run its tests.
# Usage: scripts/passes/preset.sh PRESET
set -euo pipefail
preset="$1"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" --parallel 2
