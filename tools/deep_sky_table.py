#!/usr/bin/env python3
"""Writes the deep-sky table and its Spanish names from the unpacked
packages (see make-deep-sky-catalogue.sh, which fetches them):
deep_sky_table.py WORK TABLE NAMES."""
import gzip
import json
import math
import re
import sqlite3
import struct
import sys

work, out, names_out = sys.argv[1], sys.argv[2], sys.argv[3]

# OpenNGC's object types as KStars numbers them, to ours. Galaxy groups are
# drawn and rated as galaxies; "unknown" holds OpenNGC's duplicates and
# asterisms it did not type (M73 among them), kept only with a Messier or
# Caldwell number.
KSTARS_TYPES = {3: "OpenCluster", 4: "GlobularCluster", 5: "DiffuseNebula", 6: "PlanetaryNebula",
                7: "SupernovaRemnant", 8: "Galaxy", 13: "Asterism", 14: "Galaxy", 15: "DarkNebula",
                17: "DoubleStar", 255: "Asterism"}
D3_TYPES = {"oc": "OpenCluster", "bn": "DiffuseNebula", "dn": "DarkNebula"}

# The usual Spanish names of the best-known objects (the Spanish Wikipedia's
# titles), where d3-celestial's are missing or read otherwise.
SPANISH = {
    "M1": "Nebulosa del Cangrejo", "M6": "Cúmulo de la Mariposa", "M7": "Cúmulo de Ptolomeo",
    "M8": "Nebulosa de la Laguna", "M11": "Cúmulo del Pato Salvaje", "M13": "Cúmulo de Hércules",
    "M16": "Nebulosa del Águila", "M17": "Nebulosa Omega", "M20": "Nebulosa Trífida",
    "M27": "Nebulosa de la Haltera", "M31": "Galaxia de Andrómeda", "M33": "Galaxia del Triángulo",
    "M42": "Nebulosa de Orión", "M43": "Nebulosa de De Mairan", "M44": "Cúmulo del Pesebre",
    "M45": "Pléyades", "M51": "Galaxia del Remolino", "M57": "Nebulosa del Anillo",
    "M64": "Galaxia del Ojo Negro", "M81": "Galaxia de Bode", "M82": "Galaxia del Cigarro",
    "M97": "Nebulosa del Búho", "M101": "Galaxia del Molinete", "M104": "Galaxia del Sombrero",
    "NGC 869": "Doble Cúmulo de Perseo (h)", "NGC 884": "Doble Cúmulo de Perseo (χ)",
    "NGC 5139": "Omega Centauri", "NGC 104": "47 Tucanae", "NGC 7000": "Nebulosa Norteamérica",
    "NGC 6543": "Nebulosa Ojo de Gato", "NGC 7293": "Nebulosa de la Hélice",
    "NGC 3372": "Nebulosa de Carina", "NGC 4755": "Joyero", "NGC 253": "Galaxia del Escultor",
    "NGC 292": "Pequeña Nube de Magallanes", "C41": "Híades", "C99": "Saco de Carbón",
    "NGC 2070": "Nebulosa de la Tarántula", "NGC 7662": "Bola de Nieve Azul",
    "NGC 2392": "Nebulosa del Esquimal", "NGC 6960": "Nebulosa del Velo (occidental)",
    "NGC 6992": "Nebulosa del Velo (oriental)", "NGC 2244": "Cúmulo de la Roseta",
    "NGC 457": "Cúmulo del Búho", "NGC 4565": "Galaxia de la Aguja", "NGC 2264": "Cúmulo del Árbol de Navidad",
}


# Magnitudes better known than OpenNGC's: ω Centauri's integrated V from
# Harris's catalogue of the globular clusters (2010 edition).
VISUAL = {"NGC 5139": 3.68}


