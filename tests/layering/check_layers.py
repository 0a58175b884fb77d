#!/usr/bin/env python3
"""Which folder may include which: every #include of the product's sources
is checked against the layers, ERFA may appear only where the sky and the
reference are, Qt only in the windows and their entry points, and below the
front end nothing raises its usage errors, reads the environment or prints
to stderr. With --self-test, a wrong arrow planted in a copy must fail."""
import os
import re
import shutil
import sys
import tempfile

# Each folder and the folders it may include, besides itself. The sky is a
# library of sub-folders: frames and the search toolkit at the bottom, then
# the bodies and the stars, then the night, the year's events and the
# eclipses; the deep sky through a night above the night.
SKY_BASE = ["sky/frames", "sky/search", "sky/tables"]
SKY = SKY_BASE + ["sky/bodies", "sky/night", "sky/events", "sky/eclipses", "sky/showers", "sky/stars", "sky/deep_sky"]
LOW = ["runtime", "calendar", "ephemeris"]
BELOW = {
    "runtime": [],
    # The safe writer and the system's reasons in Spanish: below everything
    # that writes a file or says why a call failed.
    "files": [],
    "calendar": ["runtime"],
    "ephemeris": ["runtime"],
    "sky/frames": LOW,
    "sky/search": ["runtime", "calendar"],
    "sky/tables": ["runtime", "sky/frames"],
    "sky/bodies": LOW + SKY_BASE,
    "sky/night": LOW + SKY_BASE + ["sky/bodies", "sky/showers", "sky/stars"],
    "sky/events": LOW + SKY_BASE + ["sky/bodies"],
    "sky/eclipses": LOW + SKY_BASE + ["sky/bodies"],
    "sky/showers": LOW + SKY_BASE + ["sky/bodies"],
    "sky/stars": LOW + SKY_BASE + ["sky/bodies"],
    "sky/deep_sky": LOW + SKY_BASE + ["sky/bodies", "sky/night"],
    "session": LOW + SKY + ["files"],
    "report": LOW + SKY + ["session", "files"],
    "pictures": LOW + SKY + ["session", "files"],
    "window": LOW + SKY + ["session", "files"],
    "app": LOW + SKY + ["session", "window", "files"],
    "cli": LOW + SKY + ["session", "report", "pictures", "files"],
    # The planner asks the runners and shows their answers: never the sky
    # or the method directly.
    "planner": ["runtime", "calendar", "session", "report", "pictures", "files"],
    "accuracy": LOW + SKY,
    "bench": LOW + SKY + ["session", "report", "pictures", "cli", "planner", "files"],
}
ERFA_FOLDERS = set(SKY) | {"accuracy", "bench"}
QT_FOLDERS = {"window", "app", "planner", "bench"}
# The gazetteer is read in one place, below every front end.
GEONAMES_PLACE = "session/places/"
FRONT_END_ONLY = [r"\bUsageError\b", r"\bgetenv\s*\(", r"\bsetenv\s*\(", r"fprintf\s*\(\s*stderr"]
BELOW_FRONT_END = set(LOW + SKY) | {"session", "report", "pictures", "files"}
# Every file the program makes is written by files/safe_file: nothing else
# opens a file for writing, renames one into place or lets a library write
# to a path of its own.
FILE_WRITES = re.compile(r"\bstd::ofstream\b|\bfopen\s*\([^;]*\"[wa]|\b(?:std::)?rename\s*\(|\bQSaveFile\b|"
                         r"\bcairo_pdf_surface_create\s*\(|\bcairo_surface_write_to_png\s*\(|"
                         r"std::filesystem::(?:rename|copy_file)\b|\bQFile::(?:WriteOnly|Append)\b|\bQIODevice::WriteOnly\b")
FILE_WRITER = "files/"
# Files that write only to what is not a user's file: the benchmarks' sink.
FILE_WRITES_ALLOWED = {"bench/planet_request_bench.cpp"}
# What the pictures may include: the contents they draw, names, number
# formats and units; nothing that computes.
PICTURES_MAY_INCLUDE = {"session/picture_contents.h", "session/chart_contents.h", "session/year_chart_contents.h", "session/almanac_contents.h", "session/eclipse_map_contents.h", "session/body_names.h", "session/names.h",
                        "runtime/number_text.h", "runtime/angle_units.h", "runtime/conversions.h",
                        "sky/bodies/body.h", "files/safe_file.h"}
