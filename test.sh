#!/usr/bin/env bash
# Sets up, builds and runs every test, key storms included: once on the
# normal build (build/), once on the checked build (build-asan/), where
# AddressSanitizer and UndefinedBehaviorSanitizer stop at the first fault.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh
scripts/build.sh --checked
ctest --test-dir build --output-on-failure -j "$(nproc)"
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
