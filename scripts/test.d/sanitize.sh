#!/usr/bin/env bash
# Runs the game core's tests once more in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer, so memory faults and undefined behaviour in the
# rules fail the test run.
# Usage: scripts/test.d/sanitize.sh NATIVE_BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
native=${1:-build}
build=${QUELLAN_SANITIZE_BUILD_DIR:-${native%/}-asan}
mkdir -p "$build"
cmake -S . -B "$build" -DQUELLAN_CORE_ONLY=ON -DQUELLAN_SANITIZE=ON -DQUELLAN_BENCHMARKS=OFF \
  -DCMAKE_BUILD_TYPE=Debug >"$build/configure.log" 2>&1 || { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j"$(nproc)" --target quellan_core_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
