#!/bin/sh
# Runs a test program with umockdev's preload in place. The preload then comes before the
# AddressSanitizer runtime in the library list, which ASan would refuse without being told.
ASAN_OPTIONS="verify_asan_link_order=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}" exec umockdev-wrapper "$@"
