#!/usr/bin/env bash
# Fails, naming the files, when a C++ file of the tree is not formatted as .clang-format says.
# Usage: scripts/check-format.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
