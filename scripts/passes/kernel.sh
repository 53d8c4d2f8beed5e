#!/usr/bin/env bash
# The tests on a real Linux USB stack: fetches Debian's kernel into build/kernel (once per kernel
# version), builds the test program and boots the test machine once for all of them.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
tests/kernel/fetch-kernel.sh build/kernel
cmake --preset default >/dev/null
cmake --build --preset default --target kernel_stack_test
ctest --preset kernel
