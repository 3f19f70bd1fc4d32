#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/
# (or $VELKARON_SANITIZE_BUILD_DIR) and runs the whole test suite there, the package test
# aside (it checks packaging, not code). Any report fails its test: the first error ends
# the process, and a leak found at exit fails it too, unless it is one of Qt's own listed
# and explained in tests/lsan.supp.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELKARON_SANITIZE_BUILD_DIR:-$root/build-asan}

# Also while building: test discovery runs the test programs.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0

VELKARON_BUILD_DIR=$build "$root/scripts/build.sh" -DVELKARON_SANITIZE=ON
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j "$(nproc)" -E '^package_test$'