# Words that give away Spanish text in a string literal of the sky library,
# whose texts are codes; the names are session/names.cpp's.
SPANISH = re.compile(r"[^\x00-\x7f]|\b(de|del|el|la|las|los|no|se|sol|luna|noche|sale|pone|hay|sube|baja|cerca|"
                     r"oposici|conjunci|creciente|menguante|nueva|llena)\b", re.I)
# An eclipse's contacts are an enum everywhere; their codes and Spanish
# names are written in one table, and never compared as text.
CONTACT_NAMES = re.compile(r'"(P[14]|U[1-4]|C[1-4]|T[1-4]|maximum|Máximo)(?:"| \()')
CONTACT_NAMES_PLACE = "session/names.cpp"
# The rooms of the sky whose times are instants on a named scale: no
# parameter there is a bare double time.
INSTANT_HEADERS = {"sky/bodies/reference.h", "sky/bodies/apparent.h", "sky/frames/earth_turning.h",
                   "sky/eclipses/eclipses.h", "sky/showers/meteor_showers.h", "sky/stars/stars.h",
                   "sky/stars/star_dome.h", "sky/stars/finder_chart.h", "sky/night/sky_dome.h",
                   "sky/night/night_showers.h", "sky/bodies/sky_position.h", "sky/bodies/planet_appearance.h",
                   "sky/night/night.h", "sky/night/year_nights.h", "sky/bodies/moon.h",
                   "sky/events/geometry.h", "sky/events/event_search.h", "sky/events/phenomena.h",
                   "sky/frames/horizon.h", "sky/bodies/method_sky.h", "sky/bodies/error_bars.h",
                   "sky/night/night_curves.h", "sky/deep_sky/deep_sky_night.h", "sky/frames/apparent_direction.h"}
# session/ gives its answers and takes its requests with instants and
# spans; only the method's own request takes the Julian day it is typed as.
METHODS_OWN_HEADERS = {"session/planet_request.h", "session/instant.h", "session/table_plan.h"}
# Conversions through Unix seconds belong to calendar/: no front end or
# writer makes a time out of seconds since 1970, or back.
UNIX_SECONDS = re.compile(r"\b(UnixSecondsFromJulianDay|JulianDayFromUnixSeconds|UtcOf)\s*\(")
UNIX_SECONDS_FOLDERS = {"cli", "report", "planner"}
# An answer owns what it shows: no member of a session/ type points into a
# caller's objects.
POINTER_MEMBER = re.compile(r"^\s*(?:const\s+)?[\w:<>]+\s*\*\s*(\w+)\s*(?:=\s*nullptr\s*)?;", re.M)
STRUCT_BODY = re.compile(r"\b(?:struct|class)\s+(\w+)[^;{()]*\{(.*?)\n\};", re.S)
# A text is written once, its minus signs with its numbers: no writer
# rewrites what it wrote.
REWRITING_PASS = re.compile(r"\b(WithMinusSigns|WithHyphens|\w+WithHyphens)\s*\(")
WRITERS = {"report", "pictures", "cli", "planner", "window"}
DOUBLE_TIME = re.compile(r"\bdouble\s+(julianDay|jd|ut|tt|time|after|start|end|t)\b\s*[,)=]")
SESSION_DOUBLE_TIME = re.compile(r"\bdouble\s+(julianDay|jd|ut|tt|time|after|start|end|t|from|to|day|at|when|instant|first|"
                                 r"last|utcSeconds|peak|greatest|moment|midnight|middle|startJd|endJd)\b\s*[,)=]")
# The sky's types that cli/ may name: the request's own parameters (a
# place, an instrument, the sky's darkness, the night's limits, a body,
# the tour's types of object).
# Every other type of sky/ reaches the command line only through session/
# and report/.
CLI_MAY_NAME = {"Place", "Instrument", "SkyDarkness", "NightLimits", "Body", "DeepSkyType"}
SKY_TYPE = re.compile(r"^\s*(?:struct|class|enum class|enum|using)\s+([A-Z]\w*)", re.M)
LITERAL = re.compile(r'"(?:[^"\\\n]|\\.)*"')
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def sources(top, folder):
    for root, _, files in os.walk(os.path.join(top, folder)):
        for name in files:
            if name.endswith((".h", ".cpp")):
                yield os.path.join(root, name)


def folder_of(path):
    """The layer a path from the top belongs to: its first folder, or for
    the sky its sub-folder ("sky/night")."""
    parts = path.split("/")
    return "/".join(parts[:2]) if parts[0] == "sky" and len(parts) > 2 else parts[0]


