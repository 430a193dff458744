#!/usr/bin/env python3
"""The two jobs of scripts/package.sh that want more than a shell.

  release_files.py guide README.md GUIDE
      Fails when the Russian guide lacks a text that the README's user
      sections ("Using it", "The player", "bikinfo") name: a caption or
      message in quotes or bold, a Russian cell of a table, a switch or
      option. The README stays the reference; the guide cannot drift from it
      unnoticed.

  release_files.py programs WIN64.exe WIN32.exe
      Fails unless each program's manifest names the architecture its PE
      header says it is built for (Windows' side-by-side loader may refuse a
      program whose manifest names another), and the two carry the same
      version resource.

  release_files.py zip OUT.zip SECONDS NAME=PATH...
      Writes a zip whose bytes depend only on the files given: members in the
      order named, each dated SECONDS (since 1970, UTC), no owner or
      permissions, deflated at a fixed level. A member ending in .txt is made
      readable by Windows' Notepad of any age: CRLF line ends, and a UTF-8
      byte order mark when it is not plain ASCII.
"""
import re
import sys
import time
import zipfile

CYRILLIC = re.compile(r"[А-Яа-яЁё]")


def user_sections(readme):
    """The text of the README's user sections: each runs from its heading to
    the next heading of any level."""
    wanted = ("## Using it", "### The player", "## `bikinfo`")
    taken, keep = [], False
    for line in readme.splitlines():
        if line.startswith("#"):
            keep = line.startswith(wanted)
        if keep:
            taken.append(line)
    return "\n".join(taken)


def required_texts(section):
    texts = set()
    texts.update(t for t in re.findall(r'"([^"\n]+)"', section) if CYRILLIC.search(t))
    texts.update(t for t in re.findall(r"\*\*([^*\n]+)\*\*", section) if CYRILLIC.search(t))
    texts.update(re.findall(r"`([-/][^`\s]*)`", section))
    # Rows of tables, less their heading rows and their cells of code.
    previous = ""
    for line in section.splitlines():
        if line.startswith("|") and previous.startswith("|"):
            cells = (c.strip() for c in line.strip("|").split("|"))
            texts.update(c for c in cells if CYRILLIC.search(c) and "`" not in c)
        previous = line
    return texts


def check_guide(readme_path, guide_path):
    with open(readme_path, encoding="utf-8") as f:
        section = user_sections(f.read())
    with open(guide_path, encoding="utf-8") as f:
        guide = f.read()
    # A quotation may wrap in either file: compare with blanks folded.
    folded = " ".join(guide.split())
    missing = sorted(t for t in required_texts(section) if " ".join(t.split()) not in folded)
    for text in missing:
        print(f"release_files: {guide_path} lacks {text!r} from the README", file=sys.stderr)
    return not missing


MANIFEST_ARCHITECTURES = {0x8664: "amd64", 0x014C: "x86", 0xAA64: "arm64"}


def check_program(path):
    """The version resource of a program whose manifest names its own
    architecture, or None after saying why not."""
    with open(path, "rb") as f:
        data = f.read()
    pe = int.from_bytes(data[0x3C:0x40], "little")
    machine = int.from_bytes(data[pe + 4 : pe + 6], "little")
    wanted = MANIFEST_ARCHITECTURES.get(machine, "*")
    named = re.search(rb'<assemblyIdentity[^>]*processorArchitecture="([^"]*)"[^>]*name="Vintrel', data)
    if not named or named.group(1).decode() not in (wanted, "*"):
        found = named.group(1).decode() if named else "no architecture"
        print(f"release_files: {path}: the manifest names {found}, the program is {wanted}", file=sys.stderr)
        return None
    # VS_VERSIONINFO: its length, two more words, then this key.
    key = data.find("VS_VERSION_INFO".encode("utf-16-le"))
    if key < 6:
        print(f"release_files: {path}: no version resource", file=sys.stderr)
        return None
    length = int.from_bytes(data[key - 6 : key - 4], "little")
    return data[key - 6 : key - 6 + length]


def check_programs(win64_path, win32_path):
    versions = [check_program(win64_path), check_program(win32_path)]
    if None in versions:
        return False
    if versions[0] != versions[1]:
        print("release_files: the two programs' version resources differ", file=sys.stderr)
        return False
    return True


def windows_text(data):
    text = data.decode("utf-8").removeprefix("\ufeff").replace("\r\n", "\n").replace("\n", "\r\n")
    bom = "" if text.isascii() else "\ufeff"
    return (bom + text).encode("utf-8")


def write_zip(out_path, seconds, members):
    stamp = time.gmtime(max(int(seconds), 315532800))[:6]  # a zip holds no date before 1980
    with zipfile.ZipFile(out_path, "w") as archive:
        for member in members:
            name, path = member.split("=", 1)
            with open(path, "rb") as f:
                data = f.read()
            if name.endswith(".txt"):
                data = windows_text(data)
            info = zipfile.ZipInfo(name, date_time=stamp)
            # Attributes as Windows writes them (MS-DOS, "archive"): no Unix
            # owner or modes, whoever packed it.
            info.create_system = 0
            info.external_attr = 0x20
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data, compresslevel=9)


def main(argv):
    if len(argv) == 4 and argv[1] == "guide":
        return 0 if check_guide(argv[2], argv[3]) else 1
    if len(argv) == 4 and argv[1] == "programs":
        return 0 if check_programs(argv[2], argv[3]) else 1
    if len(argv) >= 5 and argv[1] == "zip":
        write_zip(argv[2], argv[3], argv[4:])
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
