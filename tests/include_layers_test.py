#!/usr/bin/env python3
"""Fails where a file of the program includes a header from a folder above or beside its own.

Each folder may include its own headers and those of the folders below it:
platform/ <- words/ <- compose/ <- window/ and command/; window/qt/ and window/win32/ also
window/. Tests, benchmarks and fuzz targets may include anything.

include_layers_test.py SOURCE_ROOT
"""
import pathlib
import re
import sys

CORE = ["platform", "words", "compose"]
MAY_INCLUDE = {
    "platform": ["platform"],
    "words": ["words", "platform"],
    "compose": ["compose", "words", "platform"],
    "window": ["window"] + CORE,
    "window/qt": ["window/qt", "window"] + CORE,
    "window/win32": ["window/win32", "window"] + CORE,
    "command": ["command"] + CORE,
}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def header_folder(root, source, name):
    """The folder, from the root, of the header that `name` finds from `source`, or None."""
    for base in (source.parent, root):
        header = (base / name).resolve()
        if header.is_file():
            return header.parent.relative_to(root).as_posix()
    return None


def faults(root):
    found = []
    for folder, allowed in MAY_INCLUDE.items():
        for source in sorted((root / folder).glob("*")):
            if source.suffix not in (".h", ".cpp"):
                continue
            for name in INCLUDE.findall(source.read_text(encoding="utf-8", errors="replace")):
                target = header_folder(root, source, name)
                if target is None:
                    found.append(f"{source.relative_to(root)}: includes \"{name}\", found nowhere")
                elif target not in allowed:
                    found.append(f"{source.relative_to(root)}: includes \"{name}\" from {target}/")
    return found


def main():
    root = pathlib.Path(sys.argv[1]).resolve()
    found = faults(root)
    for fault in found:
        print(fault)
    sources = sum(len(list((root / folder).glob("*.[ch]*"))) for folder in MAY_INCLUDE)
    print(f"include layers: {sources} files read, {len(found)} faults")
    return 1 if found or sources == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
