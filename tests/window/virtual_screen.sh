# Sourced by the window tests.

# start_virtual_screen WxH: an X server of that screen size as $DISPLAY, on a
# display number no other server holds (the server picks it), with no reset
# between the programs' connections; it ends when the script does.
start_virtual_screen() {
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null; rm -f "$display_file"' EXIT
  wait_until 60 [ -s "$display_file" ]
  export DISPLAY=:$(head -n 1 "$display_file")
  unset WAYLAND_DISPLAY SDL_VIDEODRIVER
  wait_until 60 xdotool getdisplaygeometry >/dev/null 2>&1
}

# wait_until SECONDS COMMAND...: runs COMMAND until it succeeds, for about
# SECONDS at most (only something stuck takes that long); its status is
# COMMAND's last.
wait_until() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}

# gone PID: the process has ended.
gone() {
  ! kill -0 "$1" 2>/dev/null
}

# find_window PID TITLE: the id of the process's visible window titled
# TITLE, once it shows (nothing when the process ends first).
find_window() {
  local window=""
  for _ in $(seq 600); do
    window=$(xdotool search --onlyvisible --name "^$2\$" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  echo "$window"
}
