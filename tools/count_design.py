#!/usr/bin/env python3
"""Counts the places where the code goes against how times and answers are
meant to travel: an instant made from a bare Julian day, the UT Julian day
read outside the sky library, conversions through Unix seconds outside
calendar/, ISO texts cut apart, headers taking a time as a bare double,
answers put together in a front end, texts rewritten after they are
written, rows read from vectors beside a model, and orbitas-cli's error
paths (its try blocks that handle an error themselves). Usage: tools/count_design.py [TOP] [--list]."""
import glob
import os
import re
import sys

CODE = ["runtime", "calendar", "ephemeris", "files", "sky", "session", "report", "pictures", "window", "app",
        "cli", "planner"]
FRONT_ENDS = ["cli", "planner", "window", "app"]

TIME_PARAMETER = re.compile(
    r"\bdouble\s+(julianDay|jd|ut|tt|time|after|start|end|t|from|to|day|midnight|middle|darkest|noon|when|at|date|"
    r"startJd|endJd|first|last|utcSeconds|instant|peak|greatest|moment)\b\s*[,)=]")
TIME_RESULT = re.compile(r"\b(?:double|std::optional<double>)\s+(?:[A-Z]\w*::)?(TimeOf|\w*JulianDay\w*|\w*Instant\w*|"
                         r"Next\w*|Find\w*|\w*Time|\w*UtcOf)\s*\(")
# A sidereal time is an angle (hours), not an instant.
NOT_TIMES = {"LocalSiderealTime (result)"}
DECLARATION = re.compile(r"\b([A-Z]\w*)\s*\(([^()]*(?:\([^()]*\)[^()]*)*)\)\s*(const)?\s*(override)?\s*[;{]")

METHODS_OWN = ("session/planet_request.h", "session/instant.h", "session/table_plan.h", "cli/table.h")
# The method's own clock in the zone: its table steps in the clock's
# seconds, and its typed date is read as the clock reads it.
METHODS_OWN_CLOCK = {("calendar/time_zone.h", "UtcOf (result)"), ("calendar/time_zone.h", "LocalAt")}
# The method's table steps its rows in the clock's seconds.
METHODS_OWN_SOURCES = ("session/table_plan.cpp",)

RULES = {
    "Instant::FromUt": (CODE, re.compile(r"Instant::FromUt\(")),
    ".ut outside sky/ and calendar/": ([d for d in CODE if d not in ("sky", "calendar")], re.compile(r"\.ut\b")),
    "Unix seconds outside calendar/ and the method's table": ([d for d in CODE if d != "calendar"],
                                       re.compile(r"UnixSecondsFromJulianDay|JulianDayFromUnixSeconds|\bUtcOf\(")),
    "ISO texts cut apart": ([d for d in CODE if d not in ("calendar", "runtime", "files")],
                            re.compile(r"substr\(\s*\d+\s*,\s*\d+\s*\)|substr\(\s*\w+\.find\('[T ]'\)|"
                                       r"substr\(\s*0\s*,\s*\w+\.find\('[T ]'\)|\.mid\(\s*\d+|\.left\(\s*\d+")),
    "answers put together in front ends": (FRONT_ENDS, re.compile(r"report::\w+Report\s*\w*\s*\{|\bNightAnswer\b\s*\{")),
    "rewriting passes": (CODE, re.compile(r"\b(WithMinusSigns|WithHyphens)\(")),
    "rows read from vectors beside a model": (["planner"], re.compile(r"\(\*\w+_\)\[|\w+_\[static_cast<std::size_t>\(")),
}


def files_under(top, folders, suffixes=(".cpp", ".h")):
    for folder in folders:
        for path in sorted(glob.glob(os.path.join(top, folder, "**", "*"), recursive=True)):
            if path.endswith(suffixes):
                yield path


def without_comments(text):
    return re.sub(r"//[^\n]*", "", text)


def count_pattern(top, folders, pattern, skip=()):
    found = []
    for path in files_under(top, folders):
        if os.path.relpath(path, top) in skip:
            continue
        for number, line in enumerate(without_comments(open(path, encoding="utf-8").read()).split("\n"), 1):
            # A declaration is not a use.
            if re.search(r"^\s*(std::string|double|long|Instant)\s+\w+\(", line) and ";" in line:
                continue
            for _ in pattern.finditer(line):
                found.append(f"{os.path.relpath(path, top)}:{number}")
    return found


def bare_times_in_headers(top):
    """Declarations in headers whose parameters or result are a time as a
    double. The method's own are excepted: ephemeris/, its calendar (the
    Julian day of the typed date, ΔT of a Julian day), its request (the
    instant and the table, whose Julian days are the method's as typed)
    and its clock in the zone."""
    found = []
    for path in files_under(top, [d for d in CODE if d != "ephemeris"], (".h",)):
        rel = os.path.relpath(path, top)
        if rel.startswith("calendar/") and rel != "calendar/time_zone.h":
            continue
        if rel in METHODS_OWN:
            continue
        code = without_private_sections(without_comments(open(path, encoding="utf-8").read()))
        names = [m.group(1) for m in DECLARATION.finditer(code) if TIME_PARAMETER.search(m.group(2) + ")")]
        names += [f"{m.group(1)} (result)" for m in TIME_RESULT.finditer(code)]
        found += [f"{rel}: {name}" for name in names if name not in NOT_TIMES and (rel, name) not in METHODS_OWN_CLOCK]
    return found


def without_private_sections(code):
    """A class's private members are no one's interface: what follows
    `private:` up to the next access label or the class's end is dropped."""
    return re.sub(r"\bprivate:.*?(?=\bpublic:|\bprotected:|\n};)", "", code, flags=re.S)


def error_paths(top):
    """The try blocks of cli/main.cpp that handle an error themselves: those
    with a catch clause other than one `catch (...)` handing it on."""
    path = os.path.join(top, "cli", "main.cpp")
    code = without_comments(open(path, encoding="utf-8").read())
    found = []
    starts = [m.start() for m in re.finditer(r"\btry\s*\{", code)] + [len(code)]
    for start, end in zip(starts, starts[1:]):
        clauses = re.findall(r"catch\s*\(([^)]*)\)", code[start:end])
        if clauses and clauses != ["..."]:
            found.append(f"cli/main.cpp:{code[:start].count(chr(10)) + 1}")
    return found


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    top = args[0] if args else "."
    listing = "--list" in sys.argv
    counts = {name: count_pattern(top, folders, pattern, METHODS_OWN_SOURCES if "table" in name else ())
              for name, (folders, pattern) in RULES.items()}
    counts["bare double times in headers"] = bare_times_in_headers(top)
    counts["error paths in cli/main.cpp"] = error_paths(top)
    for name, places in counts.items():
        print(f"{len(places):5d}  {name}")
        if listing:
            for place in places:
                print(f"         {place}")


if __name__ == "__main__":
    main()
