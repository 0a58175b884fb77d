#!/usr/bin/python3
"""The sky from four cities on one night, beside an independent ephemeris.

For Sevilla, Buenos Aires, Ciudad de México and Tromsø on 2026-12-14,
orbitas-cli's sunset, sunrise and dusks (--noche) and each planet's rise,
culmination and set (--ortos) are set beside PyEphem's, computed the way
an almanac states them: the Sun's upper limb and a planet's centre at
34' of refraction below the horizon, the twilights at -6, -12 and -18
degrees of the Sun's centre, no atmosphere besides (pressure 0). Every
time must agree within a minute and every constellation exactly.

A mistake this catches: the method's positions for the sky from a place
(two minutes late for the Sun, twelve for Saturn), a horizon turned at
TT instead of UT, the Sun's centre instead of its limb, the refraction
left out or counted twice, a constellation from the J2000 direction
precessed the wrong way or from the method's. With --table it prints the
comparison.

Exit 77 (skipped) without python3-ephem.
"""
import argparse
import datetime
import json
import os
import subprocess
import sys

try:
    import ephem
except ImportError:
    print("python3-ephem is not installed: skipped")
    sys.exit(77)

DATE = "2026-12-14"
CITIES = ["Sevilla", "Buenos Aires", "Ciudad de México", "Tromsø"]
PLANETS = {"Mercurio": ephem.Mercury, "Venus": ephem.Venus, "Marte": ephem.Mars, "Júpiter": ephem.Jupiter,
           "Saturno": ephem.Saturn, "Urano": ephem.Uranus, "Neptuno": ephem.Neptune}
TOLERANCE = 60  # seconds
SUN_EVENTS = [("set", "-0:34", False, "setting"), ("civilDusk", "-6", True, "setting"),
              ("nauticalDusk", "-12", True, "setting"), ("astronomicalDusk", "-18", True, "setting"),
              ("astronomicalDawn", "-18", True, "rising"), ("nauticalDawn", "-12", True, "rising"),
              ("civilDawn", "-6", True, "rising"), ("rise", "-0:34", False, "rising")]


def cli_json(cli, *args):
    env = dict(os.environ, LANG="es_ES.UTF-8", LC_ALL="es_ES.UTF-8")
    out = subprocess.run([cli, *args, "--json"], check=True, capture_output=True, text=True, env=env).stdout
    return json.loads(out)


def instant(text):
    return datetime.datetime.fromisoformat(text).astimezone(datetime.timezone.utc).replace(tzinfo=None)


def observer(latitude, longitude, start):
    o = ephem.Observer()
    o.lat, o.lon = str(latitude), str(longitude)
    o.elevation, o.pressure = 0, 0
    o.date = ephem.Date(start)
    return o


def when(o, body, horizon, centre, kind):
    o.horizon = horizon
    try:
        found = (o.next_setting if kind == "setting" else o.next_rising)(body, use_center=centre)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None
    return ephem.Date(found).datetime()


def compare(rows, faults, city, what, ours, theirs, start, end):
    """One line of the table: ours (text or None) against PyEphem's."""
    mine = instant(ours) if ours else None
    if theirs is not None and not (start <= theirs < end):
        theirs = None  # not on that day or night
    difference = (mine - theirs).total_seconds() if mine and theirs else None
    rows.append((city, what, mine, theirs, difference))
    if (mine is None) != (theirs is None) or (difference is not None and abs(difference) > TOLERANCE):
        faults.append(f"{city}, {what}: orbitas {mine}, PyEphem {theirs}")


def local_midnight(answer):
    """The start of DATE on the place's clock, UT, from any instant of the answer."""
    text = json.dumps(answer)
    stamp = text[text.index(DATE + "T"):][:25]
    return datetime.datetime.fromisoformat(DATE) - datetime.datetime.fromisoformat(stamp).utcoffset()


def sun_rows(cli, city, rows, faults):
    night = cli_json(cli, "--noche", DATE, "--lugar", city)
    noon = local_midnight(night) + datetime.timedelta(hours=12)
    for key, horizon, centre, kind in SUN_EVENTS:
        o = observer(night["latitude"], night["longitude"], noon)
        theirs = when(o, ephem.Sun(), horizon, centre, kind)
        compare(rows, faults, city, key, night["sun"][key], theirs, noon, noon + datetime.timedelta(days=1))
    return night


def planet_rows(cli, city, night, rows, faults):
    day = cli_json(cli, "--ortos", DATE, "--lugar", city)
    start = local_midnight(day)
    end = start + datetime.timedelta(days=1)
    constellations = {p["name"]: p["constellationAbbr"] for p in night["planets"]}
    for p in day["planets"]:
        if p["name"] not in PLANETS:
            continue
        body = PLANETS[p["name"]]
        o = observer(day["latitude"], day["longitude"], start)
        compare(rows, faults, city, p["name"] + " sale", p["rise"], when(o, body(), "-0:34", True, "rising"),
                start, end)
        compare(rows, faults, city, p["name"] + " se pone", p["set"], when(o, body(), "-0:34", True, "setting"),
                start, end)
        o = observer(day["latitude"], day["longitude"], start)
        transit = ephem.Date(o.next_transit(body())).datetime()
        compare(rows, faults, city, p["name"] + " culmina", p["transit"], transit, start, end)
        b = body(observer(day["latitude"], day["longitude"], start + datetime.timedelta(hours=12)))
        theirs = ephem.constellation(b)[0]
        ours = constellations.get(p["name"])
        rows.append((city, p["name"] + " en", ours, theirs, None))
        if ours != theirs:
            faults.append(f"{city}, {p['name']}: orbitas en {ours}, PyEphem en {theirs}")


def print_table(rows):
    print(f"{'lugar':18} {'qué':22} {'Órbitas (UT)':21} {'PyEphem (UT)':21} {'dif. (s)':>8}")
    for city, what, mine, theirs, difference in rows:
        show = lambda v: v.strftime("%Y-%m-%d %H:%M:%S") if isinstance(v, datetime.datetime) else str(v or "—")
        diff = f"{difference:+8.0f}" if difference is not None else ""
        print(f"{city:18} {what:22} {show(mine):21} {show(theirs):21} {diff:>8}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--table", action="store_true")
    args = parser.parse_args()
    rows, faults = [], []
    for city in CITIES:
        night = sun_rows(args.cli, city, rows, faults)
        planet_rows(args.cli, city, night, rows, faults)
    if args.table:
        print_table(rows)
    for f in faults:
        print("FAULT:", f)
    print(f"{len(rows)} answers, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
