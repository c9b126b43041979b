#!/usr/bin/env bash
# Runs the tests of a build several times while the machine is kept busy,
# and says how often each test failed: a test whose verdict depends on how
# fast the machine is shows up here.
#
#   tests/under_load.sh [-n RUNS] [-j JOBS] [-l LOAD] BUILD_DIR [PATTERN]
#
# LOAD busy processes (default twice the cores: each spins on one core) run
# beside ctest for the whole time; they are started here and ended by their
# process numbers when the script ends, however it ends. Each of RUNS runs
# (default 3) is `ctest --test-dir BUILD_DIR -j JOBS` (JOBS default the
# cores, as ./test.sh runs it), limited to the tests PATTERN names (a ctest
# regular expression, -R) when given. Each run's line is followed by its
# five slowest tests and their times. Exit status 0 when no test failed.
set -u
runs=3
jobs=$(nproc)
slowest=5
load=$(($(nproc) * 2))
usage() {
  echo "usage: $0 [-n RUNS] [-j JOBS] [-l LOAD] BUILD_DIR [PATTERN]" >&2
  exit 2
}
while getopts "n:j:l:" option; do
  case $option in
    n) runs=$OPTARG ;;
    j) jobs=$OPTARG ;;
    l) load=$OPTARG ;;
    *) usage ;;
  esac
done
shift $((OPTIND - 1))
[ $# -ge 1 ] && [ $# -le 2 ] || usage
build=$1
pattern=${2:-}
for number in "$runs" "$jobs" "$load"; do
  [[ $number =~ ^[0-9]+$ ]] || usage
done
[ -f "$build/CTestTestfile.cmake" ] || {
  echo "$0: $build is no build folder with tests" >&2
  exit 2
}

# The busy processes, each a shell spinning on nothing.
busy=()
stop_load() {
  [ ${#busy[@]} -gt 0 ] && kill "${busy[@]}" 2>/dev/null
  busy=()
}
trap stop_load EXIT
trap 'exit 130' INT TERM
for _ in $(seq "$load"); do
  (while :; do :; done) &
  busy+=($!)
done

filter=()
[ -n "$pattern" ] && filter=(-R "$pattern")
declare -A failed=()
start=$SECONDS
for run in $(seq "$runs"); do
  output=$(ctest --test-dir "$build" -j "$jobs" --output-on-failure "${filter[@]}" 2>&1)
  # ctest's summary lists each failed test as "  NUMBER - NAME (WHY)".
  names=$(printf '%s\n' "$output" | sed -n '/^The following tests FAILED:/,$ s/^[[:space:]]*[0-9]\+ - \(.*\) ([^)]*)$/\1/p')
  summary=$(printf '%s\n' "$output" | grep -E '^[0-9]+% tests passed' | tail -n 1)
  echo "run $run of $runs (load $(cut -d ' ' -f 1 /proc/loadavg)): ${summary:-no tests ran}"
  # The run's slowest tests, what the time limit must stand far above.
  printf '%s\n' "$output" |
    sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .* \([0-9.]*\) sec$/\2 s  \1/p' |
    sort -rn | head -n "$slowest" | sed 's/^/    /'
  while IFS= read -r name; do
    [ -z "$name" ] && continue
    failed[$name]=$((${failed[$name]:-0} + 1))
    # What the failing test said, for the record.
    printf '%s\n' "$output" | awk -v name="$name" '
      /Test +#[0-9]+: / { show = index($0, ": " name " ") > 0 }
      /^ *Start +[0-9]+: / || /^[0-9]+% tests passed/ { show = 0 }
      show { print "    " $0 }' | head -n 60
  done <<<"$names"
  [ -z "$summary" ] && printf '%s\n' "$output" | tail -n 20
done
stop_load

echo "$runs runs in $((SECONDS - start)) s beside $load busy processes:"
if [ ${#failed[@]} -eq 0 ]; then
  echo "no test failed"
  exit 0
fi
for name in "${!failed[@]}"; do
  echo "  $name failed ${failed[$name]} of $runs runs"
done | sort
exit 1
