#!/usr/bin/env bash
# Starts each program in a real window on a virtual X server and checks that
# it carries its own icon and ends with status 0: every program through its
# menu's end item, some also by closing their window, by another client
# destroying it, idling, resizing or typing on the keypad. Without a
# display or without its fonts a program must say so and end. A program
# that fails on purpose shows where a runtime error lies (its error screen
# also with standard error closed), and its crash message and box, which
# goes when its process is ended.
#
# No step waits a fixed time: each waits for what it stands for (the window,
# the menu waiting for a number, the program's message, its end), for as
# long as the test's processes work, and fails once they have done next to
# nothing for a minute. The idle checks count the program's own processor
# time over some seconds.
#
#   window_smoke.sh PROGRAMS_DIR PLAYER
#
# The programs are those `PLAYER --list` gives: name, title and end item.
set -u
bin_dir=$1
player=$2
failures=0
checks=0
source "$(dirname "$0")/program_list.sh"
read_program_list "$player"
count=${#names[@]}
# The waits (wait_until, bounded) and the virtual X server.
source "$(dirname "$0")/virtual_screen.sh"

# no_window PROGRAM ENV...: with no display to show it on, the program ends
# with status 1 and one line on standard error (it takes a fraction of a
# second: one still running when the wait gives up on it hangs).
no_window() {
  local program=$1
  shift
  local err status
  checks=$((checks + 1))
  err=$(bounded env "$@" "$bin_dir/$program" 2>&1 >/dev/null)
  status=$?
  local lines
  lines=$(printf '%s\n' "$err" | wc -l)
  if [ $status -ne 1 ] || [ "$lines" -ne 1 ]; then
    [ $status -eq 124 ] && err="still running, doing next to nothing: $err"
    echo "FAIL $program ($*): status $status: $err"
    failures=$((failures + 1))
  else
    echo "ok   $program ($*): $err"
  fi
}
# The programs of the list in turn.
no_window "${names[0]}" -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER
no_window "${names[$((count - 1))]}" SDL_VIDEODRIVER=offscreen
no_window "${names[$((3 % count))]}" SDL_VIDEODRIVER=dummy

start_virtual_screen 1920x1080

# expect_end PID STATUS WHAT: waits for the program to end; fails unless it
# ended with STATUS.
expect_end() {
  local pid=$1 expected=$2 what=$3
  checks=$((checks + 1))
  wait_until "$what to end" gone $pid
  if kill -0 $pid 2>/dev/null; then
    echo "FAIL $what: still running"
    kill -9 $pid
    failures=$((failures + 1))
    return
  fi
  wait $pid
  local status=$?
  if [ $status -ne "$expected" ]; then
    echo "FAIL $what: exit status $status"
    failures=$((failures + 1))
  else
    echo "ok   $what"
  fi
}

# cpu_ticks PID: the processor time the process used so far, in clock ticks.
cpu_ticks() {
  awk '{print $14 + $15}' /proc/$1/stat
}

# settled PID: waits until the program's start-up work is done (it readies
# its first pages' glyphs during its first wait for a key): its processor
# time stands still for half a second.
settled() {
  wait_until "process $1 to finish its start-up work" still_for_half_a_second $1
}
# still_for_half_a_second PID: the process's processor time stands still
# over half a second.
still_for_half_a_second() {
  local before
  before=$(cpu_ticks $1)
  sleep 0.5
  [ "$(cpu_ticks $1)" = "$before" ]
}

# at_menu PROGRAM PID WINDOW: waits until the program's menu waits for a
# number; fails the check and ends the program when it never does.
at_menu() {
  "$bin_dir/../tests/window_look" waiting "$3" && return
  checks=$((checks + 1))
  echo "FAIL $1: its menu never waited for a number"
  failures=$((failures + 1))
  kill -9 $2
  return 1
}

# icon_is PROGRAM WINDOW: the window carries the program's own icon, its
# tile in the colour of the program's place in the list.
icon_is() {
  checks=$((checks + 1))
  local said
  if said=$("$bin_dir/../tests/window_look" icon "$2" "$1"); then
    echo "ok   $1: $said"
  else
    echo "FAIL $1: not its own icon: $said"
    failures=$((failures + 1))
  fi
}

# run PROGRAM TITLE ACTION: ACTION is "keys:..." to type, "close" for the
# close box, or "destroy" for another client destroying the window.
run() {
  local program=$1 title=$2 action=$3
  "$bin_dir/$program" &
  local pid=$!
  local window
  window=$(find_window $pid "$title")
  if [ -n "$window" ] && at_menu "$program" $pid "$window"; then
    case $action in
      idle:*) # Waiting for a key must not keep a core busy: well under 5 %
              # of one core over three seconds (a busy wait takes all of it),
              # counted in the program's own processor time, which a busy
              # machine does not stretch. Start-up's work is left out.
              settled $pid
              local hz before after
              hz=$(getconf CLK_TCK)
              before=$(cpu_ticks $pid)
              sleep 3
              after=$(cpu_ticks $pid)
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
              "$bin_dir/../tests/window_look" blink "$window" || {
                echo "FAIL $program: the cursor does not blink as it should"
                failures=$((failures + 1))
              }
              local hz before after
              hz=$(getconf CLK_TCK)
              settled $pid
              before=$(cpu_ticks $pid)
              sleep 20
              after=$(cpu_ticks $pid)
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
              "$bin_dir/../tests/window_look" fit "$window" 900x760 || {
                echo "FAIL $program: the resized window does not show the whole page"
                failures=$((failures + 1))
              }
              xdotool windowfocus --sync "$window" 2>/dev/null
              xdotool type --delay 50 "${action#look:}"
              xdotool key Return ;;
      pad:*)  # The keypad's digits and Enter.
              xdotool windowfocus --sync "$window" 2>/dev/null
              xdotool key --delay 50 ${action#pad:} ;;
      keys:*) icon_is "$program" "$window"
              xdotool windowfocus --sync "$window" 2>/dev/null
              xdotool type --delay 50 "${action#keys:}"
              xdotool key Return ;;
      close)  "$bin_dir/../tests/close_window" "$window" ;;
      destroy) xdotool windowclose "$window" ;;
    esac
  fi
  expect_end $pid 0 "$program ($action)"
}

