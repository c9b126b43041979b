#!/usr/bin/env bash
# Sets up, builds and starts one program: almeno (the default), torvane,
# pellith, vindrel or quorrel.
set -euo pipefail
cd "$(dirname "$0")"
program=${1:-almeno}
case $program in
  almeno|torvane|pellith|vindrel|quorrel) ;;
  *) echo "usage: ./run.sh [almeno|torvane|pellith|vindrel|quorrel]" >&2; exit 2 ;;
esac
scripts/setup.sh
scripts/build.sh
exec build/programs/"$program"
