#!/usr/bin/env python3
"""Prints the folder-to-folder include graph of src/ and checks that it points down the layers.

The layer order is the one src/CMakeLists.txt builds (VANTORA_LAYERS, lowest first); app/ sits
above every layer. An include of a folder higher than the includer's is an upward edge. Exits 1
when there is an upward edge or a cycle between folders, 0 otherwise.

    tools/layers.py                 # this checkout
    tools/layers.py --src DIR       # another tree (e.g. an older checkout), same layer order
    tools/layers.py --order "math core ..."   # what another order would make of the includes
"""

import argparse
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z0-9_]+)/[^"]+"', re.MULTILINE)
LAYERS = re.compile(r"set\(VANTORA_LAYERS\s+([^)$]+)\)")
TOP = "app"


def read_layers(cmake_file):
    match = LAYERS.search(cmake_file.read_text())
    if not match:
        sys.exit(f"layers.py: no set(VANTORA_LAYERS ...) in {cmake_file}")
    return match.group(1).split() + [TOP]


def collect(src, folders):
    """(from, to) -> list of 'file includes header' lines, for includes between folders."""
    edges = {}
    for folder in folders:
        for path in sorted((src / folder).glob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            for line in INCLUDE.finditer(path.read_text(errors="replace")):
                target = line.group(1)
                if target in folders and target != folder:
                    header = line.group(0).split('"')[1]
                    edges.setdefault((folder, target), []).append(f"{folder}/{path.name} includes {header}")
    return edges


def find_cycle(folders, edges):
    """One cycle of folders as a list, or None."""
    graph = {f: sorted(t for (s, t) in edges if s == f) for f in folders}
    state = {}

    def visit(node, trail):
        state[node] = "open"
        trail.append(node)
        for nxt in graph[node]:
            if state.get(nxt) == "open":
                return trail[trail.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt, trail)
                if found:
                    return found
        state[node] = "done"
        trail.pop()
        return None

    for folder in folders:
        if folder not in state:
            found = visit(folder, [])
            if found:
                return found
    return None


def main():
    here = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--src", type=pathlib.Path, default=here / "src", help="the src/ tree to read")
    parser.add_argument("--cmake", type=pathlib.Path, default=here / "src" / "CMakeLists.txt",
                        help="where the layer order is read from")
    parser.add_argument("--order", help="another layer order to check against, lowest first, space separated")
    args = parser.parse_args()

    folders = args.order.split() + [TOP] if args.order else read_layers(args.cmake)
    rank = {folder: i for i, folder in enumerate(folders)}
    edges = collect(args.src, folders)

    print("Layers, lowest first: " + " < ".join(folders))
    print()
    width = max(len(f) for f in folders)
    for folder in folders:
        targets = sorted((t for (s, t) in edges if s == folder), key=rank.get)
        shown = ", ".join(f"{t} ({len(edges[(folder, t)])})" + (" UP" if rank[t] > rank[folder] else "")
                          for t in targets)
        print(f"{folder:<{width}} -> {shown or '-'}")

    upward = [(s, t) for (s, t) in edges if rank[t] > rank[s]]
    count = sum(len(edges[e]) for e in upward)
    print()
    print(f"Upward includes: {count} across {len(upward)} folder pairs")
    for edge in sorted(upward, key=lambda e: (rank[e[0]], rank[e[1]])):
        for line in edges[edge]:
            print(f"  {line}")
    cycle = find_cycle(folders, edges)
    print("Cycles: " + (" -> ".join(cycle) if cycle else "none"))
    return 1 if upward or cycle else 0


if __name__ == "__main__":
    sys.exit(main())