def sky_types(top):
    names = set()
    for folder in SKY:
        for path in sources(top, folder):
            if path.endswith(".h"):
                names.update(SKY_TYPE.findall(open(path, encoding="utf-8").read()))
    return names - CLI_MAY_NAME


def check(top):
    faults = []
    sky_names = sky_types(top)
    for folder, allowed in BELOW.items():
        for path in sources(top, folder):
            text = open(path, encoding="utf-8").read()
            where = os.path.relpath(path, top)
            for kind, name in INCLUDE.findall(text):
                base = os.path.basename(name)
                if kind == '"':
                    if "/" not in name:
                        faults.append(f"{where}: #include \"{name}\" does not name its folder")
                    elif os.path.exists(os.path.join(top, name)):
                        owner = folder_of(name)
                        if owner in BELOW and owner not in allowed + [folder]:
                            faults.append(f"{where}: {folder}/ includes {name}")
                if base in ("erfa.h", "erfam.h") and folder not in ERFA_FOLDERS:
                    faults.append(f"{where}: ERFA outside {sorted(ERFA_FOLDERS)}")
                if base == "geonames.h" and not where.startswith(GEONAMES_PLACE):
                    faults.append(f"{where}: the gazetteer read outside {GEONAMES_PLACE}")
                if re.match(r"Q[A-Za-z]", base) and folder not in QT_FOLDERS:
                    faults.append(f"{where}: Qt outside {sorted(QT_FOLDERS)}")
            if folder == "pictures":
                # A picture's title comes with its contents, written in session/.
                for call in re.findall(r"SvgWriter\s+\w+\(([^;]*)\);", re.sub(r"//[^\n]*", "", text)):
                    if LITERAL.search(call):
                        faults.append(f"{where}: a picture's title written in pictures/: {call.strip()}")
                for kind, name in INCLUDE.findall(text):
                    if kind == '"' and "/" in name and not name.startswith("pictures/") and name not in PICTURES_MAY_INCLUDE:
                        faults.append(f"{where}: pictures/ includes {name}, which computes")
            if folder == "cli":
                for kind, name in INCLUDE.findall(text):
                    if kind == '"' and name.startswith("sky/"):
                        faults.append(f"{where}: cli/ reaches {name} other than through session/")
                # What an eclipse is, and a body's number, are decided in session/.
                code = re.sub(r"//[^\n]*", "", text)
                for word in re.findall(r"\b(Transit|SolarEclipse|LunarEclipse|EclipseEvent|BodyFromNumber)\b", code):
                    faults.append(f"{where}: cli/ decides on the sky's {word}")
                # A type named as a type: not a member (Command::Night), not
                # a function of the same name (Night(g)).
                declared = re.sub(r"enum\s+class\s+\w+\s*\{[^}]*\}", "", code)  # its own enumerators
                for word in re.findall(r"(?<![:.>\w])([A-Z]\w*)\b(?!\s*\(|::)", declared):
                    if word in sky_names:
                        faults.append(f"{where}: cli/ names the sky's type {word}")
            if folder.startswith("sky/"):
                code = re.sub(r"//[^\n]*", "", re.sub(r"^\s*#\s*include[^\n]*", "", text, flags=re.M))
                for literal in LITERAL.findall(code):
                    if SPANISH.search(literal):
                        faults.append(f"{where}: Spanish text {literal} in the sky library")
            code = re.sub(r"//[^\n]*", "", text)
            if where in INSTANT_HEADERS:
                parameters = "".join(p + ")" for p in re.findall(r"\(([^()]*)\)", code))
                for name in DOUBLE_TIME.findall(parameters):
                    faults.append(f"{where}: a time as a bare double ({name}) where instants carry their scale")
            if folder == "session" and where.endswith(".h") and where not in METHODS_OWN_HEADERS:
                parameters = "".join(p + ")" for p in re.findall(r"\(([^()]*)\)", code))
                for name in SESSION_DOUBLE_TIME.findall(parameters):
                    faults.append(f"{where}: a time as a bare double ({name}) in session/, whose times are instants")
                for struct, body in STRUCT_BODY.findall(code):
                    for member in POINTER_MEMBER.findall(body):
                        faults.append(f"{where}: {struct}::{member} points into a caller's objects; an answer owns them")
            if folder in WRITERS:
                for call in REWRITING_PASS.findall(code):
                    faults.append(f"{where}: {call} rewrites a written text; write it once")
            if folder in UNIX_SECONDS_FOLDERS:
                for call in UNIX_SECONDS.findall(code):
                    faults.append(f"{where}: {call} outside calendar/: times travel as instants")
            if where != CONTACT_NAMES_PLACE:
                for literal in CONTACT_NAMES.findall(code):
                    faults.append(f"{where}: the contact {literal} written as text outside {CONTACT_NAMES_PLACE}")
            if not where.startswith(FILE_WRITER) and where not in FILE_WRITES_ALLOWED:
                for call in FILE_WRITES.findall(re.sub(r"//[^\n]*", "", text)):
                    faults.append(f"{where}: a file written by {call.strip()} outside the safe writer ({FILE_WRITER})")
            if folder in BELOW_FRONT_END:
                code = re.sub(r"//[^\n]*", "", text)
                for pattern in FRONT_END_ONLY:
                    if re.search(pattern, code):
                        faults.append(f"{where}: {pattern} below cli/")
    return faults


