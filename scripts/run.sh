#!/usr/bin/env bash
# Installs what is missing, builds the tool and starts the demonstration: the configuration window
# on a virtual USB bus with a virtual logger plugged in a moment after start, and a panel to plug
# other virtual loggers. Every frame the virtual logger receives is printed on standard output.
# With a real logger, start build/default/app/main/logger-config instead (see the README).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/app/main/logger-config-demo "$@"
