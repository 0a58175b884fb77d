#!/usr/bin/python3
"""orbitas-cli --año read back from its SVG: each curve where --ortos puts
the same event, the clock's changes on the right nights (two for Madrid,
none for Bogotá), the polar night and the midnight sun drawn whole at
Tromsø, the hourglass the other way round at Buenos Aires.
Usage: year_chart_test.py --cli PATH/orbitas-cli"""
import datetime
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

CLI = None
SVG = "{http://www.w3.org/2000/svg}"
ENV = {k: v for k, v in os.environ.items() if not k.startswith("LC_") and k != "LANG"}
ENV["LC_ALL"] = "C"
CHARTS = {}


def chart(place):
    """The chart of 2027 from place: (root, plot (left, top, width, height))."""
    if place not in CHARTS:
        with tempfile.TemporaryDirectory() as d:
            svg = os.path.join(d, "y.svg")
            subprocess.run([CLI, "--año", "2027", "--lugar", place, "--dibujo", svg], env=ENV, check=True,
                           capture_output=True, timeout=60)
            root = ET.parse(svg).getroot()
        frame = next(r for g in root.iter(SVG + "g") if g.get("id") == "ejes" for r in g.iter(SVG + "rect"))
        CHARTS[place] = root, tuple(float(frame.get(k)) for k in ("x", "y", "width", "height"))
    return CHARTS[place]


def titled(root, cls):
    return {g.find(SVG + "title").text: g for g in root.iter(SVG + "g")
            if g.get("class") == cls and g.find(SVG + "title") is not None}


def spans(root, band, plot):
    """row -> [(from, to) hours] of one band's rectangles."""
    left, top, width, height = plot
    d = titled(root, "banda")[band].find(SVG + "path").get("d")
    out = {}
    for x, y, w in re.findall(r"M([-\d.]+) ([-\d.]+)h([-\d.]+)", d):
        row = round((float(y) - top) / (height / 365))
        start = (float(x) - left) / width * 24
        out.setdefault(row, []).append((start, start + float(w) / width * 24))
    return out


def row_of(date):
    return (date - datetime.date(2027, 1, 1)).days


class YearChart(unittest.TestCase):
    def test_each_curve_is_where_the_risings_put_its_event(self):
        root, (left, top, width, height) = chart("Madrid")
        curves = titled(root, "curva")
        checked = 0
        for date in (datetime.date(2027, 2, 10), datetime.date(2027, 6, 21), datetime.date(2027, 10, 5)):
            day = json.loads(subprocess.run([CLI, "--ortos", date.isoformat(), "--lugar", "Madrid", "Marte", "Júpiter", "Saturno", "--json"], env=ENV,
                                            check=True, capture_output=True, text=True).stdout)
            for planet in day["planets"]:
                for key, kind in (("rise", "salida"), ("transit", "paso"), ("set", "puesta")):
                    when = planet.get(key)
                    if not when or int(when[11:13]) < 13:
                        continue  # before the night's noon: another row
                    hours = int(when[11:13]) + int(when[14:16]) / 60 + int(when[17:19]) / 3600 - 12
                    group = curves.get(f"{planet['name']}: {kind}")
                    if group is None:
                        continue
                    points = [tuple(map(float, p.split(","))) for line in group.iter(SVG + "polyline")
                              for p in line.get("points").split()]
                    row = row_of(date)
                    at = [((x - left) / width * 24) for x, y in points
                          if round((y - top) / (height / 365) - 0.5) == row]
                    if not at:
                        continue  # in the Sun's glare
                    self.assertAlmostEqual(at[0], hours, delta=0.05, msg=f"{planet['name']} {kind} {date}")
                    checked += 1
        self.assertGreaterEqual(checked, 4)

    def test_the_clock_changes_on_the_right_nights_and_only_where_it_does(self):
        root, _ = chart("Madrid")
        changes = titled(root, "cambio-de-hora")
        self.assertEqual(sorted(changes), ["cambio de hora: +1 h", "cambio de hora: −1 h"])
        self.assertEqual(titled(chart("Bogotá")[0], "cambio-de-hora"), {})

    def test_polar_night_and_midnight_sun_are_drawn_whole(self):
        root, plot = chart("Tromsø")
        civil = spans(root, "crepúsculo civil", plot)
        self.assertNotIn(row_of(datetime.date(2027, 6, 21)), civil, "midnight sun: no twilight at all")
        self.assertEqual([(0, 24)], [tuple(round(h, 3) for h in s) for s in civil[row_of(datetime.date(2027, 12, 21))]],
                         "polar night: the Sun below the horizon the whole row")
        for cls in ("curva", "banda"):
            self.assertTrue(titled(root, cls))

    def test_the_southern_hourglass_is_the_other_way_round(self):
        def dark(place, date):
            root, plot = chart(place)
            return sum(b - a for a, b in spans(root, "noche cerrada", plot).get(row_of(date), []))
        june, december = datetime.date(2027, 6, 21), datetime.date(2027, 12, 21)
        self.assertGreater(dark("Madrid", december), dark("Madrid", june) + 3)
        self.assertGreater(dark("Buenos Aires", june), dark("Buenos Aires", december) + 3)

    def test_the_almanac_is_the_chart_then_a_portrait_page_a_month(self):
        with tempfile.TemporaryDirectory() as d:
            pdf = os.path.join(d, "a.pdf")
            subprocess.run([CLI, "--año", "2027", "--lugar", "Madrid", "--dibujo", pdf, "--almanaque"], env=ENV,
                           check=True, capture_output=True, timeout=120)
            info = subprocess.run(["pdfinfo", "-f", "1", "-l", "13", pdf], capture_output=True, text=True).stdout
            sizes = re.findall(r"Page\s+\d+ size:\s+(\d+ x \d+)", info)
            self.assertEqual(sizes, ["842 x 595"] + ["595 x 842"] * 12)
            december = subprocess.run(["pdftotext", "-f", "13", "-l", "13", pdf, "-"], capture_output=True,
                                      text=True).stdout
        for words in ("Diciembre de 2027", "Fases de la Luna", "Luna llena", "Gemínidas", "puesta del Sol",
                      "Júpiter", "Horas del reloj local."):
            self.assertIn(words, december)

    def test_bad_requests_are_refused_naming_the_value(self):
        for args, words in ((["--año", "999", "--lugar", "Madrid", "--dibujo", "x.svg"], "«999»"),
                            (["--año", "2027x", "--lugar", "Madrid", "--dibujo", "x.svg"], "«2027x»"),
                            (["--año", "2027", "--lugar", "Madrid"], "--año necesita --dibujo"),
                            (["--año", "2027", "--noche", "--lugar", "Madrid", "--dibujo", "x.svg"], "--año solo se combina"),
                            (["--año", "2027", "--lugar", "Madrid", "--dibujo", "x.png", "--almanaque"], "necesita un PDF"),
                            (["--noche", "--lugar", "Madrid", "--almanaque"], "--almanaque solo se usa con --año")):
            with self.subTest(args[1]):
                r = subprocess.run([CLI, *args], env=ENV, capture_output=True, text=True, timeout=30)
                self.assertEqual(r.returncode, 2, r.stderr)
                self.assertIn(words, r.stderr)


if __name__ == "__main__":
    CLI = sys.argv[sys.argv.index("--cli") + 1]
    del sys.argv[1:]
    unittest.main(verbosity=2)
