#!/usr/bin/env bash
# Fuzzes the layout and record readers, the layout loader and the share-code
# decoder for a short while: a separate clang build with libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, each target started from a
# copy of its seed corpus. Exits non-zero when a target crashes; the
# crashing input is kept in build-fuzz/fuzz-artifacts/.
# Usage: scripts/test.d/fuzz.sh [main build dir, unused]
# QUELLAN_FUZZ_SECONDS sets the time per target (default 15).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${QUELLAN_FUZZ_BUILD_DIR:-build-fuzz}
seconds=${QUELLAN_FUZZ_SECONDS:-15}
targets=(layout_reader record_reader layout_loader share_code)

CC=clang CXX=clang++ cmake -S . -B "$build" -DQUELLAN_FUZZ=ON -DQUELLAN_CORE_ONLY=ON \
  -DQUELLAN_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

work=$(mktemp -d)
# The loader target writes its files on every run: keep them in memory.
files=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$work" "$files"' EXIT
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
status=0
for target in "${targets[@]}"; do
  mkdir -p "$work/$target"
  cp fuzz/corpus/"$target"/* "$work/$target/"
  echo "fuzzing $target for ${seconds}s"
  if TMPDIR="$files" "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
      -dict="fuzz/$target.dict" -artifact_prefix="$artifacts/$target-" -print_final_stats=1 \
      "$work/$target" >"$work/$target.log" 2>&1; then
    grep -E '^Done [0-9]+ runs' "$work/$target.log" || true
  else
    echo "fuzz_$target FAILED; its last output:" >&2
    tail -n 60 "$work/$target.log" >&2
    status=1
  fi
done
exit $status
