#!/usr/bin/env bash
# Measures the programs' real windows on virtual screens of 1920x1080 and
# 3840x2160 (no GL, as on many school machines and virtual desktops):
#
#   bench/window_bench.sh BUILD_DIR [OTHER_PROGRAMS_DIR ...]
#
# BUILD_DIR is a build of this tree (its bench/window_bench drives the
# window); each OTHER_PROGRAMS_DIR is another build's programs folder,
# measured in the same run for comparison, program by program in turn. Each
# line is the run of one fresh process: start to menu; each program's
# heaviest keys: a topic's goal page (Enter at the main menu), the main
# menu drawn again (the goal page's end item), an answer page, and where the
# program has one, a step on a number line (arrow keys); peak memory.
# RUNS (default 3) runs of each; PROGRAMS to measure fewer programs.
set -u
build=$1
shift
dirs=("$build/programs" "$@")
runs=${RUNS:-3}
cycles=${CYCLES:-8}

enters() { printf 'Return %.0s' $(seq "$1"); }
# The key groups of a program, one a line: "N: KEYS" is done N times;
# LABEL=KEY is measured.
groups() {
  local goal="$cycles: $2 goal=Return $3 menu=Return"
  case $1 in
    almeno) printf "%s\n" "$goal" "1: 3 Return" "$cycles: 2 answer=Return $(enters 10)" \
                 "1: 7 Return 4 Return 1 Return a a" "20: arrow=Right arrow=Left" ;;
    torvane) printf "%s\n" "$goal" "1: 7 Return" "$cycles: 3 answer=Return Return Return Return Return" \
                  "1: 4 Return 1 Return 1 Return a a" "20: arrow=Right arrow=Left" ;;
    pellith) printf "%s\n" "$goal" "1: 5 Return" "$cycles: 3 answer=Return" ;;
    vindrel) printf "%s\n" "$goal" "1: 3 Return" "$cycles: 3 answer=Return" ;;
    quorrel) printf "%s\n" "$goal" "1: 3 Return" "$cycles: 3 answer=Return $(enters 9)" ;;
  esac
}
# program, title, topic whose goal page is measured, that page's end item
programs=("almeno Almeno 4 3" "torvane Torvane 1 8" "pellith Pellith 1 8" "vindrel Vindrel 1 6"
          "quorrel Quorrel 1 6")

for size in 1920x1080 3840x2160; do
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -n 1 "$display_file")
  rm -f "$display_file"
  for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
  for entry in "${programs[@]}"; do
    read -r program title topic end <<<"$entry"
    case " ${PROGRAMS:-$program} " in *" $program "*) ;; *) continue ;; esac
    mapfile -t keys < <(groups "$program" "$topic" "$end")
    for run in $(seq "$runs"); do
      for dir in "${dirs[@]}"; do
        echo "$size $program $dir: $("$build/bench/window_bench" "$dir/$program" "$title" "${keys[@]}" 2>&1)"
      done
    done
  done
  kill $xvfb
  wait $xvfb 2>/dev/null
done
