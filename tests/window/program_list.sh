# Sourced by the window tests.

# read_program_list PLAYER: the programs `PLAYER --list` gives, in the arrays
# names, titles and ends (the number of the menu's end item); ends the test
# when there are none.
read_program_list() {
  names=() titles=() ends=()
  local name title end
  while IFS=$'\t' read -r name title end; do
    names+=("$name") titles+=("$title") ends+=("$end")
  done < <("$1" --list)
  if [ ${#names[@]} -eq 0 ]; then
    echo "FAIL: $1 --list gave no programs"
    exit 1
  fi
}
