#!/bin/busybox sh
# The test machine's first process: mounts what the tests need, loads the USB host and gadget
# stacks, runs the test program and powers the machine off. Its markers are read from the console.
/bin/busybox --install -s /bin
mount -t devtmpfs dev /dev
mount -t proc proc /proc
mount -t sysfs sys /sys
echo "MACHINE-UP"
while read -r module options; do
    insmod "$module" $options || echo "MACHINE-MODULE-FAILED $module"
done < /modules.list
mount -t configfs configfs /sys/kernel/config
filter="$(sed -n 's/.*kernel_test_filter=\([^ ]*\).*/\1/p' /proc/cmdline)"
cd /tmp
/tests/kernel_stack_test --gtest_color=no ${filter:+--gtest_filter=$filter}
echo "MACHINE-TESTS-EXIT $?"
poweroff -f
