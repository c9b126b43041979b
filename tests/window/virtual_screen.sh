# Sourced by the window tests and the window benchmark.

# Seconds a wait lasts at most: what it waits for comes far sooner on a
# machine however busy, unless something is stuck.
patience=60

# wait_until WHAT COMMAND...: runs COMMAND until it succeeds, for at most
# $patience seconds (counted on the clock, however long COMMAND takes); when
# it never does, says on standard error that it gave up waiting for WHAT.
# Its status is COMMAND's last.
wait_until() {
  local what=$1
  shift
  local until=$((SECONDS + patience))
  while [ $SECONDS -lt $until ]; do
    "$@" && return 0
    sleep 0.1
  done
  "$@" && return 0
  local status=$?
  echo "gave up after $patience s waiting for $what" >&2
  return $status
}

# start_virtual_screen WxH: an X server of that screen size as $DISPLAY, on a
# display number no other server holds (the server picks it), with no reset
# between the programs' connections; it ends with stop_virtual_screen, or
# when the script does (this sets the script's EXIT trap: a script that
# needs one of its own sets it afterwards, calling stop_virtual_screen). A
# server that does not start ends the script.
start_virtual_screen() {
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
  xvfb=$!
  trap stop_virtual_screen EXIT
  if ! wait_until "the virtual X server to name its display" [ -s "$display_file" ]; then
    echo "FAIL: no virtual X server"
    exit 1
  fi
  export DISPLAY=:$(head -n 1 "$display_file")
  unset WAYLAND_DISPLAY SDL_VIDEODRIVER
  if ! wait_until "the virtual X server $DISPLAY to answer" screen_answers; then
    echo "FAIL: the virtual X server $DISPLAY does not answer"
    exit 1
  fi
}

# screen_answers: the X server of $DISPLAY answers a client.
screen_answers() {
  xdotool getdisplaygeometry >/dev/null 2>&1
}

# stop_virtual_screen: ends the X server start_virtual_screen started.
stop_virtual_screen() {
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  rm -f "$display_file"
}

# gone PID: the process has ended.
gone() {
  ! kill -0 "$1" 2>/dev/null
}

# find_window PID TITLE: the id of the process's visible window titled
# TITLE, once it shows (nothing when the process ends first, or when it
# never shows).
find_window() {
  found_window=""
  wait_until "the window \"$2\" of process $1" window_or_end "$1" "$2"
  echo "$found_window"
}

# window_or_end PID TITLE: true once the window shows (its id then in
# found_window) or the process has ended.
window_or_end() {
  found_window=$(xdotool search --onlyvisible --name "^$2\$" 2>/dev/null | head -n 1)
  [ -n "$found_window" ] || gone "$1"
}