# Without its fonts every Japanese text would be empty boxes: the program
# says which font is missing, in one line, and ends with status 1.
no_fonts_conf=$(mktemp)
printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' >"$no_fonts_conf"
no_window "${names[1 % count]}" FONTCONFIG_FILE="$no_fonts_conf"
checks=$((checks + 1))
case $(FONTCONFIG_FILE="$no_fonts_conf" bounded "$bin_dir/${names[1 % count]}" 2>&1) in
  *IPAGothic*) ;;
  *) echo "FAIL ${names[1 % count]}: the missing font is not named"; failures=$((failures + 1)) ;;
esac
rm -f "$no_fonts_conf"

# run_nth N ACTION: the list's Nth program (from 0, wrapping round).
run_nth() {
  local n=$(($1 % count))
  run "${names[$n]}" "${titles[$n]}" "${2//END/${ends[$n]}}"
}
for n in $(seq 0 $((count - 1))); do run_nth "$n" keys:END; done
run_nth 0 close
run_nth $((count - 1)) close
run_nth 1 idle:END
run_nth 0 look:END
# The end item's digits and Enter on the keypad.
n=$((3 % count))
pad=""
for digit in $(echo "${ends[$n]}" | grep -o .); do pad+="KP_$digit "; done
run_nth "$n" "pad:${pad}KP_Enter"
# Another client destroys the window.
run_nth 2 destroy

# faulty CHOICE: starts the program that fails on purpose, picks CHOICE from
# its menu and waits until it says something on standard error (the error
# screen's line, or the crash message); leaves its pid in faulty_pid, its
# window in faulty_window and its standard error in faulty_err.
faulty_err=$(mktemp)
faulty() {
  "$bin_dir/../tests/fault_program" 2>"$faulty_err" &
  faulty_pid=$!
  faulty_window=$(find_window $faulty_pid Faulty)
  [ -n "$faulty_window" ] && at_menu Faulty $faulty_pid "$faulty_window" || return
  xdotool windowfocus --sync "$faulty_window" 2>/dev/null
  xdotool type --delay 50 "$1"
  xdotool key Return
  wait_until "Faulty to say something on standard error" [ -s "$faulty_err" ]
}
# A runtime error: the screen shows its line, standard error also names the
# file; the window destroyed at the error screen ends the program with 0.
faulty 1
xdotool windowclose "$faulty_window"
expect_end $faulty_pid 0 "error screen, window destroyed"
checks=$((checks + 1))
if ! grep -Eqx 'Faulty: error screen: ([0-9]+),9 \(tests/window/fault_program.cpp:\1\)' "$faulty_err" ||
   [ "$(wc -l <"$faulty_err")" -ne 1 ]; then
  echo "FAIL the error line with its file: $(cat "$faulty_err")"
  failures=$((failures + 1))
fi

# Started with standard error closed, the program keeps descriptor 2
# closed: its display's connection takes another number, so the error line
# goes nowhere rather than into the connection. The error screen shows, and
# the window destroyed there ends the program with 0.
"$bin_dir/../tests/fault_program" 2>&- &
closed_pid=$!
closed_window=$(find_window $closed_pid Faulty)
if [ -n "$closed_window" ] && at_menu Faulty $closed_pid "$closed_window"; then
  xdotool windowfocus --sync "$closed_window" 2>/dev/null
  xdotool type --delay 50 1
  xdotool key Return
  checks=$((checks + 1))
  if ! "$bin_dir/../tests/window_look" error "$closed_window"; then
    echo "FAIL the error screen with standard error closed"
    failures=$((failures + 1))
  fi
  xdotool windowclose "$closed_window"
