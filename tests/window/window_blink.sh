#!/usr/bin/env bash
# The blink check (window_look blink) against a stand-in window that blinks
# its cursor on the phases it is given: it passes the stand-in that blinks
# as the programs do, and fails, each for its own reason, one that never
# blinks, one that blinks twice as fast or half as fast, one that stays on
# or off for longer than 2 s, one whose cursor goes neither white nor away
# when off, and one whose blink leaves a trace outside the cursor's square.
#
#   window_blink.sh TESTS_DIR
#
# TESTS_DIR holds window_look and blink_stand_in.
set -u
tests_dir=$1
failures=0
cases=0
source "$(dirname "$0")/virtual_screen.sh"
start_virtual_screen 1440x900

# check WHAT SAID ARGS...: the check on the stand-in started with ARGS ends
# with status 0 when SAID is empty, else with status 1 and a line of its
# own that matches SAID (an extended regular expression).
check() {
  local what=$1 said=$2
  shift 2
  cases=$((cases + 1))
  "$tests_dir/blink_stand_in" "$@" &
  local pid=$!
  local window output status
  window=$(find_window $pid "Blink stand-in")
  if [ -z "$window" ]; then
    echo "FAIL $what: the stand-in showed no window"
    failures=$((failures + 1))
    kill $pid 2>/dev/null
    wait $pid 2>/dev/null
    return
  fi
  output=$("$tests_dir/window_look" blink "$window")
  status=$?
  kill $pid
  wait $pid 2>/dev/null
  printf '%s\n' "$output" | sed 's/^/    /'
  if [ -z "$said" ] && [ $status -eq 0 ]; then
    echo "ok   $what: passed"
  elif [ -n "$said" ] && [ $status -eq 1 ] && printf '%s\n' "$output" | grep -Eq "^blink: ($said)"; then
    echo "ok   $what: failed as it should"
  else
    echo "FAIL $what: status $status, ${said:+not /$said/}"
    failures=$((failures + 1))
  fi
}

check "blinks every half second" "" 0.5
check "never blinks" "the cursor stayed on for|the cursor never changed" 1000
check "blinks twice as fast" "the mean phase is not about half a second|a phase of at most" 0.25
check "blinks half as fast" "the mean phase is not about half a second" 1.0
check "stays off for 2.6 s in turn" "the cursor stayed (on|off) for" 0.5 2.6
check "goes grey, not white" "the cursor's square is neither drawn nor white" --grey 0.5
check "leaves a trace" "the window changed outside the cursor" --trace 0.5

echo "$((cases - failures)) passed, $failures failed"
[ $failures -eq 0 ]
