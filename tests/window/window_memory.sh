#!/usr/bin/env bash
# Starts each program in a real window on a virtual X server under a limit on
# its address space (ulimit -v), swept from a limit at which the system's
# loader cannot start it at all (status 127: nothing is asked there) up to
# one at which it opens its window and ends through its menu's end item. At
# every limit in between the program either does that, showing its whole
# menu (the headless page's pixels) and nothing on standard error, status 0,
# or ends with status 1 and one line on standard error that says memory ran
# out: never a crash, its message or its box, never a page drawn in part,
# never a font said missing, never a library's own lines.
#
#   window_memory.sh PROGRAMS_DIR PLAYER
set -u
bin_dir=$1
player=$2
failures=0
checks=0
source "$(dirname "$0")/program_list.sh"
read_program_list "$player"

source "$(dirname "$0")/virtual_screen.sh"
# The page's own size: the window shows it pixel for pixel.
start_virtual_screen 1440x900

err=$(mktemp)
trap 'stop_virtual_screen; rm -f "$err"' EXIT

# start_under LIMIT PROGRAM TITLE END: one start under the limit; prints
# "loader" for status 127, "ok" for a run that passes, else why it fails.
start_under() {
  local limit=$1 program=$2 title=$3 end=$4
  (ulimit -v "$limit" && exec "$bin_dir/$program") >/dev/null 2>"$err" &
  local pid=$!
  local window look=""
  window=$(find_window $pid "$title")
  if [ -n "$window" ]; then
    # The window showed (it may still end for lack of memory, as its page
    # is drawn): once drawn, it shows the whole menu (the look waits for
    # it), and the end item ends it.
    look=$("$bin_dir/../tests/window_look" same "$window" "$program" "" 2>&1) && look=""
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool type --delay 30 "$end" 2>/dev/null
    xdotool key Return 2>/dev/null
    wait_until "$program to end under $limit KB" gone $pid
    kill -9 $pid 2>/dev/null
  fi
  wait $pid
  local status=$?
  local lines
  lines=$(wc -l <"$err")
  if [ $status -eq 127 ]; then
    echo loader
  elif [ $status -eq 0 ] && [ -n "$window" ] && [ -z "$look" ] && [ "$lines" -eq 0 ]; then
    echo ok
  elif [ $status -eq 1 ] && [ "$lines" -eq 1 ] && grep -q ': out of memory$' "$err"; then
    echo "ok: $(cat "$err")"
  else
    echo "status $status, window ${window:-none} ${look}: $(head -c 300 "$err")"
  fi
}

for n in "${!names[@]}"; do
  program=${names[$n]}
  loaded=0 whole=0 limit=20000 said_memory=0
  while [ $whole -lt 2 ] && [ $limit -le 200000 ]; do
    result=$(start_under $limit "$program" "${titles[$n]}" "${ends[$n]}")
    case $result in
      loader)
        if [ $loaded -eq 1 ]; then
          echo "FAIL $program under $limit KB: status 127 above a limit it started at"
          failures=$((failures + 1))
        fi ;;
      ok) loaded=1 whole=$((whole + 1)) ;;
      ok:*) loaded=1 whole=0 said_memory=$((said_memory + 1)) ;;
      *)
        loaded=1 whole=0
        echo "FAIL $program under $limit KB: $result"
        failures=$((failures + 1)) ;;
    esac
    limit=$((limit + 1000))
  done
  checks=$((checks + 1))
  if [ $whole -lt 2 ]; then
    echo "FAIL $program: it did not run under any limit up to 200000 KB"
    failures=$((failures + 1))
  elif [ $said_memory -eq 0 ]; then
    echo "FAIL $program: no limit let it start and then run out of memory"
    failures=$((failures + 1))
  else
    echo "ok   $program: $said_memory limits said memory ran out; whole from $((limit - 2000)) KB"
  fi
done

echo "$((checks - failures)) passed, $failures failed"
[ $failures -eq 0 ]
