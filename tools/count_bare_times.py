#!/usr/bin/env python3
"""Counts the functions declared in sky/'s headers that take a time as a bare
double (by the parameter's name: julianDay, jd, after, start, ...), where an
Instant says which scale it is on. Usage: tools/count_bare_times.py [TOP]
[--list]. The method's own searches and the search toolkit's variables are
among those left, by design."""
import glob
import os
import re
import sys

TIME = re.compile(r"\bdouble\s+(julianDay|jd|ut|tt|time|after|start|end|t|from|to|day|midnight|middle|darkest|"
                  r"noon|when|at|date|startJd|endJd)\b\s*[,)=]")
DECLARATION = re.compile(r"\b([A-Z]\w*)\s*\(([^()]*(?:\([^()]*\)[^()]*)*)\)\s*(const)?\s*(override)?\s*[;{]")


def main():
    args = [a for a in sys.argv[1:] if a != "--list"]
    top = args[0] if args else "."
    found = []
    for path in sorted(glob.glob(os.path.join(top, "sky/**/*.h"), recursive=True)):
        code = re.sub(r"//[^\n]*", "", open(path, encoding="utf-8").read())
        for m in DECLARATION.finditer(code):
            if TIME.search(m.group(2) + ")"):
                found.append(f"{os.path.relpath(path, top)}: {m.group(1)}")
    if "--list" in sys.argv:
        print("\n".join(found))
    print(len(found))


if __name__ == "__main__":
    main()
