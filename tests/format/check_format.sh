#!/usr/bin/env bash
# Every C++ source and header of the tree, tracked or new (untracked and not
# ignored, so a file is checked before it is added), is formatted as
# .clang-format says: a dry run of clang-format that fails on any difference,
# shows each one, and names the files that differ with the command that
# formats them. Run from the source tree's root.
set -uo pipefail
if ! command -v clang-format >/dev/null; then
  echo "clang-format is not installed (scripts/setup.sh installs it)"
  exit 1
fi
files=()
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # Tracked files but those deleted in the working tree, and the untracked
  # ones that git does not ignore.
  while IFS= read -r -d '' file; do
    [ -f "$file" ] && files+=("$file")
  done < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h')
else
  # A tree without its git history: the sources beside the build folders.
  mapfile -d '' files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) \
    -type f -print0)
fi
if [ ${#files[@]} -eq 0 ]; then
  echo "no C++ files found"
  exit 1
fi
# One run over all the files; each difference is reported as
# FILE:LINE:COLUMN: error: ... with the line that differs.
report=$(printf '%s\0' "${files[@]}" | xargs -0 clang-format --dry-run --Werror 2>&1)
status=$?
if [ $status -ne 0 ]; then
  echo "$report"
  mapfile -t differing < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: .*/\1/p' <<<"$report" | sort -u)
  echo
  if [ ${#differing[@]} -eq 0 ]; then
    echo "clang-format failed (status $status)"
  else
    echo "${#differing[@]} of ${#files[@]} files differ from .clang-format; to format them:"
    echo "clang-format -i ${differing[*]}"
  fi
  exit 1
fi
echo "${#files[@]} files formatted as .clang-format says"
