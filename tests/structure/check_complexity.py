#!/usr/bin/env python3
"""Keeps the program's functions small: fails naming every function of the product sources
(engine/, game/, shell/, platform/, formats/, art/) whose complexity, as pmccabe counts it
(its first column, where a switch counts once), is above 15.

Usage: check_complexity.py PMCCABE [repository root]   (default: two folders above this script)
"""

import os
import subprocess
import sys

LIMIT = 15
PRODUCT_FOLDERS = ("engine", "game", "shell", "platform", "formats", "art")
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".c")


def product_sources(root):
    for folder in PRODUCT_FOLDERS:
        for base, dirs, files in os.walk(os.path.join(root, folder)):
            dirs.sort()
            for name in sorted(files):
                if name.endswith(SOURCE_SUFFIXES):
                    yield os.path.relpath(os.path.join(base, name), root)


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    pmccabe = sys.argv[1]
    root = sys.argv[2] if len(sys.argv) > 2 else os.path.join(os.path.dirname(__file__), "..", "..")
    sources = list(product_sources(root))
    if not sources:
        print(f"no sources found under {root}", file=sys.stderr)
        return 2
    run = subprocess.run([pmccabe, *sources], cwd=root, capture_output=True, text=True)
    if run.returncode != 0 or run.stderr:
        print(f"pmccabe failed:\n{run.stderr}", file=sys.stderr)
        return 2
    too_complex = []
    for line in run.stdout.splitlines():
        columns = line.split("\t")
        where = columns[-1]
        if int(columns[0]) > LIMIT:
            too_complex.append(f"{where} has complexity {columns[0]}, more than {LIMIT}")
    for fault in too_complex:
        print(fault)
    print(f"{len(sources)} files, {len(too_complex)} functions above {LIMIT}")
    return 1 if too_complex else 0


if __name__ == "__main__":
    sys.exit(main())
