# Sourced by the window tests and the window benchmark.

# Seconds a wait goes on while the test's processes do next to nothing:
# what it waits for comes long before, unless something is stuck.
patience=60
# What "next to nothing" is: at most this share of one core's time, in
# hundredths, over the patience. A program idle at a key (its cursor
# blinking) stays under it, as the window tests hold the programs to.
idle_share_percent=1
clock_ticks=$(getconf CLK_TCK)

# The test's processes are this script and every process it starts, and
# those they start: the waits below and window_look count their work. Left
# out are the shell that waits (it runs the checks) and the processes
# WAIT_TREE_ASIDE names: the X server, which the checks keep busy.
export WAIT_TREE_ROOT=$$
export WAIT_TREE_ASIDE=""

# tree_look: the clock ticks of processor time the test's processes used
# since the last look, in tree_used: what went on in those counted both
# times, all of a process counted for the first time (it started since);
# those that ended count through the parent that waited for them. The
# processes of this look are left in tree_counted, by number and start time.
declare -gA tree_counted=()
tree_look() {
  local IFS=$' \t\n'
  local -A parent=() work=() inside=([$WAIT_TREE_ROOT]=1) left_out=()
  local file line key pid p verdict rest
  local -a fields path
  # Fields 4 (the parent), 14 to 17 (processor time, its own and its
  # waited-for children's) and 22 (the start time), after the command's
  # name in brackets.
  for file in /proc/[0-9]*/stat; do
    { read -r line <"$file"; } 2>/dev/null || continue
    pid=${line%% *}
    rest=${line##*) }
    fields=($rest)
    parent[$pid]=${fields[1]}
    work[$pid:${fields[19]}]=$((fields[11] + fields[12] + fields[13] + fields[14]))
  done
  # This shell and its parents up to the root, and the processes set aside.
  for ((p = BASHPID; p > 1; p = ${parent[$p]:-0})); do
    left_out[$p]=1
    [ "$p" = "$WAIT_TREE_ROOT" ] && break
  done
  for p in $WAIT_TREE_ASIDE; do left_out[$p]=1; done
  local -A counted=()
  tree_used=0
  for key in "${!work[@]}"; do
    pid=${key%%:*}
    [ -n "${left_out[$pid]:-}" ] && continue
    # A descendant of the root?
    path=()
    verdict=0
    for ((p = pid; p > 1; p = ${parent[$p]:-0})); do
      if [ -n "${inside[$p]:-}" ]; then
        verdict=${inside[$p]}
        break
      fi
      path+=("$p")
    done
    for p in "${path[@]}"; do inside[$p]=$verdict; done
    [ "$verdict" = 1 ] || continue
    counted[$key]=${work[$key]}
    if [ $((work[$key] - ${tree_counted[$key]:-0})) -gt 0 ]; then
      tree_used=$((tree_used + work[$key] - ${tree_counted[$key]:-0}))
    fi
  done
  tree_counted=()
  for key in "${!counted[@]}"; do tree_counted[$key]=${counted[$key]}; done
}

# wait_until WHAT COMMAND...: runs COMMAND until it succeeds (every tenth
# of a second). It gives up once the test's processes have used no more
# than $idle_share_percent % of a core for $patience seconds on end (looked
# at once a second), and then says on standard error that it gave up
# waiting for WHAT. A process the test stopped, or one that sleeps on
# purpose, uses no processor time: a wait for it alone gives up. Its status
# is COMMAND's last.
wait_until() {
  local what=$1
  shift
  local allowance=$(((patience * clock_ticks * idle_share_percent + 99) / 100))
  local since=$SECONDS looked=$SECONDS used=0
  tree_counted=()
  tree_look
  while :; do
    "$@" && return 0
    if [ $SECONDS -ne $looked ]; then
      looked=$SECONDS
      tree_look
      used=$((used + tree_used))
      if [ $used -gt $allowance ]; then
        since=$SECONDS
        used=0
      elif [ $((SECONDS - since)) -ge $patience ]; then
        break
      fi
    fi
    sleep 0.1
  done
  "$@" && return 0
  local status=$?
  echo "gave up waiting for $what: the test's processes used $used clock ticks of processor" \
    "time ($clock_ticks a second) in the last $((SECONDS - since)) s, no more than an idle" \
    "program" >&2
  return $status
}

# bounded COMMAND...: runs COMMAND, its standard streams as given, as long
# as wait_until would wait for it to end; its status, or 124 when it was
# still running when the wait gave up (it is then killed).
bounded() {
  "$@" &
  local pid=$!
  if ! wait_until "$1 (process $pid) to end" gone $pid; then
    kill -KILL $pid 2>/dev/null
    wait $pid 2>/dev/null
    return 124
  fi
  wait $pid
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
  # From now on its work answers the checks: it is no progress of the
  # test's.
  WAIT_TREE_ASIDE="$xvfb"
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
