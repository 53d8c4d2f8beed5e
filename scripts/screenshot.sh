#!/usr/bin/env bash
# Takes the picture of the configuration window shown in the README: starts the tool (the demo with
# its virtual logger when it is built, else the tool itself) on a virtual X display of exactly the
# window's size, captures the display with ImageMagick and writes docs/window.png.
# Usage: scripts/screenshot.sh [output.png]   (build the default preset first, e.g. scripts/run.sh;
# BUILD_DIR picks another build tree)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
output="${1:-$root/docs/window.png}"
build="${BUILD_DIR:-$root/build/default}"
program="$build/app/main/logger-config-demo"
[[ -x "$program" ]] || program="$build/app/main/logger-config"
[[ -x "$program" ]] || { echo "build the default preset first: $program is missing" >&2; exit 1; }

display=":$((90 + RANDOM % 400))"
runtime="$(mktemp -d)"
cleanup() {
    [[ -n "${tool:-}" ]] && kill "$tool" 2>/dev/null || true
    [[ -n "${xserver:-}" ]] && kill "$xserver" 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

# Without a window manager the window has no frame and, centred, fills this screen exactly.
Xvfb "$display" -screen 0 1364x658x24 -nolisten tcp &
xserver=$!
sleep 1
DISPLAY="$display" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb "$program" >/dev/null &
tool=$!
sleep "${SCREENSHOT_DELAY:-3}"
mkdir -p "$(dirname "$output")"
DISPLAY="$display" import -window root "$output"
echo "wrote $output"
