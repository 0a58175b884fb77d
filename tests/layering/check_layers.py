#!/usr/bin/env python3
"""Which folder may include which: every #include of the product's sources
is checked against the layers, ERFA may appear only where the sky and the
reference are, Qt only in the window and the entry point, and below the
front end nothing raises its usage errors, reads the environment or prints
to stderr. With --self-test, a wrong arrow planted in a copy must fail."""
import os
import re
import shutil
import sys
import tempfile

# Each folder and the folders it may include, besides itself.
BELOW = {
    "runtime": [],
    "calendar": ["runtime"],
    "ephemeris": ["runtime"],
    "sky": ["runtime", "calendar", "ephemeris"],
    "session": ["runtime", "calendar", "ephemeris", "sky"],
    "report": ["runtime", "calendar", "ephemeris", "sky", "session"],
    "pictures": ["runtime", "calendar", "ephemeris", "sky", "session"],
    "window": ["runtime", "calendar", "ephemeris", "sky", "session"],
    "app": ["runtime", "calendar", "ephemeris", "sky", "session", "window"],
    "cli": ["runtime", "calendar", "ephemeris", "sky", "session", "report", "pictures"],
    "accuracy": ["runtime", "calendar", "ephemeris", "sky"],
    "bench": ["runtime", "calendar", "ephemeris", "sky", "session", "report", "pictures", "cli"],
}
ERFA_FOLDERS = {"sky", "accuracy", "bench"}
QT_FOLDERS = {"window", "app"}
FRONT_END_ONLY = [r"\bUsageError\b", r"\bgetenv\s*\(", r"\bsetenv\s*\(", r"fprintf\s*\(\s*stderr"]
BELOW_FRONT_END = {"runtime", "calendar", "ephemeris", "sky", "session", "report", "pictures"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def sources(top, folder):
    for root, _, files in os.walk(os.path.join(top, folder)):
        for name in files:
            if name.endswith((".h", ".cpp")):
                yield os.path.join(root, name)


def check(top):
    owner = {}
    for folder in BELOW:
        for path in sources(top, folder):
            owner.setdefault(os.path.basename(path), folder)
    faults = []
    for folder, allowed in BELOW.items():
        for path in sources(top, folder):
            text = open(path, encoding="utf-8").read()
            where = os.path.relpath(path, top)
            for kind, name in INCLUDE.findall(text):
                base = os.path.basename(name)
                if kind == '"' and base in owner and owner[base] not in allowed + [folder]:
                    faults.append(f"{where}: {folder}/ includes {owner[base]}/{base}")
                if base == "erfa.h" and folder not in ERFA_FOLDERS:
                    faults.append(f"{where}: ERFA outside {sorted(ERFA_FOLDERS)}")
                if re.match(r"Q[A-Za-z]", base) and folder not in QT_FOLDERS:
                    faults.append(f"{where}: Qt outside {sorted(QT_FOLDERS)}")
            if folder in BELOW_FRONT_END:
                code = re.sub(r"//[^\n]*", "", text)
                for pattern in FRONT_END_ONLY:
                    if re.search(pattern, code):
                        faults.append(f"{where}: {pattern} below cli/")
    return faults


def self_test(top):
    with tempfile.TemporaryDirectory() as copy:
        for folder in BELOW:
            if os.path.isdir(os.path.join(top, folder)):
                shutil.copytree(os.path.join(top, folder), os.path.join(copy, folder))
        plants = [("ephemeris/kepler.cpp", '#include "horizon.h"\n'), ("report/json.cpp", '#include "svg_writer.h"\n'),
                  ("session/instant.cpp", "#include <erfa.h>\n"), ("sky/place.h", "#include <QString>\n"),
                  ("calendar/time_zone.cpp", 'void F() { std::getenv("TZ"); }\n')]
        missed = []
        for path, line in plants:
            target = os.path.join(copy, path)
            original = open(target, encoding="utf-8").read()
            open(target, "w", encoding="utf-8").write(line + original)
            if not check(copy):
                missed.append(f"{path}: {line.strip()}")
            open(target, "w", encoding="utf-8").write(original)
        return missed


def main():
    top = os.path.abspath(sys.argv[-1] if len(sys.argv) > 1 and sys.argv[-1] != "--self-test" else ".")
    faults = check(top)
    for fault in faults:
        print("FAIL:", fault)
    missed = self_test(top) if "--self-test" in sys.argv else []
    for plant in missed:
        print("FAIL: a planted fault went unseen:", plant)
    print(f"{0 if faults or missed else 1} passed, {1 if faults or missed else 0} failed")
    return 1 if faults or missed else 0


if __name__ == "__main__":
    sys.exit(main())
