#!/usr/bin/env bash
# Starts programs in a real window on a virtual X server of the page's own
# size (the window then draws the page pixel for pixel), types a key script,
# and checks that the window shows exactly what the headless page holds after
# the same keys: nothing drawn is left out of what the window updates, and
# where an answer field waits, its cursor blinks without leaving a trace.
#
#   window_pixels.sh PROGRAMS_DIR PLAYER
#
# The programs are those `PLAYER --list` gives; each is compared on the pages
# its row of `pages` below names.
set -u
bin_dir=$1
player=$2
failures=0
cases=0

# The pages compared, by program: key scripts as the player reads them, one
# a line. A program of the list without a row here fails the test.
declare -A pages=(
  [almeno]="1 Right Left x Up
4 Enter
4 Enter 1 Enter A A Right Right Right Left"
  [torvane]="1 Enter 1 Enter A A Right Left Left Left"
  [pellith]="5 Enter 3 Enter"
  [quorrel]="3 Enter 3 Enter Enter"
  [vindrel]="1 Enter 6 Enter"
)

source "$(dirname "$0")/virtual_screen.sh"
start_virtual_screen 1440x900

# same PROGRAM TITLE KEYS: KEYS as the player reads them.
same() {
  local program=$1 title=$2 keys=$3
  cases=$((cases + 1))
  "$bin_dir/$program" &
  local pid=$!
  local window
  window=$(find_window $pid "$title")
  if [ -z "$window" ]; then
    echo "FAIL $program: no window"
    failures=$((failures + 1))
    return
  fi
  # The keys go to a menu that waits for a number.
  if ! "$bin_dir/../tests/window_look" waiting "$window"; then
    echo "FAIL $program: its menu never waited for a number"
    failures=$((failures + 1))
    kill $pid
    wait $pid 2>/dev/null
    return
  fi
  # The X keys that type the script's keys.
  local names
  mapfile -t names < <("$bin_dir/../tests/window_look" keys "$keys")
  xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key --delay 150 "${names[@]}"
  # The look waits until the window shows what the keys drew.
  if ! "$bin_dir/../tests/window_look" same "$window" "$program" "$keys"; then
    echo "FAIL $program \"$keys\": the window differs from the headless page"
    failures=$((failures + 1))
  fi
  kill $pid
  wait $pid 2>/dev/null
}

source "$(dirname "$0")/program_list.sh"
read_program_list "$player"
for n in "${!names[@]}"; do
  name=${names[$n]}
  if [ -z "${pages[$name]+named}" ]; then
    echo "FAIL $name: no page to compare is named for it in $(basename "$0")"
    cases=$((cases + 1))
    failures=$((failures + 1))
    continue
  fi
  while IFS= read -r keys; do
    same "$name" "${titles[$n]}" "$keys" </dev/null
  done <<<"${pages[$name]}"
done

echo "$((cases - failures)) passed, $failures failed"
[ $failures -eq 0 ]
