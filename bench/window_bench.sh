#!/usr/bin/env bash
# Measures the programs' real windows on virtual screens of 1920x1080 and
# 3840x2160 (no GL, as on many school machines and virtual desktops):
#
#   bench/window_bench.sh BUILD_DIR [OTHER_PROGRAMS_DIR ...]
#
# BUILD_DIR is a build of this tree (its bench/window_bench drives the
# window); each OTHER_PROGRAMS_DIR is another build's programs folder,
# measured in the same run for comparison, program by program in turn, the
# builds taking turns to go first from one run to the next. Each
# line is the run of one fresh process: start to menu; idle at the menu;
# each program's heaviest keys: a topic's goal page (Enter at the main
# menu), the main menu drawn again (the goal page's end item), an answer
# page, and where the program has one, a step on a number line (arrow
# keys); peak memory; and the machine's load average as the run ended. The
# machine's load (uptime) is printed before the first run and after the
# last.
# RUNS (default 3) runs of each; PROGRAMS to measure fewer programs; CYCLES
# (default 8) times each measured key of a cycle; IDLE (default 5) seconds
# idle at the menu, 0 for none.
set -u
build=$1
shift
dirs=("$build/programs" "$@")
runs=${RUNS:-3}
options=(--idle "${IDLE:-5}")
[ "${IDLE:-5}" = 0 ] && options=()
[ -n "${CYCLES:-}" ] && options+=(--cycles "$CYCLES")

# The keys of each program are in bench/window_keys/PROGRAM (see
# window_key_file.h); a program without that file is measured from start to
# menu and idle only.
keys_dir=$(dirname "$0")/window_keys
# The programs, as the player lists them: name, title and end item.
mapfile -t programs < <("$build/tools/player" --list)

# The virtual X server, started as the window tests start theirs.
source "$(dirname "$0")/../tests/window/virtual_screen.sh"

echo "load before: $(uptime)"
for size in 1920x1080 3840x2160; do
  start_virtual_screen "$size"
  for entry in "${programs[@]}"; do
    IFS=$'\t' read -r program title _ <<<"$entry"
    case " ${PROGRAMS:-$program} " in *" $program "*) ;; *) continue ;; esac
    keys=()
    [ -f "$keys_dir/$program" ] && keys=("$keys_dir/$program")
    for run in $(seq "$runs"); do
      # Whichever build goes first in a run starts with the machine in
      # another state (caches, the X server's memory) than the next: run r
      # starts with build r, counted round, so that no build always goes
      # first.
      for turn in $(seq 0 $((${#dirs[@]} - 1))); do
        dir=${dirs[$(((run - 1 + turn) % ${#dirs[@]}))]}
        figures=$("$build/bench/window_bench" "${options[@]}" "$dir/$program" "$title" "${keys[@]}" 2>&1)
        echo "$size $program $dir: $figures; load average $(cut -d ' ' -f 1-3 /proc/loadavg)"
      done
    done
  done
  stop_virtual_screen
done
echo "load after: $(uptime)"
