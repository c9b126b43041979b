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

# A display of its own: Xvfb picks a free number and tells it. It must not
# reset when its last client leaves, or a program starting just then finds
# no display.
display_file=$(mktemp)
Xvfb -displayfd 3 -noreset -screen 0 1920x1080x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$display_file")
unset WAYLAND_DISPLAY SDL_VIDEODRIVER
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# run PROGRAM TITLE ACTION: ACTION is "keys:..." to type, or "close".
run() {
  local program=$1 title=$2 action=$3
  "$bin_dir/$program" &
  local pid=$!
  local window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
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

echo "$((11 - failures)) passed, $failures failed"
[ $failures -eq 0 ]
