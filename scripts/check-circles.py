#!/usr/bin/python3
"""Fails when two source files of one library call each other, directly or round a circle.

Usage: check-circles.py LIBRARY...   (static libraries of the build, e.g. libskirmod_core.a)

A file calls another when its object file uses a symbol the other's defines: a call, a
variable or a class's vtable. Qt's generated files (moc, resources) are left out: their
calls back into the classes they were made for are not the code's own design.
"""
import subprocess
import sys
from collections import defaultdict

GENERATED = ("mocs_compilation", "qrc_", "moc_")


def symbols(library):
    """Each member object's defined and used symbols."""
    listing = subprocess.run(["nm", "-A", "--extern-only", library], check=True,
                             capture_output=True, text=True).stdout
    defined, used = defaultdict(set), defaultdict(set)
    for line in listing.splitlines():
        # "library:member:address KIND name", the address blank for a used symbol.
        parts = line[len(library) + 1:].split()
        member = parts[0].split(":")[0]
        if len(parts) < 3 or any(g in member for g in GENERATED):
            continue
        kind, name = parts[-2], parts[-1]
        (used if kind == "U" else defined)[member].add(name)
    return defined, used


def circles(edges):
    """Strongly connected groups of more than one file (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in edges[node]:
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                found.append(sorted(group))

    for node in list(edges):
        if node not in index:
            visit(node)
    return found


def main(libraries):
    faults = 0
    for library in libraries:
        defined, used = symbols(library)
        owner = {name: member for member, names in defined.items() for name in names}
        edges = defaultdict(set)
        for member in set(defined) | set(used):
            edges[member] = {owner[n] for n in used[member] if n in owner and owner[n] != member}
        for group in circles(edges):
            faults += 1
            print("%s: these files call each other in a circle: %s" % (library, " ".join(group)))
        print("%s: %d files, %d circles" % (library, len(edges), faults))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]) if len(sys.argv) > 1 else __doc__)
