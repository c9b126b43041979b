#!/usr/bin/env bash
# Sets up, builds and starts one program of programs/program_list.h (the
# first one listed when none is named).
set -euo pipefail
cd "$(dirname "$0")"
programs=$(scripts/program_names.sh)
program=${1:-$(echo "$programs" | head -n 1)}
if ! echo "$programs" | grep -qx -- "$program"; then
  echo "usage: ./run.sh [$(echo $programs | tr ' ' '|')]" >&2
  exit 2
fi
scripts/setup.sh
scripts/build.sh
exec build/programs/"$program"
