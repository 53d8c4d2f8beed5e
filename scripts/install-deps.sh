#!/usr/bin/env bash
# Installs the Debian 12 packages the tool needs to build, run and be tested, and only those that
# are missing, so a second run costs nothing. The lists are in scripts/deps/, one file per concern;
# a word after '#' is a comment. Needs root, or sudo.
set -euo pipefail

deps="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/deps"
mapfile -t packages < <(sed 's/#.*//' "$deps"/*.txt | tr -s ' \t' '\n' | sed '/^$/d' | sort -u)

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
