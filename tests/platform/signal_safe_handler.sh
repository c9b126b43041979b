#!/usr/bin/env bash
# The crash handler may interrupt the program anywhere, inside the memory
# allocator or standard I/O among others, so it may call only functions that
# are safe in a signal handler. Reads the handler's machine code in PROGRAM
# and follows every call it makes (into the handler's own helpers and the
# runtime's line counter); any other function called must be on the list.
#   signal_safe_handler.sh PROGRAM
set -u
program=$1
allowed=" write _exit execve memcpy memmove memset __errno_location "
# The checked build's own checks may report from anywhere.
checker='^__(asan|ubsan|sanitizer|lsan)_'

listing=$(objdump -d --no-show-raw-insn -C "$program") || exit 1

# calls_of FUNCTION: the functions FUNCTION calls or jumps to, one a line
# (itself included, for its jumps within).
calls_of() {
  printf '%s\n' "$listing" | awk -v name="$1" '
    /^[0-9a-f]+ <.*>:$/ { inside = (substr($0, index($0, "<") + 1) == name ">:") ; next }
    inside && /\t(call|j[a-z]+) +[0-9a-f]+ </ { s = substr($0, index($0, "<") + 1); sub(/>[^>]*$/, "", s); print s }
    inside && /^$/ { inside = 0 }'
}

todo=("(anonymous namespace)::OnSignal(int)")
declare -A seen
failures=0
found_handler=0
while [ ${#todo[@]} -gt 0 ]; do
  fn=${todo[0]}
  todo=("${todo[@]:1}")
  [ -n "${seen[$fn]:-}" ] && continue
  seen[$fn]=1
  calls=$(calls_of "$fn")
  [ "$fn" = "(anonymous namespace)::OnSignal(int)" ] && [ -n "$(printf '%s\n' "$listing" | grep -F "<$fn>:")" ] && found_handler=1
  while IFS= read -r callee; do
    [ -z "$callee" ] && continue
    plain=${callee%@plt}
    plain=${plain%%+*}
    case $plain in
      "(anonymous namespace)::"* | "CurrentLine()") todo+=("$plain") ;;
      *)
        if [[ $allowed != *" $plain "* ]] && ! [[ $plain =~ $checker ]]; then
          echo "FAIL $fn calls $plain, which is not safe in a signal handler"
          failures=$((failures + 1))
        fi ;;
    esac
  done <<<"$calls"
done
if [ $found_handler -eq 0 ]; then
  echo "FAIL no crash handler found in $program"
  exit 1
fi
echo "followed: ${!seen[*]}"
[ $failures -eq 0 ]