def self_test(top):
    with tempfile.TemporaryDirectory() as copy:
        for folder in {f.split("/")[0] for f in BELOW}:
            if os.path.isdir(os.path.join(top, folder)):
                shutil.copytree(os.path.join(top, folder), os.path.join(copy, folder))
        plants = [("ephemeris/kepler.cpp", '#include "sky/frames/horizon.h"\n'),
                  ("report/json.cpp", '#include "pictures/svg_writer.h"\n'),
                  ("session/instant.cpp", "#include <erfa.h>\n"), ("sky/frames/place.h", "#include <QString>\n"),
                  ("sky/bodies/moon.cpp", '#include "sky/night/night.h"\n'),
                  ("report/json.cpp", '#include "json.h"\n'),
                  ("sky/night/rise_set.cpp", 'const char* Reason() { return "no sale"; }\n'),
                  ("pictures/night_picture.cpp", '#include "sky/night/night.h"\n'),
                  ("cli/main.cpp", '#include "sky/night/rise_set.h"\n'),
                  ("planner/night_tab.cpp", '#include "ephemeris/kepler.h"\n'),
                  ("cli/arguments.cpp", "#include <geonames.h>\n"),
                  ("cli/output.cpp", "bool Solar(const EclipseSeen& s) { return !std::holds_alternative<Transit>(s.event); }\n"),
                  ("calendar/time_zone.cpp", 'void F() { std::getenv("TZ"); }\n'),
                  ("pictures/eclipse_picture.cpp", 'bool Filled(const EclipseMark& m) { return m.name == "Máximo"; }\n'),
                  ("sky/eclipses/eclipse_views.cpp", 'bool First(std::string_view c) { return c == "P1"; }\n'),
                  ("sky/bodies/reference.h", "std::optional<Vector> ReferenceAt(Body body, double julianDay);\n"),
                  ("sky/eclipses/eclipses.h", "std::optional<Transit> NextTransitFrom(double after, Body planet);\n"),
                  ("cli/output.cpp", "int Planets(const Night& night) { return 0; }\n"),
                  ("pictures/orbit_picture.cpp", 'void T() { SvgWriter svg(1, 1, "Órbitas de " + name); }\n'),
                  ("session/places/home_place.cpp", 'void W() { std::ofstream out("x"); }\n'),
                  ("pictures/picture_file.cpp", 'void W(cairo_surface_t* s) { cairo_surface_write_to_png(s, "x.png"); }\n'),
                  ("planner/save_file.cpp", 'void W() { QSaveFile f("x"); }\n'),
                  ("cli/main.cpp", 'void W() { std::rename("a", "b"); }\n'),
                  ("session/runners.h", "void RunEclipses(double from, double to);\n"),
                  ("session/sky_answers.h", "struct Held {\n  const TimeZone* zone = nullptr;\n};\n"),
                  ("cli/typed_values.cpp", "double S(double jd) { return UnixSecondsFromJulianDay(jd); }\n"),
                  ("report/eclipse_output.cpp", "double J(double s) { return JulianDayFromUnixSeconds(s); }\n"),
                  ("planner/night_tab.cpp", "double U(const TimeZone& z, const CivilTime& c) { return z.UtcOf(c); }\n"),
                  ("report/view_rows.cpp", "std::string S(std::string t) { return WithMinusSigns(t); }\n")]
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
