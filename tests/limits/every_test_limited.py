#!/usr/bin/env python3
"""Every test ctest lists in the build folder BUILD has the one time limit
(ctest's TIMEOUT) that all tests share, LIMIT seconds, and README names that
limit: without one, a stuck test would hold the run until something else
ends it, without a word, and a test with a limit of its own would be judged
by another clock than the rest.

    every_test_limited.py BUILD LIMIT README
"""
import json
import re
import subprocess
import sys


def main():
    if len(sys.argv) != 4:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    build, limit, readme = sys.argv[1], float(sys.argv[2]), sys.argv[3]
    listing = subprocess.run(
        ["ctest", "--test-dir", build, "--show-only=json-v1"],
        capture_output=True, text=True, check=True)
    tests = json.loads(listing.stdout)["tests"]
    failures = []
    for test in tests:
        limits = [p["value"] for p in test.get("properties", []) if p["name"] == "TIMEOUT"]
        if not limits or float(limits[0]) <= 0:
            failures.append(f"{test['name']} has no time limit")
        elif float(limits[0]) != limit:
            failures.append(f"{test['name']} has a time limit of {float(limits[0]):g} s, "
                            f"not the one for all, {limit:g} s")
    with open(readme, encoding="utf-8") as text:
        named = re.search(r"one for all: (\d+) s", text.read())
    if not named:
        failures.append(f"{readme} does not name the limit (\"one for all: N s\")")
    elif float(named.group(1)) != limit:
        failures.append(f"{readme} names a limit of {named.group(1)} s, not {limit:g} s")
    for failure in failures:
        print(f"FAIL {failure}")
    print(f"{len(tests)} tests, each limited to {limit:g} s: {len(failures)} failures")
    return 1 if failures or not tests else 0


if __name__ == "__main__":
    sys.exit(main())
