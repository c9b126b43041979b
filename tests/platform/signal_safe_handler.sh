#!/usr/bin/env bash
# The crash handler and the handler of the signals that end a program may
# interrupt it anywhere, inside the memory allocator or standard I/O among
# others, so they may call only functions that are safe in a signal handler.
# Reads the handlers' machine code in PROGRAM and follows every call they
# make (into their own helpers, the runtime's line counter, the removal of
# scratch files and the check for memory left); any other function called
# must be on the list.
#   signal_safe_handler.sh PROGRAM
set -u
program=$1
# mmap and munmap are plain system calls (asking whether memory is left);
# fstatat, on POSIX's list of functions safe in a handler, tells whether a
# scratch file's name still holds the file made there before it goes.
allowed=" write _exit execve memcpy memmove memset __errno_location unlink unlinkat fstatat fstatat64 raise sigaction sigprocmask sigemptyset sigaddset mmap munmap "
handlers=("(anonymous namespace)::OnSignal(int)" "(anonymous namespace)::OnEndingSignal(int)")
# The checked build's own checks may report a fault from anywhere; its other
# calls (the address checker's bookkeeping before a call that does not
# return, its stack frames kept aside) allocate memory, and are not safe.
checker='^__(asan_report_|ubsan_handle_)'

# One pass over the machine code: each function's calls and jumps, one
# "FUNCTION<tab>CALLEE" line each (and "FUNCTION<tab>" for the function
# itself), kept in a file (read once, however many
# functions are followed, so the checked build's far larger code costs one
# pass too).
call_file=$(mktemp)
trap 'rm -f "$call_file"' EXIT
objdump -d --no-show-raw-insn -C "$program" | awk '
  /^[0-9a-f]+ <.*>:$/ { name = substr($0, index($0, "<") + 1); sub(/>:$/, "", name)
                        print name "\t"; next }
  name != "" && /\t(call|j[a-z]+) +[0-9a-f]+ </ {
    s = substr($0, index($0, "<") + 1); sub(/>[^>]*$/, "", s); print name "\t" s }
  /^$/ { name = "" }' >"$call_file" || exit 1

# calls_of FUNCTION: the functions FUNCTION calls or jumps to, one a line
# (itself included, for its jumps within).
calls_of() {
  awk -F '\t' -v name="$1" '$1 == name { print $2 }' "$call_file"
}

todo=("${handlers[@]}")
declare -A seen
failures=0
while [ ${#todo[@]} -gt 0 ]; do
  fn=${todo[0]}
  todo=("${todo[@]:1}")
  [ -n "${seen[$fn]:-}" ] && continue
  seen[$fn]=1
  calls=$(calls_of "$fn")
  while IFS= read -r callee; do
    [ -z "$callee" ] && continue
    plain=${callee%@plt}
    plain=${plain%%+*}
    case $plain in
      "(anonymous namespace)::"* | "CurrentLine()" | "RemoveScratchFiles()" | "MemoryExhausted()")
        todo+=("$plain") ;;
      *)
        if [[ $allowed != *" $plain "* ]] && ! [[ $plain =~ $checker ]]; then
          echo "FAIL $fn calls $plain, which is not safe in a signal handler"
          failures=$((failures + 1))
        fi ;;
    esac
  done <<<"$calls"
done
for handler in "${handlers[@]}"; do
  if ! cut -f 1 "$call_file" | grep -qxF "$handler"; then
    echo "FAIL no handler $handler found in $program"
    exit 1
  fi
done
echo "followed: ${!seen[*]}"
[ $failures -eq 0 ]
