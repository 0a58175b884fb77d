#!/usr/bin/python3
"""The deep sky of a tour beside an independent ephemeris.

For Sevilla, Buenos Aires, Ciudad de México and Tromsø on 2026-12-14,
every object orbitas-cli --recorrido --todos lists with a best moment is
set beside PyEphem's place of the same catalogue object (its J2000 place as
a fixed body, no atmosphere): the apparent right ascension and declination
of the date within 2", the altitude and azimuth at the best moment within
0.01° (the azimuth scaled by the cosine of the altitude). Every object
that never rises must have its upper culmination below the horizon in
PyEphem's sky too, and every circumpolar one its lower culmination above.

A mistake this catches: the J2000 place taken for the place of date (a
quarter of a degree by 2026), the aberration left out (up to 20"), the
altitude turned for the wrong hemisphere, a best moment whose altitude is
that of the sample before it.

Exit 77 (skipped) without python3-ephem.
"""
import argparse
import datetime
import json
import math
import subprocess
import sys

try:
    import ephem
except ImportError:
    print("python3-ephem is not installed: skipped")
    sys.exit(77)

DATE = "2026-12-14"
CITIES = ["Sevilla", "Buenos Aires", "Ciudad de México", "Tromsø"]


def tour(cli, city):
    r = subprocess.run([cli, "--recorrido", DATE, "--lugar", city, "--instrumento", "telescopio", "--todos", "--json"],
                       capture_output=True, text=True, check=True, env={"LANG": "C.UTF-8", "PATH": "/usr/bin:/bin"})
    return json.loads(r.stdout)


def catalogue_place():
    """Each object's J2000 place, from the table the program compiles in."""
    import os
    import re
    table = os.path.join(os.path.dirname(__file__), "..", "..", "sky", "tables", "deep_sky_catalogue.inc")
    places = {}
    for line in open(table, encoding="utf-8"):
        m = re.match(r'\{"([^"]+)", \d+, \d+, "[^"]*", DeepSkyType::\w+, ([-0-9.]+), ([-0-9.]+),', line)
        if m:
            places[m.group(1)] = (float(m.group(2)), float(m.group(3)))
    return places


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    args = parser.parse_args()
    places = catalogue_place()
    failures, checked = [], 0
    for city in CITIES:
        answer = tour(args.cli, city)
        observer = ephem.Observer()
        observer.lat, observer.lon = str(answer["latitude"]), str(answer["longitude"])
        observer.elevation, observer.pressure = 0, 0
        for stop in answer["stops"]:
            if stop["kind"] != "deepSky":
                continue
            ra, dec = places[stop["id"]]
            body = ephem.FixedBody()
            body._ra, body._dec, body._epoch = math.radians(ra * 15), math.radians(dec), ephem.J2000
            if stop["bestTime"] is None:
                observer.date = ephem.Date(DATE)
                body.compute(observer)
                phi, delta = answer["latitude"], math.degrees(body.dec)
                if stop["neverRises"] and 90 - abs(phi - delta) >= 0:
                    failures.append(f"{city} {stop['id']}: said never to rise, but culminates at {90 - abs(phi - delta):.2f}°")
                continue
            when = datetime.datetime.fromisoformat(stop["bestTime"]).astimezone(datetime.timezone.utc)
            observer.date = ephem.Date(when.replace(tzinfo=None))
            body.compute(observer)
            dra = (stop["ra"] - body.ra * 12 / math.pi) * 15 * 3600 * math.cos(body.dec)
            ddec = (stop["dec"] - math.degrees(body.dec)) * 3600
            dalt = stop["altitude"] - math.degrees(body.alt)
            daz = ((stop["azimuth"] - math.degrees(body.az) + 180) % 360 - 180) * math.cos(body.alt)
            checked += 1
            if abs(dra) > 2 or abs(ddec) > 2 or abs(dalt) > 0.01 or abs(daz) > 0.01:
                failures.append(f"{city} {stop['id']} at {stop['bestTime']}: RA {dra:+.1f}\", Dec {ddec:+.1f}\", "
                                f"altitude {dalt:+.4f}°, azimuth {daz:+.4f}°")
            if stop["circumpolar"] and abs(answer["latitude"] + math.degrees(body.dec)) - 90 <= 0:
                failures.append(f"{city} {stop['id']}: said circumpolar, but sets")
    print(f"{checked} objects checked from {len(CITIES)} cities")
    for f in failures[:20]:
        print(f)
    return 1 if failures or checked < 500 else 0


if __name__ == "__main__":
    sys.exit(main())