def stellarium_caldwell():
    """Each Caldwell number's NGC or IC object, from Stellarium's catalogue."""
    d = gzip.open(work + "/usr/share/stellarium/nebulae/default/catalog.dat").read()
    pos = 0

    def take(kind):
        nonlocal pos
        if kind == "u":
            v = struct.unpack_from(">I", d, pos)[0]
            pos += 4
            return v
        if kind == "f":
            v = struct.unpack_from(">d", d, pos)[0]
            pos += 8
            return v
        n = struct.unpack_from(">I", d, pos)[0]
        pos += 4
        if n == 0xFFFFFFFF:
            return ""
        s = d[pos:pos + n].decode("utf-16-be")
        pos += n
        return s

    take("s"), take("s")  # the catalogue's version and edition
    # One record of catalogue version 3.16: number, place, magnitudes, type,
    # morphology, axes, angle, six numbers of distance, then its designations.
    layout = "u f f f f u s f f u f f f f f f " + "u " * 14 + "s u u s s s s s s s u u u u u"
    fields = layout.split()
    caldwell = {}
    while pos < len(d):
        r = [take(k) for k in fields]
        ngc, ic, c = r[16], r[17], r[19]
        if c:
            caldwell.setdefault(c, []).append("NGC %d" % ngc if ngc else "IC %d" % ic if ic else "")
    assert sorted(caldwell) == list(range(1, 110)), "Caldwell numbers missing"
    return caldwell


def common_name(long_name):
    """The first English common name of OpenNGC's list, not a catalogue number."""
    for part in (p.strip() for p in (long_name or "").split(",")):
        if part and not re.match(r"^(M|NGC|IC|PGC|UGC|UGCA|MCG|ESO|Mrk|CGCG|Cr|Mel|Tr|Sh2|LBN|LDN|B|vdB|"
                                 r"Abell|PK|PN|Ced|Arp|VV|HD|HIP|SAO|Stock|Ru|Col|C|UGC A|h)\s*[-0-9A-Z]", part):
            return part
    return ""


def short_id(name):
    """"M 31" -> "M31", "NGC 0224" -> "NGC 224"."""
    m = re.match(r"^(M|C)\s*0*(\d+)$", name)
    if m:
        return m.group(1) + m.group(2)
    m = re.match(r"^(NGC|IC)\s*0*(\d+)\s*([A-Z]?)$", name)
    return "%s %s%s" % (m.group(1), m.group(2), m.group(3)) if m else name


