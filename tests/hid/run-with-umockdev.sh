#!/bin/sh
# Runs a test program with umockdev's preload in place. The preload then comes before the
# AddressSanitizer runtime in the library list, which ASan would refuse without being told. The leak
# check leaves alone what hidapi itself keeps of a refused open.
here="$(dirname "$0")"
ASAN_OPTIONS="verify_asan_link_order=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
LSAN_OPTIONS="suppressions=$here/hidapi-leaks.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
    exec umockdev-wrapper "$@"
