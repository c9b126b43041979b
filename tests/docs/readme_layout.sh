#!/bin/sh
# The README's layout names every header of the page constructs, so that a
# newcomer finds each construct from there. Run from the source tree's root.
status=0
for header in lessons/constructs/*.h; do
  name=${header##*/}
  if ! grep -q "\`$name\`" README.md; then
    echo "README.md does not name $header"
    status=1
  fi
done
exit $status
