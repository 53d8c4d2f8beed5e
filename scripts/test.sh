#!/usr/bin/env bash
# Installs what is missing, builds the tool in the plain, the AddressSanitizer (with undefined
# behaviour checks) and the ThreadSanitizer configurations, and runs the tests of each. The thread
# build runs the tests where the link worker's thread meets the window logic (labels app, link,
# protocol, integration); the Qt window's own drawing threads are beyond its sight.
# Usage: scripts/test.sh [preset...]   (default: default asan tsan)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
scripts/install-deps.sh

presets=("$@")
[[ ${#presets[@]} -gt 0 ]] || presets=(default asan tsan)
for preset in "${presets[@]}"; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset" --parallel 2
done
