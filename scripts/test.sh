#!/usr/bin/env bash
# Installs what is missing, then runs every pass of the tests and prints the time each one took.
# A pass is a CMake preset (default: the plain build; asan: AddressSanitizer with undefined
# behaviour checks; tsan: ThreadSanitizer on the tests where the link worker's thread meets the
# window logic, since the Qt window's own drawing threads are beyond its sight) or a script of its
# own in scripts/passes/.
# Usage: scripts/test.sh [pass...]   (default: every pass, in the order below)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

# The presets, then the passes with scripts of their own, as far as they are there.
all_passes=(default asan tsan)
for pass in fuzz package kernel windows; do
    [[ -x "scripts/passes/$pass.sh" ]] && all_passes+=("$pass")
done
passes=("$@")
[[ ${#passes[@]} -gt 0 ]] || passes=("${all_passes[@]}")

run_timed() {
    local name="$1"
    shift
    local start=$SECONDS
    echo "== $name"
    "$@"
    echo "== $name passed in $((SECONDS - start)) s"
}

run_timed deps scripts/install-deps.sh
for pass in "${passes[@]}"; do
    if [[ -x "scripts/passes/$pass.sh" ]]; then
        run_timed "$pass" "scripts/passes/$pass.sh"
    else
        run_timed "$pass" scripts/passes/preset.sh "$pass"
    fi
done
