#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists hex literals of 0x0100 and above that are spelled in more than one unit of src/.

A unit is a .h/.cpp pair (same folder, same base name). Image addresses are named
once, in src/model/ImageMap.h; a literal that shows up in two units is a second
spelling of the same address. Comments are ignored. Exit status 1 when any remain.

    scripts/check-image-addresses.py [SRC_DIR]
"""
import re
import sys
from collections import defaultdict
from pathlib import Path

HEX = re.compile(r"\b0[xX]([0-9A-Fa-f]+)\b")
COMMENT = re.compile(r"//[^\n]*|/\*.*?\*/", re.S)
STRING = re.compile(r'"(?:\\.|[^"\\\n])*"')

# Literals that are not image addresses: masks and limits of plain arithmetic.
NOT_ADDRESSES = {0xFFFF, 0xFFFFFFFF}


def units(src: Path):
    for path in sorted(src.rglob("*")):
        if path.suffix in (".h", ".cpp"):
            yield str(path.relative_to(src).with_suffix("")), path


def main() -> int:
    src = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "src"
    seen = defaultdict(set)
    for unit, path in units(src):
        text = COMMENT.sub(" ", STRING.sub('""', path.read_text(encoding="utf-8")))
        for match in HEX.finditer(text):
            value = int(match.group(1), 16)
            if value >= 0x0100 and value not in NOT_ADDRESSES:
                seen[value].add(unit)
    duplicated = {v: u for v, u in seen.items() if len(u) > 1}
    for value in sorted(duplicated):
        print(f"0x{value:04X}: {', '.join(sorted(duplicated[value]))}")
    print(f"{len(duplicated)} literal(s) of 0x0100 and above in more than one unit")
    return 1 if duplicated else 0


if __name__ == "__main__":
    sys.exit(main())
