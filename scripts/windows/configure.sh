#!/usr/bin/env bash
# Configures the Windows cross build of the game against the SDK.
# Usage: scripts/windows/configure.sh BUILD_DIR SDK_DIR BUILD_TYPE
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$1 sdk=$2 type=$3
args=(-DCMAKE_BUILD_TYPE="$type" -DQUELLAN_WIN_SDK="$sdk"
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake")
if [ ! -f "$build/CMakeCache.txt" ]; then
  command -v ninja >/dev/null && args+=(-G Ninja)
  if command -v ccache >/dev/null; then
    args+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
fi
mkdir -p "$build"
cmake -S cmake/windows -B "$build" "${args[@]}" >"$build/configure.log" 2>&1 ||
  { cat "$build/configure.log"; exit 1; }
