#!/usr/bin/env bash
# Writes the operation log of the walk through every program, under two
# clocks (and so two random seeds): OUT/PROGRAM-hhmmss.log. Run it on two
# builds and compare the folders (`diff -r`) to see whether a change altered
# anything a page draws.
#   tests/programs/walk_logs.sh BUILD_DIR OUT_DIR
set -euo pipefail
build=${1:?usage: walk_logs.sh BUILD_DIR OUT_DIR}
out=${2:?usage: walk_logs.sh BUILD_DIR OUT_DIR}
mkdir -p "$out"
for program in $("$build"/tools/player --list | cut -f 1); do
  for clock in 12:00:00 18:42:08; do
    name="$out/$program-${clock//:/}"
    "$build"/tests/walk_keys "$program" "$clock" > "$name.keys"
    ending=$("$build"/tools/player "$program" @"$name.keys" - --log "$name.log" --time "$clock")
    echo "$program $clock: $(wc -w < "$name.keys") keys, $ending"
  done
done