fi
expect_end $closed_pid 0 "error screen with standard error closed, window destroyed"

# crash_box CHOICE: the program that fails on purpose, crashed by CHOICE;
# leaves the id of its message box's window in box ("" when none shows): a
# dialog window of the program's name.
crash_box() {
  faulty "$1"
  box=""
  wait_until "Faulty's message box" box_shows
}
# box_shows: true once a dialog window of the program's name shows (its id
# then in box).
box_shows() {
  local window
  for window in $(xwininfo -root -tree | awk '/"Faulty"/ {print $1}'); do
    xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _DIALOG && box=$window
  done
  [ -n "$box" ]
}

# crash CHOICE LABEL: a crash past the error trap (a fault, or an exception
# that nothing catches): the message on standard error, then the box (from
# the program started again) until it is closed; status 3.
crash() {
  crash_box "$1"
  if [ -z "$box" ]; then
    echo "FAIL $2: no message box"
    failures=$((failures + 1))
  else
    "$bin_dir/../tests/close_window" "$box"
  fi
  expect_end $faulty_pid 3 "$2 box"
  checks=$((checks + 1))
  if ! grep -Eqx '続行不可能なエラーが発生しました Faulty \[[0-9]+行\]' "$faulty_err" ||
     [ "$(wc -l <"$faulty_err")" -ne 1 ]; then
    echo "FAIL the $2 message: $(cat "$faulty_err")"
    failures=$((failures + 1))
  fi
}
crash 2 crash
crash 3 "thrown exception"

# kill_box SIGNAL: a crash's box, whose process is then ended from outside
# by SIGNAL; the window that shows the box may belong to a child of that
# process (the window system's message box forks): no process of the box
# and no window of it outlive it.
kill_box() {
  crash_box 2
  local children
  children=$(pgrep -P $faulty_pid)
  kill -"$1" $faulty_pid
  expect_end $faulty_pid $((128 + $(kill -l "$1"))) "the box's process ended by SIG$1"
  checks=$((checks + 1))
  local left=""
  wait_until "the box's processes and window to go" nothing_of_the_box_left
  if [ -z "$box" ] || [ -n "$left" ]; then
    echo "FAIL the box after SIG$1: ${box:-no box shown}; left:${left:- nothing}"
    failures=$((failures + 1))
    for child in $children; do kill -KILL "$child" 2>/dev/null; done
  else
    echo "ok   the box's window and its child ($children) went with SIG$1"
  fi
}
# nothing_of_the_box_left: true once no process of kill_box's children and
# no window of the program's name is left (what is, in left).
nothing_of_the_box_left() {
  left=""
  for child in $children; do kill -0 "$child" 2>/dev/null && left+=" process $child"; done
  xwininfo -root -tree | grep -q '"Faulty"' && left+=" its window"
  [ -z "$left" ]
}
kill_box TERM
kill_box KILL
rm -f "$faulty_err"

# named_failure TEXT COMMAND...: the program the command starts ends with
# status 1 and one line on standard error that holds TEXT.
named_failure() {
  local expected=$1
  shift
  local err status lines
  checks=$((checks + 1))
  err=$("$@" 2>&1 >/dev/null)
  status=$?
  lines=$(printf '%s\n' "$err" | wc -l)
  if [ $status -ne 1 ] || [ "$lines" -ne 1 ] || [[ $err != *"$expected"* ]]; then
    echo "FAIL $*: status $status: $err"
    failures=$((failures + 1))
  else
    echo "ok   $*: $err"
  fi
}
# A display no server holds, and a Wayland driver without a compositor:
# the line names the display (the libraries' own lines stay off the
# terminal).
absent=77
while [ -e /tmp/.X11-unix/X$absent ] || grep -q "@/tmp/.X11-unix/X$absent\$" /proc/net/unix; do
  absent=$((absent + 1))
done
named_failure "the X display :$absent cannot be opened" \
  bounded env DISPLAY=:$absent "$bin_dir/${names[0]}"
named_failure "the Wayland display wayland-0 cannot be found (XDG_RUNTIME_DIR is not set)" \
  bounded env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR SDL_VIDEODRIVER=wayland \
  "$bin_dir/${names[1 % count]}"
# Too few file descriptors for a run, with a display to open: the line
# names the limit.
named_failure "too many open files (ulimit -n 8)" \
  bounded sh -c 'ulimit -n 8 && exec "$0"' "$bin_dir/${names[2 % count]}"

echo "$((checks - failures)) passed, $failures failed"
[ $failures -eq 0 ]
