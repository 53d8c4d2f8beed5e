#!/usr/bin/env bash
# The fuzz pass: every fuzz target for a bounded time from its seed corpus.
set -euo pipefail
exec "$(dirname "${BASH_SOURCE[0]}")/../fuzz.sh" 20
