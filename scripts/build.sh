#!/usr/bin/env bash
# Configures and builds everything into build/; with --checked, the checked
# build (AddressSanitizer and UndefinedBehaviorSanitizer) into build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--checked" ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=ON >/dev/null
  cmake --build build-asan -j "$(nproc)"
else
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j "$(nproc)"
fi
