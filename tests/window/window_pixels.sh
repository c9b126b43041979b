#!/usr/bin/env bash
# Starts programs in a real window on a virtual X server of the page's own
# size (the window then draws the page pixel for pixel), types a key script,
# and checks that the window shows exactly what the headless page holds after
# the same keys: nothing drawn is left out of what the window updates.
set -u
bin_dir=$1
failures=0
cases=0

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
  sleep 0.5
  local names=() key
  for key in $keys; do
    case $key in
      Enter) names+=(Return) ;;
      Space) names+=(space) ;;
      ?) names+=("$(printf '%s' "$key" | tr 'A-Z' 'a-z')") ;;
      *) names+=("$key") ;;
    esac
  done
  xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key --delay 150 "${names[@]}"
  sleep 1
  if ! "$bin_dir/../tests/window_look" same "$window" "$program" "$keys"; then
    echo "FAIL $program \"$keys\": the window differs from the headless page"
    failures=$((failures + 1))
  fi
  kill $pid
  wait $pid 2>/dev/null
}

same almeno Almeno "4 Enter"
same almeno Almeno "4 Enter 1 Enter A A Right Right Right Left"
same torvane Torvane "1 Enter 1 Enter A A Right Left Left Left"
same pellith Pellith "5 Enter 3 Enter"
same quorrel Quorrel "3 Enter 3 Enter Enter"
same vindrel Vindrel "1 Enter 6 Enter"

echo "$((cases - failures)) passed, $failures failed"
[ $failures -eq 0 ]
