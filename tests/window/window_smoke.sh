#!/usr/bin/env bash
# Starts each program in a real window on a virtual X server and checks that
# it ends with status 0: once through its menu's end item, once by closing its
# window. Without a display a program must say so and end at once.
set -u
bin_dir=$1
failures=0

# no_window PROGRAM ENV...: with no display to show it on, the program ends
# within a second with status 1 and one line on standard error.
no_window() {
  local program=$1
  shift
  local err status start end
  start=$(date +%s%N)
  err=$(env "$@" timeout 5 "$bin_dir/$program" 2>&1 >/dev/null)
  status=$?
  end=$(date +%s%N)
  local lines
  lines=$(printf '%s\n' "$err" | wc -l)
  if [ $status -ne 1 ] || [ "$lines" -ne 1 ] || [ $(((end - start) / 1000000)) -gt 1000 ]; then
    echo "FAIL $program ($*): status $status after $(((end - start) / 1000000)) ms: $err"
    failures=$((failures + 1))
  else
    echo "ok   $program ($*): $err"
  fi
}
no_window almeno -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER
no_window quorrel SDL_VIDEODRIVER=offscreen
no_window vindrel SDL_VIDEODRIVER=dummy

source "$(dirname "$0")/virtual_screen.sh"
start_virtual_screen 1920x1080

# run PROGRAM TITLE ACTION: ACTION is "keys:..." to type, or "close".
run() {
  local program=$1 title=$2 action=$3
  "$bin_dir/$program" &
  local pid=$!
  local window
  window=$(find_window $pid "$title")
  if [ -n "$window" ]; then
    sleep 0.5
    case $action in
      idle:*) # Waiting for a key must not keep a core busy: well under 5 %
              # of one core over three seconds (a busy wait takes all of it).
              # The first second after the window shows is left to start-up.
              sleep 1
              local hz before after
              hz=$(getconf CLK_TCK)
              before=$(awk '{print $14 + $15}' /proc/$pid/stat)
              sleep 3
              after=$(awk '{print $14 + $15}' /proc/$pid/stat)
              if [ $((after - before)) -gt $((hz * 3 / 20)) ]; then
                echo "FAIL $program: busy while idle ($((after - before)) ticks in 3 s)"
                failures=$((failures + 1))
              fi
              xdotool windowfocus --sync "$window" 2>/dev/null
              xdotool type --delay 50 "${action#idle:}"
              xdotool key Return ;;
      look:*) # The menu's cursor blinks and nothing else changes; the idle
              # program takes well under 1 % of a core over 20 s (the blink
              # wakes it twice a second); a resized window shows the whole
              # page; then the keys.
              sleep 1
              "$bin_dir/../tests/window_look" blink "$window" || {
                echo "FAIL $program: the cursor does not blink as it should"
                failures=$((failures + 1))
              }
              local hz before after
              hz=$(getconf CLK_TCK)
              before=$(awk '{print $14 + $15}' /proc/$pid/stat)
              sleep 20
              after=$(awk '{print $14 + $15}' /proc/$pid/stat)
              echo "idle at the menu: $((after - before)) ticks of $((hz * 20)) in 20 s" \
                   "($(awk "BEGIN {printf \"%.2f\", 100 * $((after - before)) / ($hz * 20)}") % of a core)"
              if [ $((after - before)) -gt $((hz * 20 / 100)) ]; then
                echo "FAIL $program: busy while idle"
                failures=$((failures + 1))
              fi
              "$bin_dir/../tests/window_look" fit "$window" || {
                echo "FAIL $program: the page does not fill the window"
                failures=$((failures + 1))
              }
              xdotool windowsize "$window" 900 760
              sleep 1
              "$bin_dir/../tests/window_look" fit "$window" || {
                echo "FAIL $program: the resized window does not show the whole page"
                failures=$((failures + 1))
              }
              xdotool windowfocus --sync "$window" 2>/dev/null
              xdotool type --delay 50 "${action#look:}"
              xdotool key Return ;;
      pad:*)  # The keypad's digits and Enter.
              xdotool windowfocus --sync "$window" 2>/dev/null
              xdotool key --delay 50 ${action#pad:} ;;
      keys:*) xdotool windowfocus --sync "$window" 2>/dev/null
              xdotool type --delay 50 "${action#keys:}"
              xdotool key Return ;;
      close)  "$bin_dir/../tests/close_window" "$window" ;;
    esac
  fi
  local waited=0
  while kill -0 $pid 2>/dev/null && [ $waited -lt 300 ]; do sleep 0.1; waited=$((waited + 1)); done
  if kill -0 $pid 2>/dev/null; then
    echo "FAIL $program ($action): still running"
    kill -9 $pid
    failures=$((failures + 1))
    return
  fi
  wait $pid
  local status=$?
  if [ $status -ne 0 ]; then
    echo "FAIL $program ($action): exit status $status"
    failures=$((failures + 1))
  else
    echo "ok   $program ($action)"
  fi
}

run almeno Almeno keys:7
run torvane Torvane keys:8
run pellith Pellith keys:7
run vindrel Vindrel keys:6
run quorrel Quorrel keys:8
run almeno Almeno close
run quorrel Quorrel close
run torvane Torvane idle:8
run almeno Almeno look:7
run vindrel Vindrel "pad:KP_6 KP_Enter"

echo "$((13 - failures)) passed, $failures failed"
[ $failures -eq 0 ]
