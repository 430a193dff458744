#!/usr/bin/env python3
"""Checks which folder of src/ includes which against the table below, and
fails on any include between folders that the table does not allow, on a
folder the table does not know, and on a table that would let folders
include each other in a circle. Dependencies point one way, towards the
program's top (src/app and the console tool src/bikinfo).

A new edge is a design decision: add it to the table with the reason, or
move the code to where its dependencies already point."""
import pathlib
import re
import sys

# (folder, the folder it may include): why.
ALLOWED = {
    # Platform helpers: handles, system errors, libraries, UTF-8, the
    # program's location, the stack guard. Nothing of windows in them.
    ("win", "common"): "system errors carry the program's own error values",
    # The platform's window layer: controls, dialogs, icons.
    ("ui", "common"): "texts and errors shown in windows",
    ("ui", "res"): "the program's icons are resources",
    ("ui", "win"): "windows are built on the platform helpers",
    # Feature modules take what they need as arguments.
    ("bink", "common"): "text helpers for the facts' wording",
    ("bink", "win"): "the file reader's handles, errors and UTF-8 paths",
    ("playback", "common"): "the player's command line is text",
    ("playback", "settings"): "the player's switches come from the settings",
    ("playback", "win"): "handles and system errors of starting the player",
    ("settings", "common"): "stored numbers are read as text",
    ("settings", "res"): "the settings window's control ids",
    ("settings", "ui"): "the settings window is built from its control table",
    ("settings", "win"): "the settings file's system errors",
    ("settings", "shell"): "the settings window's association buttons",
    ("settings", "dialogs"): "the settings window shows what the association did in a message box",
    ("shell", "common"): "registry values are text",
    ("shell", "win"): "handles and system errors of the registry",
    ("dialogs", "common"): "captions and links are text",
    ("dialogs", "res"): "control ids and the program's icon",
    ("dialogs", "ui"): "the windows are dialogs over the window layer",
    ("dialogs", "win"): "system libraries loaded for the links",
    ("dialogs", "bink"): "the details window lists a file's facts",
    # The program and the console tool put the modules together.
    ("app", "common"): "captions and the command line are text",
    ("app", "res"): "the main window's control ids",
    ("app", "ui"): "the main window and the message loop",
    ("app", "win"): "the program's location and system libraries",
    ("app", "bink"): "the file's facts on the panel",
    ("app", "playback"): "the play button starts the player",
    ("app", "settings"): "the settings are loaded at start and shown on demand",
    ("app", "shell"): "association outcomes shown by the window that asked",
    ("app", "dialogs"): "the About, details and message windows",
    ("bikinfo", "common"): "text and the program's errors",
    ("bikinfo", "bink"): "the facts it prints",
    ("bikinfo", "win"): "handles, system errors and UTF-8 output",
}
# Folders that include no other folder.
LEAVES = {"common": "the standard library alone", "res": "resource ids and files"}

src = pathlib.Path(__file__).resolve().parent.parent / "src"
folders = sorted(p.name for p in src.iterdir() if p.is_dir())
known = set(LEAVES) | {a for a, _ in ALLOWED} | {b for _, b in ALLOWED}
include = re.compile(r'^\s*#\s*include\s+"([^/"]+)/', re.MULTILINE)

faults = [f"src/{f} has no place in the table of layers" for f in folders if f not in known]
graph = {folder: set() for folder in folders}
for path in sorted(src.rglob("*")):
    if path.suffix not in (".h", ".cpp", ".rc", ".in"):
        continue
    folder = path.relative_to(src).parts[0]
    for target in include.findall(path.read_text(encoding="utf-8")):
        if target in graph and target != folder:
            graph[folder].add(target)
            if (folder, target) not in ALLOWED:
                faults.append(f"{path.relative_to(src)} includes src/{target}: not an allowed edge")

def cycle_from(start, node, seen):
    for nxt in sorted(b for a, b in ALLOWED if a == node):
        if nxt == start:
            return seen + [nxt]
        if nxt not in seen:
            found = cycle_from(start, nxt, seen + [nxt])
            if found:
                return found
    return None

for folder in sorted(known):
    found = cycle_from(folder, folder, [folder])
    if found:
        faults.append("the table allows a cycle: " + " -> ".join(found))
for folder in folders:
    print(f"{folder:9} -> {', '.join(sorted(graph[folder])) or '(nothing)'}")
for fault in dict.fromkeys(faults):
    print("FAULT:", fault)
sys.exit(1 if faults else 0)
