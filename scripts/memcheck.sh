#!/usr/bin/env bash
# Runs the window tests under valgrind's memcheck, from the ordinary build (build/ or
# $VELKARON_BUILD_DIR, brought up to date first), and fails on any invalid read or write,
# invalid free or jump on uninitialised memory. Leaks are LeakSanitizer's business
# (scripts/sanitize.sh). Slow: about ten times the tests' own time.
#
#   scripts/memcheck.sh [TEST…]    default: every window test
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELKARON_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"

tests=("$@")
[ ${#tests[@]} -gt 0 ] || tests=(loading_window_test chameleon_button_test main_window_test copy_menu_test
  accessibility_test promotion_window_test desktop_browser_launcher_test bad_input_test window_cycles_test)
failed=0
for test in "${tests[@]}"; do
  log="$build/memcheck-$test.log"
  status=0
  QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=900000 valgrind --tool=memcheck --error-exitcode=99 \
    --leak-check=no --num-callers=30 "$build/tests/$test" >"$log" 2>&1 || status=$?
  summary=$(grep -o 'ERROR SUMMARY: [0-9]* errors' "$log" | tail -n1)
  invalid=$(grep -c -E 'Invalid (read|write|free)' "$log" || true)
  echo "$test : exit $status, $summary, $invalid invalid reads/writes/frees ($log)"
  [ "$status" -eq 0 ] || failed=1
done
exit "$failed"
