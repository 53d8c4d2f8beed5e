#!/usr/bin/env bash
# Installs the Debian 12 packages the tool needs to build, run and be tested, and only those that
# are missing, so a second run costs nothing. Needs root, or sudo.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config          # the build
    qt6-base-dev qt6-qpa-plugins              # the window, and its platform plugins for a desktop
    libhidapi-dev                             # the loggers on USB
    libgtest-dev libgmock-dev                 # the tests
    umockdev libumockdev-dev                  # the HID enumeration tests on a faked sysfs
    fonts-wqy-zenhei                          # the window's Chinese texts
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
echo "installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
