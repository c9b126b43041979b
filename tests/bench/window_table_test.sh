#!/bin/sh
# bench/window_table.py turns the window benchmark's lines into the table's
# rows: per program the median over its runs (for a key kind, of the runs'
# medians and of their slowest keys), over the programs the range, the
# folders in the order first named, and the range of the load average as
# the runs ended; a failed run's line is left out and said.
# Run from the source tree's root.
expected='| 1920×1080 | goal page | under 3 ms | 2.0 to 3.0 ms (4.0 to 6.0) | 5.0 ms (9.0) | 1.0 to 4.0 |
| 1920×1080 | main menu again | under 3 ms | 2.5 ms (3.0) | 6.0 ms (7.0) | 1.0 to 4.0 |
| 1920×1080 | answer page | under 3 ms | 1.5 to 1.6 ms (2.0) | — | 1.0 to 4.0 |
| 1920×1080 | number-line step | under 3 ms | 1.0 ms (2.0) | — | 1.0 to 4.0 |
| 1920×1080 | start to menu | no slower | 45 to 60 ms | 80 ms | 1.0 to 4.0 |
| 1920×1080 | idle at the menu | under 1 % of a core | 0.030 to 0.050 % of a core | — | 1.0 to 4.0 |
| 1920×1080 | peak memory | under 30 MiB | 25.0 to 25.5 MiB | 32.0 MiB | 1.0 to 4.0 |'
said=$(mktemp)
actual=$(bench/window_table.py 2>"$said" <<'LINES'
load before:  10:00:00 up 1 day,  load average: 1.00, 1.00, 1.00
1920x1080 almeno build/programs: start to menu 40.0 ms; idle at the menu 0.030 % of a core (5 s); goal median 1.00 max 3.00 ms (8); menu median 2.00 max 3.00 ms (8); answer median 1.50 max 2.00 ms (8); arrow median 1.00 max 2.00 ms (40); peak memory 25.0 MiB; load average 1.00 1.00 1.00
1920x1080 almeno /old/programs: start to menu 80.0 ms; goal median 5.00 max 9.00 ms (8); menu median 6.00 max 7.00 ms (8); peak memory 32.0 MiB; load average 2.00 1.00 1.00
1920x1080 almeno build/programs: start to menu 50.0 ms; idle at the menu 0.030 % of a core (5 s); goal median 3.00 max 5.00 ms (8); menu median 3.00 max 3.00 ms (8); answer median 1.50 max 2.00 ms (8); arrow median 1.00 max 2.00 ms (40); peak memory 25.0 MiB; load average 3.00 1.00 1.00
1920x1080 pellith build/programs: start to menu 60.0 ms; idle at the menu 0.050 % of a core (5 s); goal median 3.00 max 6.00 ms (8); menu median 2.50 max 3.00 ms (8); answer median 1.60 max 2.00 ms (8); peak memory 25.5 MiB; load average 4.00 1.00 1.00
1920x1080 pellith build/programs: window_bench: no menu on the screen; load average 4.00 1.00 1.00
load after:  10:09:00 up 1 day,  load average: 4.00, 1.00, 1.00
LINES
)
status=0
if [ "$actual" != "$expected" ]; then
  printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual"
  status=1
fi
if ! grep -q '^left out: 1920x1080 pellith build/programs: window_bench: no menu' "$said"; then
  echo "the failed run was not said:"
  cat "$said"
  status=1
fi
rm -f "$said"
exit $status
