#!/usr/bin/env bash
# Builds the fuzz targets and runs each for the given number of seconds (default 30), starting from
# its seed corpus in fuzz/corpus/<target>/. What a run finds beyond the seeds stays in
# build/fuzz/corpus/; an input that breaks a target's property is kept in build/fuzz/findings/<target>/
# and the script fails: make that input a regression test.
# Usage: scripts/fuzz.sh [SECONDS_EACH [TARGET...]]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

seconds="${1:-30}"
shift || true
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(InfoBlockFuzz FormTextFuzz ReportIntakeFuzz FirmwareImageFuzz PacketBuildFuzz)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]}"

failed=0
for target in "${targets[@]}"; do
    corpus="build/fuzz/corpus/$target"
    findings="build/fuzz/findings/$target"
    mkdir -p "$corpus" "$findings"
    echo "-- $target for $seconds s"
    # The seeds are read, never written: new inputs go to the build tree's corpus.
    if ! timeout $((seconds + 60)) "build/fuzz/fuzz/$target" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$target" \
        >"build/fuzz/$target.log" 2>&1; then
        grep -E "property broken|ERROR|SUMMARY|Test unit written" "build/fuzz/$target.log" || true
        echo "-- $target broke; the input is in $findings/"
        failed=1
    fi
    grep -E "stat::number_of_executed_units" "build/fuzz/$target.log" || true
done
exit "$failed"