def main():
    caldwell_of = {}
    for c, ids in stellarium_caldwell().items():
        for i in ids:
            if i:
                caldwell_of[i] = c
    d3 = work + "/package/data/"
    names = json.load(open(d3 + "dsonames.json", encoding="utf-8"))
    dsos = json.load(open(d3 + "dsos.14.json", encoding="utf-8"))["features"]
    # OpenNGC's V magnitudes as d3-celestial carries them (KStars's table
    # gives the B magnitude where OpenNGC has one).
    visual = {}
    for f in dsos:
        try:
            visual[f["id"]] = float(f["properties"]["mag"])
        except (TypeError, ValueError):
            pass
    db = sqlite3.connect(work + "/usr/share/kstars/OpenNGC.kscat")
    rows = {}
    for (kind, ra, dec, mag, name, long_name, ident, major, minor, angle) in db.execute(
            "select type, ra, dec, magnitude, name, long_name, catalog_identifier, major_axis, minor_axis, "
            "position_angle from cat"):
        designation = short_id(ident) if re.match(r"^(NGC|IC)", ident) else ""
        messier = int(name[2:]) if name.startswith("M ") else 0
        m = re.search(r"\bM (\d+)\b", long_name or "")
        if not messier and m:
            messier = int(m.group(1))
        caldwell = caldwell_of.get(designation, 0)
        for k in (designation, name):
            if k in visual and visual[k] < 99:
                mag = visual[k]
                break
        mag = VISUAL.get(designation, mag)
        english = common_name(long_name)
        if kind not in KSTARS_TYPES or (kind == 255 and not messier and not caldwell):
            continue
        bright = mag is not None and mag <= 10.0
        if not (messier or caldwell or bright or english):
            continue
        key = "M%d" % messier if messier else "C%d" % caldwell if caldwell else designation
        if key in rows and not messier:
            if not caldwell:
                continue
            key = designation  # C14 is two clusters: the second goes by its NGC number
        rows[key] = dict(id=key, messier=messier, caldwell=caldwell, designation=designation,
                         type=KSTARS_TYPES[kind], ra=ra / 15.0, dec=dec, mag=mag, major=major, minor=minor,
                         angle=angle, english=english)
    # The Caldwell objects outside the NGC and IC.
    for f in dsos:
        m = re.match(r"^C (\d+)$", f["properties"]["desig"])
        if not m:
            continue
        p = f["properties"]
        dims = [float(x) for x in str(p["dim"]).split("x")]
        mag = float(p["mag"])
        ra, dec = f["geometry"]["coordinates"]
        rows["C" + m.group(1)] = dict(id="C" + m.group(1), messier=0, caldwell=int(m.group(1)), designation="",
                                      type=D3_TYPES[p["type"]], ra=(ra % 360) / 15.0, dec=dec,
                                      mag=None if mag >= 99 else mag, major=dims[0],
                                      minor=dims[1] if len(dims) > 1 else None, angle=None, english="")
    for r in rows.values():
        spanish = SPANISH.get(r["id"]) or SPANISH.get(r["designation"]) or ""
        if not spanish:
            for k in (r["designation"], "M %d" % r["messier"]):
                if k in names and names[k].get("es"):
                    spanish = names[k]["es"]
                    break
        r["spanish"] = spanish
        major, minor = r["major"], r["minor"] or r["major"]
        r["sb"] = (r["mag"] + 2.5 * math.log10(math.pi / 4 * major * minor * 3600.0)
                   if r["mag"] is not None and major else None)
    missing = [m for m in range(1, 111) if "M%d" % m not in rows]
    assert not missing, "Messier objects missing: %s" % missing
    order = lambda r: (0 if r["messier"] else 1 if r["caldwell"] else 2, r["messier"] or r["caldwell"],
                       r["designation"][:3], int(re.sub(r"\D", "", r["designation"]) or 0))

    def c(text):
        return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'

    def num(v, fmt, none="-1"):
        return none if v is None else fmt % v

    with open(out, "w", encoding="utf-8") as f:
        f.write("// Generated by tools/make-deep-sky-catalogue.sh from OpenNGC (CC-BY-SA-4.0) as Debian's\n"
                "// kstars-data 3.6.2 ships it, Stellarium 0.22.2's Caldwell numbers and d3-celestial 0.7.35's\n"
                "// Spanish names (BSD-3-Clause); do not edit.\n"
                "// {id, Messier, Caldwell, NGC/IC, type, RA J2000 hours, Dec J2000 degrees, V magnitude (99: none),\n"
                "//  major and minor axes arcmin (0: none), position angle degrees (-1: none),\n"
                "//  surface brightness mag/arcsec2 (99: none)}\n")
        for r in sorted(rows.values(), key=order):
            f.write("{%s, %d, %d, %s, DeepSkyType::%s, %.6f, %.5f, %s, %s, %s, %s, %s},\n" % (
                c(r["id"]), r["messier"], r["caldwell"], c(r["designation"]), r["type"], r["ra"], r["dec"],
                num(r["mag"], "%.2f", "99"), num(r["major"], "%.2f", "0"), num(r["minor"], "%.2f", "0"),
                num(r["angle"], "%.0f"), num(r["sb"], "%.2f", "99")))
    with open(names_out, "w", encoding="utf-8") as f:
        f.write("// Generated by tools/make-deep-sky-catalogue.sh: the Spanish names of d3-celestial 0.7.35\n"
                "// (BSD-3-Clause) and of the Spanish Wikipedia's titles for the best-known; do not edit.\n"
                "// {id, Spanish name}\n")
        for r in sorted(rows.values(), key=order):
            if r["spanish"]:
                f.write("{%s, %s},\n" % (c(r["id"]), c(r["spanish"])))
    print("%d objects" % len(rows))


main()
