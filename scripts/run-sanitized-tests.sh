#!/usr/bin/env bash
# Runs every test of the sanitizer build: AddressSanitizer with leak
# detection and UndefinedBehaviorSanitizer, both stopping at the first fault.
# Usage: run-sanitized-tests.sh BUILD_DIR [ctest args]
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:verify_asan_link_order=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0"
# The software OpenGL driver is otherwise unloaded before the leak check
# runs, and its allocations could then not be told apart from ours.
driver=/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so
if [ -f "$driver" ]; then export LD_PRELOAD="$driver"; fi

exec bash "$here/run-tests.sh" "$@"
