#!/usr/bin/env bash
# Cross-builds the game core and its unit tests for 64-bit Windows and runs
# them under Wine, in a fresh Wine prefix that is thrown away afterwards.
# Usage: scripts/test.d/windows.sh NATIVE_BUILD_DIR
# The Windows build goes beside the native one, in NATIVE_BUILD_DIR-win
# (QUELLAN_WIN_BUILD_DIR overrides it). Fails when any test fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
native=${1:-build}
build=${QUELLAN_WIN_BUILD_DIR:-${native%/}-win}

now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.1f", b - a }'; }

t0=$(now)
# Unoptimised by default: it builds in about a third of the time of an
# optimised build on this machine, and assertions stay on.
build_type=${QUELLAN_WIN_BUILD_TYPE:-None}
mkdir -p "$build"
cmake -S cmake/windows -B "$build" -DCMAKE_BUILD_TYPE="$build_type" \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" >"$build/configure.log" 2>&1 ||
  { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j2 --target quellan_core_tests
exe=$(cat "$build/quellan_core_tests.path")
echo "windows: cross build took $(since "$t0") s: $exe"

# A prefix of our own, thrown away afterwards (scripts/windows/wine_prefix.sh).
unset DISPLAY WAYLAND_DISPLAY
source scripts/windows/wine_prefix.sh
trap wine_prefix_cleanup EXIT
wine_prefix_boot

# The tests find the shipped assets by their absolute Unix path, which Wine
# resolves on drive Z: when the working folder is there too.
log="$build/quellan_core_tests.log"
t0=$(now)
set +e
"$WINE" "$exe" --gtest_brief=1 --gtest_color=no >"$log" 2>&1
rc=$?
set -e
took=$(since "$t0")
tr -d '\r' <"$log" >"$log.txt" && mv "$log.txt" "$log"
cat "$log"

# The closing lines of GoogleTest (--gtest_brief keeps only those and the
# failures): "[==========] N tests from M test suites ran.", "[  PASSED  ] N
# tests.", "[  SKIPPED ] N tests." and "[  FAILED  ] N tests, listed below:".
total=$(sed -n 's/^\[==========\] \([0-9]*\) tests\{0,1\} from .* ran.*/\1/p' "$log" | tail -1)
passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\..*/\1/p' "$log" | tail -1)
skipped=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\{0,1\}[.,].*/\1/p' "$log" | tail -1)
total=${total:-0} passed=${passed:-0} skipped=${skipped:-0}
failed=$((total - passed - skipped))
echo "windows: $total tests under Wine in $took s"
if [ "$rc" -ne 0 ] || [ "$total" -eq 0 ] || [ "$failed" -ne 0 ]; then
  [ "$failed" -gt 0 ] || failed=1
  echo "windows: the test program failed under Wine (exit code $rc, log in $log)"
  echo "windows: $passed passed, $failed failed, $skipped skipped"
  exit 1
fi
echo "windows: $passed passed, $failed failed, $skipped skipped"
