#!/usr/bin/env bash
# The shell tests' one wait (wait_until, virtual_screen.sh) goes on for as
# long as the test's processes work, and gives up once they have done next
# to nothing for its patience (shortened here to 2 s); so does bounded,
# which runs a command under it.
#
#   wait_until_test.sh
set -u
source "$(dirname "$0")/virtual_screen.sh"
patience=2
# Processor time a spinner that ends uses: more than the patience, so that
# it runs for longer than the patience whatever the machine's load.
spin_ticks=$((3 * patience * clock_ticks / 2))
failures=0
cases=0

# ticks_used OWN|CHILDREN: leaves in ticks the processor time, in clock
# ticks, this process used itself, or its ended children used.
ticks_used() {
  local line
  read -r line </proc/$BASHPID/stat
  local -a fields=(${line##*) })
  case $1 in
    OWN) ticks=$((fields[11] + fields[12])) ;;
    CHILDREN) ticks=$((fields[13] + fields[14])) ;;
  esac
}
# spin [TICKS]: keeps a core busy until this process has used TICKS clock
# ticks of processor time; for ever without TICKS.
spin() {
  while :; do
    ticks_used OWN
    [ $# -gt 0 ] && [ $ticks -ge "$1" ] && return
  done
}
# spin_in_a_child: the spinner is a child this process waits for.
spin_in_a_child() {
  spin $spin_ticks &
  wait
}
# spin_in_turn: short-lived children spin one after the other, until their
# processor time (counted in this process once each has ended) is the
# spinner's.
spin_in_turn() {
  while ticks_used CHILDREN && [ $ticks -lt $spin_ticks ]; do
    (spin 5)
  done
}

# expect WHAT ENDS WAY COMMAND...: the wait for COMMAND, started in the
# background (WAY: "as it is", "stopped" by the test, or "set aside" in
# WAIT_TREE_ASIDE, as the X server is), sees it end when ENDS is yes, and
# gives up when it is no.
expect() {
  local what=$1 ends=$2 way=$3
  shift 3
  cases=$((cases + 1))
  "$@" &
  local pid=$!
  case $way in
    stopped) kill -STOP $pid ;;
    "set aside") WAIT_TREE_ASIDE=$pid ;;
  esac
  local seen=no
  wait_until "the fixture that $what to end" gone $pid && seen=yes
  WAIT_TREE_ASIDE=""
  kill -KILL $pid 2>/dev/null
  wait $pid 2>/dev/null
  if [ $seen = "$ends" ]; then
    echo "ok   $what: $([ $seen = yes ] && echo "seen to end" || echo "given up")"
  else
    echo "FAIL $what: $([ $seen = yes ] && echo "seen to end" || echo "given up")"
    failures=$((failures + 1))
  fi
}

expect "spins itself" yes "as it is" spin $spin_ticks
expect "spins in a child it waits for" yes "as it is" spin_in_a_child
expect "spins in short-lived children, one after the other" yes "as it is" spin_in_turn
expect "sleeps" no "as it is" sleep 1000
expect "spins, stopped by the test" no stopped spin
expect "spins, set aside as the X server is" no "set aside" spin

# bounded_ends WHAT STATUS COMMAND...: bounded runs COMMAND and ends with
# STATUS: the command's own once it ends, 124 when the wait gave up.
bounded_ends() {
  local what=$1 expected=$2
  shift 2
  cases=$((cases + 1))
  bounded "$@"
  local status=$?
  if [ $status -eq "$expected" ]; then
    echo "ok   bounded: $what: status $status"
  else
    echo "FAIL bounded: $what: status $status, not $expected"
    failures=$((failures + 1))
  fi
}
bounded_ends "a spinner" 0 spin $spin_ticks
bounded_ends "a sleeper" 124 sleep 1000

echo "$((cases - failures)) passed, $failures failed"
[ $failures -eq 0 ]
