#!/usr/bin/env bash
# Fetches Debian's current kernel package for the test machine and unpacks it, never installing it:
# its vmlinuz and modules, with the module dependencies worked out on the unpacked tree. Kept in
# DIR until the archive offers a newer kernel. Usage: fetch-kernel.sh DIR
set -euo pipefail
dir="$1"
mkdir -p "$dir"
dir="$(cd "$dir" && pwd)"

# The archive lock is shared with the machine's other apt users.
apt_locked() { flock /tmp/apt.lock "$@"; }
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)

package() { apt-cache depends linux-image-amd64 2>/dev/null | sed -n 's/^ *Depends: \(linux-image-[0-9].*\)$/\1/p' | head -1; }
name="$(package)"
if [[ -z "$name" ]]; then
    apt_locked "${as_root[@]}" apt-get update -qq
    name="$(package)"
fi
[[ -n "$name" ]] || { echo "fetch-kernel: the archive names no kernel behind linux-image-amd64" >&2; exit 1; }
[[ -f "$dir/$name.ready" ]] && exit 0

rm -rf "$dir/tree" "$dir"/*.deb "$dir"/*.ready
download() { (cd "$dir" && apt_locked apt-get download -q "$name" 2>&1 | grep -v '^W: Download is performed unsandboxed' || true); }
download
# Package lists older than the archive name a kernel it no longer holds.
if ! ls "$dir/$name"_*.deb >/dev/null 2>&1; then
    apt_locked "${as_root[@]}" apt-get update -qq
    download
fi
deb=("$dir/$name"_*.deb)
[[ -f "${deb[0]}" ]] || { echo "fetch-kernel: could not download $name" >&2; exit 1; }
dpkg-deb -x "${deb[0]}" "$dir/tree"
rm -f "${deb[@]}"
version="$(ls "$dir/tree/lib/modules")"
depmod -b "$dir/tree" "$version"
touch "$dir/$name.ready"
