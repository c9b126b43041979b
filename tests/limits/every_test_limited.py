#!/usr/bin/env python3
"""Every test ctest lists in the build folder BUILD has a time limit of its
own (ctest's TIMEOUT): without one, a stuck test would hold the run until
something else ends it, without a word.

    every_test_limited.py BUILD
"""
import json
import subprocess
import sys


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    listing = subprocess.run(
        ["ctest", "--test-dir", sys.argv[1], "--show-only=json-v1"],
        capture_output=True, text=True, check=True)
    tests = json.loads(listing.stdout)["tests"]
    unlimited = []
    for test in tests:
        limits = [p["value"] for p in test.get("properties", []) if p["name"] == "TIMEOUT"]
        if not limits or float(limits[0]) <= 0:
            unlimited.append(test["name"])
    for name in unlimited:
        print(f"FAIL {name} has no time limit")
    print(f"{len(tests) - len(unlimited)} of {len(tests)} tests have a time limit")
    return 1 if unlimited or not tests else 0


if __name__ == "__main__":
    sys.exit(main())
