#!/usr/bin/python3
"""orbitas-cli --mapa: the lines of an eclipse for other programs.

For the total eclipse of 2027-08-02 the GeoJSON must be a FeatureCollection
(RFC 7946) of LineStrings whose properties.line names each line, with one
ISO 8601 UT time a coordinate (and a duration on the central line),
longitudes within ±180 and no line crossing the 180th meridian uncut; the
KML must be well-formed XML with a Placemark a line; the text names the
way from Sevilla to the path and Cádiz inside it. A non-central eclipse
(2014-04-29) has no central line; a lunar one gives its points with the
Moon overhead. Mistakes: latitude before longitude (RFC 7946 wants
longitude first), times missing or one short, a line drawn across the
whole map at the 180th meridian, the KML's text not escaped.
"""
import argparse
import datetime
import json
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def run(cli, *args):
    env = {"LANG": "C.UTF-8", "PATH": "/usr/bin:/bin"}
    # A sanitized build's suppressions of the font libraries' own leaks.
    env.update({k: v for k, v in os.environ.items() if k.endswith("SAN_OPTIONS")})
    r = subprocess.run([cli, *args], capture_output=True, text=True, env=env)
    if r.returncode != 0:
        raise AssertionError(f"{args}: {r.stderr}")
    return r.stdout


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    cli = parser.parse_args().cli
    data = json.loads(run(cli, "--mapa", "2027-08-01", "--formato", "geojson"))
    assert data["type"] == "FeatureCollection"
    kinds = {}
    for f in data["features"]:
        assert f["type"] == "Feature" and f["geometry"]["type"] in ("LineString", "Point"), f["geometry"]["type"]
        if f["geometry"]["type"] == "Point":
            continue
        p = f["properties"]
        coordinates = f["geometry"]["coordinates"]
        assert len(p["times"]) == len(coordinates) >= 2, p["line"]
        for (lon, lat), t in zip(coordinates, p["times"]):
            assert -180 <= lon <= 180 and -90 <= lat <= 90, (lon, lat)
            datetime.datetime.fromisoformat(t)
            assert t.endswith("+00:00"), t
        for a, b in zip(coordinates, coordinates[1:]):
            assert abs(a[0] - b[0]) < 180, (p["line"], a, b)
        if p["line"] == "centralLine":
            assert len(p["durations"]) == len(coordinates)
            assert max(p["durations"]) > 380
        if p["line"] == "magnitude":
            assert p["magnitude"] in (0.2, 0.4, 0.6, 0.8)
        kinds[p["line"]] = kinds.get(p["line"], 0) + 1
    for line in ("centralLine", "northLimit", "southLimit", "partialNorthLimit", "partialSouthLimit", "magnitude",
                 "sunriseSunsetLimit"):
        assert kinds.get(line), f"no {line}: {kinds}"
    # The central line crosses the Strait of Gibraltar near 36° N, 5.5° W, longitude first.
    central = next(f for f in data["features"] if f["properties"]["line"] == "centralLine")
    assert any(abs(lon + 5.6) < 1 and abs(lat - 35.9) < 0.6 for lon, lat in central["geometry"]["coordinates"])

    kml = ET.fromstring(run(cli, "--mapa", "2027-08-01", "--formato", "kml"))
    ns = {"k": "http://www.opengis.net/kml/2.2"}
    names = [n.text for n in kml.findall(".//k:Placemark/k:name", ns)]
    assert "Línea central" in names and "Límite norte de la totalidad" in names, names

    # From Sevilla: the place, the nearest point some 70 km south, the towns inside with their durations.
    seen = json.loads(run(cli, "--mapa", "2027-08-01", "--lugar", "Sevilla", "--formato", "geojson"))
    points = {}
    for f in seen["features"]:
        if f["geometry"]["type"] == "Point":
            points.setdefault(f["properties"]["line"], []).append(f["properties"])
    assert points["place"][0]["inside"] is False and points["place"][0]["kind"] == "partial", points["place"]
    assert 60 < points["nearestPoint"][0]["distance"] < 80 and 150 < points["nearestPoint"][0]["bearing"] < 210
    assert all(c["duration"] > 0 for c in points["city"]) and len(points["city"]) == 5

    text = run(cli, "--mapa", "2027-08-01", "--lugar", "Sevilla")
    assert "Lo más cerca para verlo total: a " in text and "al sur" in text, text
    near = run(cli, "--mapa", "2027-08-01", "--lugar", "Jerez de la Frontera")
    assert "Cádiz" in near or "Cadiz" in near, near  # the gazetteer names it in the locale's language

    grazing = json.loads(run(cli, "--mapa", "2014-04-01", "--formato", "geojson"))
    assert not any(f["properties"]["line"] == "centralLine" for f in grazing["features"])
    lunar = json.loads(run(cli, "--mapa", "2026-03-01", "--formato", "geojson"))
    points = [f for f in lunar["features"] if f["properties"]["line"] == "moonOverhead"]
    assert len(points) == 7, len(points)  # P1, U1, U2, greatest, U3, U4, P4
    check_picture_sizes(cli)
    print("ok")
    return 0


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    assert head[:8] == b"\x89PNG\r\n\x1a\n", head
    return int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")


def check_picture_sizes(cli):
    """A picture of the default size is as high as its map: the whole Earth
    leaves no empty half under the key. A size given, and a PDF's A4 page,
    are kept. Mistakes: the default 1200x900 kept for every region, the
    fitted height applied to --tamaño or to a page."""
    with tempfile.TemporaryDirectory() as folder:
        cases = (  # (options, the expected width, and the height's least and most)
            (("--region", "mundo"), 1200, 500, 700),
            ((), 1200, 850, 900),  # the region around the path is nearly 4:3
            (("--region", "mundo", "--tamaño", "800x800"), 800, 800, 800),
        )
        for options, width, least, most in cases:
            path = os.path.join(folder, "mapa.png")
            run(cli, "--mapa", "2027-08-01", "--lugar", "Sevilla", *options, "--dibujo", path)
            size = png_size(path)
            assert size[0] == width and least <= size[1] <= most, (options, size)
        pdf = os.path.join(folder, "mapa.pdf")
        run(cli, "--mapa", "2027-08-01", "--region", "mundo", "--dibujo", pdf)
        box = re.search(rb"/MediaBox \[\s*0 0 ([\d.]+) ([\d.]+)", open(pdf, "rb").read())
        assert box and round(float(box.group(1))) == 842 and round(float(box.group(2))) == 595, box


if __name__ == "__main__":
    sys.exit(main())
