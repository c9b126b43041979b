#!/usr/bin/env bash
# Measures a program's real window on virtual screens of 1920x1080 and
# 3840x2160 (software GL, as on many school machines and virtual desktops):
#
#   bench/window_bench.sh BUILD_DIR [OTHER_PROGRAMS_DIR ...]
#
# BUILD_DIR is a build of this tree (its bench/window_bench drives the
# window); each OTHER_PROGRAMS_DIR is another build's programs folder,
# measured in the same run for comparison. Each figure is the run of one
# fresh process: start to menu, a key step on the number-line exercise
# (median of 40 keys), peak memory.
set -u
build=$1
shift
dirs=("$build/programs" "$@")
runs=${RUNS:-3}
for size in 1920x1080 3840x2160; do
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -n 1 "$display_file")
  rm -f "$display_file"
  for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
  for dir in "${dirs[@]}"; do
    for run in $(seq "$runs"); do
      echo "$size $dir: $("$build/bench/window_bench" "$dir/almeno" Almeno 40 2>&1)"
    done
  done
  kill $xvfb
  wait $xvfb 2>/dev/null
done
