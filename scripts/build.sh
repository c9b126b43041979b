#!/usr/bin/env bash
# Configures and builds everything into build/; with --checked, the checked
# build (AddressSanitizer and UndefinedBehaviorSanitizer) into build-asan/.
# Both treat every compiler warning as an error.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--checked" ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
  cmake --build build-asan -j "$(nproc)"
else
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    >/dev/null
  cmake --build build -j "$(nproc)"
fi
