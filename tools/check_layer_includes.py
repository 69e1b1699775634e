#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer its folder does not link.

Each folder of src/ is a library. A core layer is declared with
orvanta_add_layer(<name> ... LINKS <layer>...) in its CMakeLists.txt; the
other folders (cli, ui, app) link libraries with target_link_libraries, where
orvanta_core stands for every core layer. A file of src/<folder>/ may include
"<folder>/..." and "<layer>/..." for every layer its folder links, directly or
through a library it links. Only the desktop half (desktop, ui, app) may
include Qt. Prints one line per include that breaks a rule.

Usage: check_layer_includes.py [SRC_FOLDER]
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
CALL = re.compile(r'(orvanta_add_layer|target_link_libraries|add_library)\s*\(([^)]*)\)', re.S)
QT_FOLDERS = {"desktop", "ui", "app"}


def cmake_calls(text):
    text = re.sub(r'#[^\n]*', '', text)
    return [(name, args.split()) for name, args in CALL.findall(text)]


def read_links(src):
    """The libraries each folder's targets link, by folder."""
    layers, links, core = {}, {}, []
    for cmake in sorted(src.glob("*/CMakeLists.txt")):
        folder = cmake.parent.name
        for name, args in cmake_calls(cmake.read_text()):
            if name == "orvanta_add_layer":
                listed = args[args.index("LINKS") + 1:] if "LINKS" in args else []
                layers[args[0]] = {"orvanta_" + layer for layer in listed}
                links.setdefault(folder, set()).update(layers[args[0]])
            elif name == "target_link_libraries" and args[0].startswith("orvanta"):
                links.setdefault(folder, set()).update(a for a in args[1:] if a.startswith("orvanta_"))
    for name, args in cmake_calls((src / "CMakeLists.txt").read_text()):
        if name == "target_link_libraries" and args[0] == "orvanta_core":
            core = [a[len("orvanta_"):] for a in args[1:] if a.startswith("orvanta_")]
    return links, core


def allowed_folders(folder, links, core, seen=None):
    """The folders a folder's files may include: its own and those it links, transitively."""
    seen = set() if seen is None else seen
    if folder in seen:
        return set()
    seen.add(folder)
    allowed = {folder}
    for library in links.get(folder, ()):
        if library == "orvanta_core":
            allowed.update(core)
            allowed.add("orvanta")  # the generated orvanta/version.h
            for layer in core:
                allowed |= allowed_folders(layer, links, core, seen)
        elif library.startswith("orvanta_"):
            allowed |= allowed_folders(library[len("orvanta_"):], links, core, seen)
    return allowed


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent / "src")
    links, core = read_links(src)
    folders = {p.name for p in src.iterdir() if p.is_dir()}
    broken = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        folder = path.relative_to(src).parts[0]
        allowed = allowed_folders(folder, links, core)
        for kind, header in INCLUDE.findall(path.read_text(errors="replace")):
            first = header.split("/")[0]
            if kind == '"' and (first in folders or first == "orvanta") and first not in allowed:
                broken.append(f"{path.relative_to(src.parent)}: includes \"{header}\", but {folder} does not link {first}")
            if kind == "<" and re.match(r"Q[A-Za-z]", header) and folder not in QT_FOLDERS:
                broken.append(f"{path.relative_to(src.parent)}: includes <{header}>: only {', '.join(sorted(QT_FOLDERS))} use Qt")
    for line in broken:
        print(line)
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main())
