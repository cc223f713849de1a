#!/usr/bin/env bash
# Builds and runs the whole test suite. --sanitize builds with ASan + UBSan into build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
if [ "${1:-}" = "--sanitize" ]; then
  export BUILD_DIR=build-asan
  export ASAN_OPTIONS=detect_leaks=0
  bash scripts/build.sh -DSTICKWELL_SANITIZE=ON
else
  bash scripts/build.sh
fi
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j "$(nproc)" --timeout 900
