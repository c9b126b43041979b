#!/usr/bin/env python3
"""The rows of bench/README.md's window table from window_bench.sh's output.

    bench/window_bench.sh build OTHER/programs | tee figures.txt
    bench/window_table.py < figures.txt

Each figure is taken per program over its runs: a key kind's median (the
median of the runs' medians) and worst (the median of the runs' slowest
key), start to menu, idle at the menu and peak memory as the median of the
runs; a cell gives the range over the programs. The columns after the goal
are the programs folders in the order the output first names them (this
build's first), and last the range of the 1-minute load average as the runs
of that screen size ended. A line that is not a run's figures (a run that
failed) is shown on standard error and left out.
"""
import re
import statistics
import sys

# The table's rows: the figure, its name in the table, its goal at each size.
ROWS = [
    ("goal", "goal page", {"1920x1080": "under 3 ms", "3840x2160": "under 8 ms"}),
    ("menu", "main menu again", {"1920x1080": "under 3 ms", "3840x2160": "under 8 ms"}),
    ("answer", "answer page", {"1920x1080": "under 3 ms", "3840x2160": "under 8 ms"}),
    ("arrow", "number-line step", {"1920x1080": "under 3 ms", "3840x2160": "under 2 ms"}),
    ("start", "start to menu", {"1920x1080": "no slower", "3840x2160": "no slower"}),
    ("idle", "idle at the menu",
     {"1920x1080": "under 1 % of a core", "3840x2160": "under 1 % of a core"}),
    ("memory", "peak memory", {"1920x1080": "under 30 MiB", "3840x2160": "under 50 MiB"}),
]

LINE = re.compile(r"^(\d+x\d+) (\S+) (.+?): (start to menu .*)$")
KEY = re.compile(r"(\w+) median ([\d.]+) max ([\d.]+) ms \(\d+\)")


def read_run(figures):
    """The figures of one run's line as {name: value or (median, max)}."""
    run = {}
    match = re.search(r"start to menu ([\d.]+) ms", figures)
    if not match:
        return None
    run["start"] = float(match.group(1))
    match = re.search(r"idle at the menu ([\d.]+) %", figures)
    if match:
        run["idle"] = float(match.group(1))
    match = re.search(r"peak memory ([\d.]+) MiB", figures)
    if match:
        run["memory"] = float(match.group(1))
    for label, median, worst in KEY.findall(figures):
        run[label] = (float(median), float(worst))
    match = re.search(r"load average ([\d.]+)", figures)
    if match:
        run["load"] = float(match.group(1))
    return run


def span(values, digits, unit):
    low, high = min(values), max(values)
    low_text, high_text = f"{low:.{digits}f}", f"{high:.{digits}f}"
    if low_text == high_text:
        return f"{low_text}{unit}"
    return f"{low_text} to {high_text}{unit}"


def cell(figure, programs):
    """One cell: `programs` maps a program to its runs' figures."""
    if figure in ("goal", "menu", "answer", "arrow"):
        medians, worsts = [], []
        for runs in programs.values():
            taken = [run[figure] for run in runs if figure in run]
            if taken:
                medians.append(statistics.median(m for m, _ in taken))
                worsts.append(statistics.median(w for _, w in taken))
        if not medians:
            return "—"
        return f"{span(medians, 1, ' ms')} ({span(worsts, 1, '')})"
    digits, unit = {"start": (0, " ms"), "idle": (3, " % of a core"), "memory": (1, " MiB")}[figure]
    values = []
    for runs in programs.values():
        taken = [run[figure] for run in runs if figure in run]
        if taken:
            values.append(statistics.median(taken))
    return span(values, digits, unit) if values else "—"


def main():
    # size -> folder -> program -> runs
    figures = {}
    folders = []
    loads = {}
    for line in sys.stdin:
        line = line.rstrip("\n")
        match = LINE.match(line)
        run = read_run(match.group(4)) if match else None
        if run is None:
            if line.strip() and not line.startswith("load "):
                print(f"left out: {line}", file=sys.stderr)
            continue
        size, program, folder = match.group(1), match.group(2), match.group(3)
        if folder not in folders:
            folders.append(folder)
        figures.setdefault(size, {}).setdefault(folder, {}).setdefault(program, []).append(run)
        if "load" in run:
            loads.setdefault(size, []).append(run["load"])
    for size in sorted(figures, key=lambda s: int(s.split("x")[0])):
        shown = size.replace("x", "×")
        load = span(loads[size], 1, "") if size in loads else "not recorded"
        for figure, name, goals in ROWS:
            cells = [cell(figure, figures[size].get(folder, {})) for folder in folders]
            print(f"| {shown} | {name} | {goals.get(size, '')} | {' | '.join(cells)} | {load} |")


if __name__ == "__main__":
    main()
