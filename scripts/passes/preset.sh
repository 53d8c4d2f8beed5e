#!/usr/bin/env bash
# One CMake preset's pass: configure, build and run its tests.
# Usage: scripts/passes/preset.sh PRESET
set -euo pipefail
preset="$1"
# An unformatted file fails the run once, before the plain build.
[[ "$preset" != default ]] || "$(dirname "${BASH_SOURCE[0]}")/../check-format.sh"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" --parallel 2
