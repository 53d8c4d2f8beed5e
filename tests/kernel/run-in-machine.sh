#!/usr/bin/env bash
# Builds the test machine's initramfs around the test program, boots Debian's kernel on it in qemu
# and passes or fails as the test program inside did. A machine that does not boot is a failure.
# Usage: run-in-machine.sh KERNEL_DIR WORK_DIR TEST_PROGRAM
# KERNEL_TEST_FILTER, when set, runs only those tests (a gtest filter).
set -euo pipefail
kernel_dir="$1"
work="$2"
program="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

tree="$kernel_dir/tree"
vmlinuz="$(ls "$tree"/boot/vmlinuz-* 2>/dev/null | head -1 || true)"
if [[ -z "$vmlinuz" ]]; then
    echo "no kernel in $kernel_dir: run tests/kernel/fetch-kernel.sh $kernel_dir (scripts/passes/kernel.sh does)" >&2
    exit 1
fi
version="$(ls "$tree/lib/modules")"

root="$work/root"
rm -rf "$root"
mkdir -p "$root"/{bin,dev,proc,sys,tmp,tests,lib/modules}
cp /bin/busybox "$root/bin/busybox"
cp "$here/init.sh" "$root/init"

# The host and gadget stacks with everything they need, in loading order; two ports on the dummy
# controller for a second logger.
for module in usbcore usbhid hid_generic dummy_hcd libcomposite usb_f_hid; do
    modprobe -d "$tree" -S "$version" --show-depends "$module"
done | awk '$1 == "insmod" && !seen[$2]++ { print $2 }' | while read -r module; do
    cp "$module" "$root/lib/modules/"
    options=""
    [[ "$(basename "$module")" == dummy_hcd.ko ]] && options="num=2"
    echo "/lib/modules/$(basename "$module") $options"
done >"$root/modules.list"

# The test program, stripped, with its shared libraries where the dynamic loader looks.
strip -o "$root/tests/kernel_stack_test" "$program"
ldd "$program" | grep -o '/[^ ]*' | sort -u | while read -r library; do
    mkdir -p "$root$(dirname "$library")"
    cp -L "$library" "$root$library"
done
# The C library's code page 936 and UTF-16 converters, for the logger's texts.
gconv=/usr/lib/x86_64-linux-gnu/gconv
mkdir -p "$root$gconv"
cp -r "$gconv"/gconv-modules "$gconv"/gconv-modules.d "$gconv"/gconv-modules.cache "$gconv"/GBK.so \
    "$gconv"/UTF-16.so "$root$gconv/"
(cd "$root" && find . | cpio -o -H newc --quiet) >"$work/initramfs.cpio"

console="$work/console.log"
boot() {
    local limit="$1" accel="$2" append="$3"
    # A console left from an earlier boot must not pass for this one.
    rm -f "$console"
    timeout --kill-after=5 "$limit" qemu-system-x86_64 -accel "$accel" -m 1024 -smp 2 -no-reboot \
        -display none -monitor none -serial "file:$console" \
        -kernel "$vmlinuz" -initrd "$work/initramfs.cpio" \
        -append "console=ttyS0 quiet panic=-1 $append" || true
}

# KVM only if a bounded trial boot shows it works: a nested machine may offer it and hang.
accel=tcg
if [[ -r /dev/kvm && -w /dev/kvm ]]; then
    boot 30 kvm "kernel_test_filter=NoTest"
    grep -q "MACHINE-TESTS-EXIT" "$console" && accel=kvm
fi

boot 250 "$accel" "${KERNEL_TEST_FILTER:+kernel_test_filter=$KERNEL_TEST_FILTER}"
touch "$console"
tr -d '\r' <"$console" | sed -n '/^MACHINE-UP/,$p'
if ! grep -q "MACHINE-UP" "$console"; then
    echo "the test machine did not boot ($accel); its console is in $console" >&2
    exit 1
fi
grep -q "MACHINE-MODULE-FAILED" "$console" && { echo "a kernel module did not load" >&2; exit 1; }
grep -q "^MACHINE-TESTS-EXIT 0" <(tr -d '\r' <"$console") || {
    echo "the tests in the machine failed or did not finish" >&2
    exit 1
}
