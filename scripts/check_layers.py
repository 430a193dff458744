#!/usr/bin/env python3
"""Prints which folder of src/ includes which, and fails when the folders
include each other in a circle or when anything outside src/app includes a
header of src/app: dependencies point one way, towards the program's top."""
import pathlib
import re
import sys

src = pathlib.Path(__file__).resolve().parent.parent / "src"
folders = sorted(p.name for p in src.iterdir() if p.is_dir())
include = re.compile(r'^\s*#\s*include\s+"([^/"]+)/', re.MULTILINE)

graph = {folder: set() for folder in folders}
faults = []
for path in sorted(src.rglob("*")):
    if path.suffix not in (".h", ".cpp", ".rc", ".in"):
        continue
    folder = path.relative_to(src).parts[0]
    for target in include.findall(path.read_text(encoding="utf-8")):
        if target in graph and target != folder:
            graph[folder].add(target)
            if target == "app":
                faults.append(f"{path.relative_to(src)} includes a header of src/app")

def cycle_from(start, node, seen):
    for nxt in sorted(graph[node]):
        if nxt == start:
            return seen + [nxt]
        if nxt not in seen:
            found = cycle_from(start, nxt, seen + [nxt])
            if found:
                return found
    return None

for folder in folders:
    print(f"{folder:9} -> {', '.join(sorted(graph[folder])) or '(nothing)'}")
    found = cycle_from(folder, folder, [folder])
    if found:
        faults.append("cycle: " + " -> ".join(found))
for fault in dict.fromkeys(faults):
    print("FAULT:", fault)
sys.exit(1 if faults else 0)
