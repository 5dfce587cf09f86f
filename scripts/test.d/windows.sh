#!/usr/bin/env bash
# The Windows step of the test command: the whole game cross-built for 64-bit
# Windows (the SDK of Qt and SDL built first when it is missing), packaged as
# a zip and a setup program, its test programs run under Wine, the zip
# unpacked as Windows does and played under Wine on an X display of its own,
# the setup program installed, played, reinstalled and uninstalled under Wine
# (scripts/windows/test.sh).
# Usage: scripts/test.d/windows.sh NATIVE_BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
exec bash scripts/windows/test.sh "${1:-build}"
