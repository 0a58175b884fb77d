#!/usr/bin/python3
"""orbitas-cli --dibujo, checked as a reader of its pictures would: the SVG
holds what it claims (every body, each at its heliocentric longitude and to
scale; the path in row order, right ascension growing to the left; the
stationary points at the dates the table shows), the PNG and PDF are real
images of the size asked for, and errors leave nothing half-written.
Usage: pictures_test.py --cli PATH/orbitas-cli"""
import csv
import io
import json
import math
import os
import re
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import xml.etree.ElementTree as ET

CLI = None
# ORBITAS_TEST_LANG=es_ES.UTF-8 runs every case as a Spanish desktop does.
LANG = os.environ.get("ORBITAS_TEST_LANG")
LOCALE = {k: v for k, v in os.environ.items() if not k.startswith("LC_") and k != "LANG"}
LOCALE.update({"LANG": LANG} if LANG else {"LC_ALL": "C"})
SVG = "{http://www.w3.org/2000/svg}"


def run(*args, check=True):
    r = subprocess.run([CLI, *args], capture_output=True, text=True, timeout=60, env=LOCALE)
    if check and r.returncode != 0:
        raise AssertionError(f"{args}: exit {r.returncode}: {r.stderr}")
    return r


def title(element):
    t = element.find(SVG + "title")
    return t.text if t is not None else ""


def groups(root, cls):
    return [g for g in root.iter(SVG + "g") if cls in (g.get("class") or "").split()]


def centre(group):
    c = group.find(SVG + "circle")
    return float(c.get("cx")), float(c.get("cy"))


def text_boxes(root):
    """(text, (left, top, right, bottom)) of every text, estimated as the
    pictures place them: 0.58 of the size a character (a tenth more in
    bold), from 0.75 of the size above the baseline to 0.2 below."""
    boxes = []
    for t in root.iter(SVG + "text"):
        text = "".join(t.itertext())
        if not text.strip():
            continue
        x, y, size = float(t.get("x")), float(t.get("y")), float(t.get("font-size"))
        width = 0.58 * size * len(text) * (1.1 if t.get("font-weight") == "bold" else 1)
        left = {"middle": x - width / 2, "end": x - width}.get(t.get("text-anchor"), x)
        boxes.append((text, (left, y - 0.75 * size, left + width, y + 0.2 * size)))
    return boxes


class Pictures(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)

    def path(self, name):
        return os.path.join(self.dir.name, name)

    def leftovers(self):
        return sorted(os.listdir(self.dir.name))

    def test_orbits_put_each_body_at_its_longitude_and_to_scale(self):
        for bodies, panels in ((["Marte", "Júpiter", "Plutón"], {"sistema", "interior"}),
                               (["Mercurio", "Venus", "Marte"], {"sistema"})):
            svg = self.path("orbitas.svg")
            out = run("--jd", "2451545.25", *bodies, "--json", "--dibujo", svg).stdout
            values = {p["name"]: p["values"] for p in json.loads(out)["planets"]}
            root = ET.parse(svg).getroot()
            self.assertEqual({g.get("id") for g in groups(root, "panel")}, panels)
            panel = next(g for g in groups(root, "panel") if g.get("id") == "sistema")
            sun = centre(next(g for g in groups(panel, "sol")))
            expected = {"Tierra": (values[bodies[0]]["EarthX"], values[bodies[0]]["EarthY"],
                                   values[bodies[0]]["EarthRadius"])}
            for name in bodies:
                v = values[name]
                expected[name] = (v["PlanetX"], v["PlanetY"], v["PlanetRadius"])
            markers = {title(g): centre(g) for g in groups(panel, "cuerpo") if "sol" not in g.get("class")}
            self.assertEqual(set(markers), set(expected), "every body asked for, and the Earth")
            scales = []
            for name, (x, y, r) in expected.items():
                mx, my = markers[name]
                drawn = math.degrees(math.atan2(-(my - sun[1]), mx - sun[0]))
                longitude = math.degrees(math.atan2(y, x))
                self.assertLess(abs((drawn - longitude + 180) % 360 - 180), 0.1, name)
                scales.append(math.hypot(mx - sun[0], my - sun[1]) / r)
            self.assertLess(max(scales) / min(scales) - 1, 0.01, f"distances not to one scale: {scales}")
            for orbit in root.iter(SVG + "polyline"):
                self.assertTrue(title(orbit).startswith("Órbita de "))
            self.assertIn("♈ (punto vernal)", [t.text for t in root.iter(SVG + "text")])

    def test_the_path_follows_the_rows_with_right_ascension_growing_to_the_left(self):
        svg = self.path("bucle.svg")
        table = run("--from", "2020-06-01", "--to", "2021-02-28", "--step", "1d", "Marte", "--format", "csv",
                    "--dibujo", svg).stdout
        rows = list(csv.DictReader(io.StringIO(table)))
        root = ET.parse(svg).getroot()
        ticks = [(float(t.get("x")), t.text) for t in root.iter(SVG + "text") if t.get("class") == "marca-ar"]
        hours = [(x, int(m.group(1)) + int(m.group(2) or 0) / 60)
                 for x, text in ticks for m in [re.fullmatch(r"(\d+)h(?:(\d+)m)?", text)]]
        # Continue the marks' hours leftwards, then fit x = a + b * hours.
        hours.sort(key=lambda p: -p[0])
        for k in range(1, len(hours)):
            while hours[k][1] < hours[k - 1][1]:
                hours[k] = (hours[k][0], hours[k][1] + 24)
        (x0, h0), (x1, h1) = hours[0], hours[-1]
        b = (x1 - x0) / (h1 - h0)
        self.assertLess(b, 0, "right ascension must grow to the left")
        path = next(g for g in groups(root, "camino") if g.get("id") == "camino-4")
        points = [tuple(map(float, p.split(","))) for p in path.find(SVG + "polyline").get("points").split()]
        self.assertEqual(len(points), len(rows))
        for (x, _), row in zip(points, rows):
            ra = float(row["ra_hours"])
            predicted = min((x0 + b * (ra + turn - h0) for turn in (-24, 0, 24)), key=lambda p: abs(p - x))
            self.assertLess(abs(predicted - x), 1.0, row["instant"])
        # Stationary points: where the right ascension turns back in the table.
        ra = [float(r["ra_hours"]) for r in rows]
        step = lambda a, b: (b - a + 12) % 24 - 12
        turns = {rows[k]["instant"][:10] for k in range(1, len(ra) - 1)
                 if step(ra[k - 1], ra[k]) * step(ra[k], ra[k + 1]) < 0}
        self.assertEqual(len(turns), 2, turns)
        marked = {re.search(r"\d{4}-\d\d-\d\d", title(g)).group(0) for g in groups(root, "estacionario")}
        self.assertEqual(marked, turns)

    def test_the_dome_puts_each_body_at_its_altitude_and_azimuth(self):
        # The same instant as text and as the dome: each planet above the
        # horizon is a titled group, at its distance from the zenith and in
        # its direction, east on the left and north at the top.
        args = ["2026", "12", "8", "6", "30", "0", "--lugar", "40.4168,-3.7038", "--zona", "Europe/Madrid"]
        sky = json.loads(run(*args, "--json").stdout)
        svg = self.path("cielo.svg")
        run(*args, "--dibujo", svg, "--tamaño", "1000x1000")
        root = ET.parse(svg).getroot()
        rim = [c for c in groups(root, "reticula")[0].iter(SVG + "circle")][0]
        cx, cy, radius = (float(rim.get(k)) for k in ("cx", "cy", "r"))
        drawn = {title(g).split(":")[0]: g for g in groups(root, "astro")}
        for planet in sky["planets"]:
            h = planet["horizon"]
            self.assertEqual(planet["name"] in drawn, h["altitude"] >= 0, planet["name"])
            if h["altitude"] < 0:
                continue
            x, y = centre(drawn[planet["name"]])
            r = (90 - h["altitude"]) / 90 * radius
            a = math.radians(h["azimuth"])
            self.assertAlmostEqual(x, cx - r * math.sin(a), delta=0.02)
            self.assertAlmostEqual(y, cy - r * math.cos(a), delta=0.02)
        self.assertEqual({"Sol", "Luna"} & set(drawn), set(), "both below the horizon at 06:30 on 8 December")

    def test_stars_behind_the_paths_and_the_chart_name_both_places(self):
        # The paths: the reference's beside the method's, each titled as
        # what it is, over stars; Pluto, which the reference lacks, has none.
        svg = self.path("caminos.svg")
        run("--desde", "2026-01-01", "--hasta", "2026-12-31", "--paso", "2d", "Saturno", "Plutón", "--dibujo", svg)
        root = ET.parse(svg).getroot()
        self.assertEqual([title(g) for g in groups(root, "referencia")], ["Saturno (ERFA)"])
        method = {title(l) for l in root.iter(SVG + "polyline") if l.get("class") == "recorrido"}
        self.assertTrue(any(re.fullmatch(r"Saturno según el método, ±\d[.,]\d\d°", t) for t in method), method)
        self.assertGreater(len(groups(root, "estrella")), 20)
        # The chart: both places and the path titled, stars with magnitudes.
        svg = self.path("carta.svg")
        run("--carta", "Urano", "2026-12-08T22:00", "--lugar", "40.4168,-3.7038", "--dibujo", svg)
        root = ET.parse(svg).getroot()
        self.assertEqual(title(groups(root, "referencia")[0]), "Urano")
        self.assertRegex(title(groups(root, "metodo")[0]), r"^Urano según el método de Kepler, a 0[.,]\d\d° como mucho$")
        self.assertRegex(title(groups(root, "camino")[0]), r"^Urano del 2026-11-2\d al 2026-12-2\d$")
        stars = [title(g) for g in groups(root, "estrella")]
        self.assertIn("Aldebarán: magnitud 0" + ("," if LANG and LANG.startswith("es") else ".") + "9", stars)
        self.assertIn("Hacia el cénit; altura", title(groups(root, "cenit")[0]))

    def test_the_night_draws_each_visible_planet_thicker_inside_its_interval(self):
        args = ["--noche", "2026-12-07", "--lugar", "40.4168,-3.7038", "--zona", "Europe/Madrid"]
        night = json.loads(run(*args, "--json").stdout)
        svg = self.path("noche.svg")
        run(*args, "--dibujo", svg)
        root = ET.parse(svg).getroot()
        curves = {title(g): g for g in groups(root, "astro")}
        visible = [p["name"] for p in night["planets"] if p["visible"]]
        self.assertEqual(set(curves), set(visible) | {"Luna"})
        for name in visible:
            self.assertEqual(len(groups(curves[name], "mejor")), 1, name)
            self.assertEqual(len([l for l in curves[name].iter(SVG + "polyline") if l.get("class") == "visible"]), 1)
        self.assertEqual({title(g) for g in groups(root, "banda")} >= {"noche cerrada", "crepúsculo civil"}, True)

    def test_png_and_pdf_are_real_pictures_of_the_size_asked_for(self):
        png = self.path("o.png")
        run("2000", "1", "1", "12", "0", "0", "Marte", "--dibujo", png, "--tamaño", "640x480")
        with open(png, "rb") as f:
            head = f.read(24)
        self.assertEqual(head[:8], b"\x89PNG\r\n\x1a\n")
        self.assertEqual(struct.unpack(">II", head[16:24]), (640, 480))
        spread = subprocess.run(["convert", png, "-format", "%[fx:standard_deviation]", "info:"],
                                capture_output=True, text=True, check=True).stdout
        self.assertGreater(float(spread), 0.01, "a blank image")
        pdf = self.path("c.pdf")
        run("--from", "2026-01-01", "--to", "2026-06-30", "--step", "5d", "Venus", "--dibujo", pdf)
        with open(pdf, "rb") as f:
            self.assertEqual(f.read(5), b"%PDF-")
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
        self.assertRegex(info, r"Pages:\s+1\n")
        self.assertRegex(info, r"Page size:\s+842 x 595 pts \(A4\)", "a PDF is an A4 page unless told")
        self.assertEqual(self.leftovers(), ["c.pdf", "o.png"])
        a3 = self.path("a3.pdf")
        run("2000", "1", "1", "12", "0", "0", "Marte", "--dibujo", a3, "--tamaño", "A3")
        info = subprocess.run(["pdfinfo", a3], capture_output=True, text=True, check=True).stdout
        self.assertRegex(info, r"Page size:\s+1191 x 842 pts \(A3\)")

    def test_a_picture_through_a_link_replaces_the_links_target(self):
        target = self.path("real.svg")
        with open(target, "w") as f:
            f.write("old")
        os.symlink("real.svg", self.path("link.svg"))
        run("2000", "1", "1", "12", "0", "0", "Marte", "--dibujo", self.path("link.svg"))
        self.assertTrue(os.path.islink(self.path("link.svg")), "the link stays a link")
        with open(target) as f:
            self.assertIn("<svg", f.read())
        self.assertEqual(self.leftovers(), ["link.svg", "real.svg"])

    def test_the_dome_shows_the_sky_it_is_day_twilight_or_night(self):
        counts = {}
        # Sunset in Madrid is at 17:49: at 17:55 the Sun is a degree down.
        for name, hour, minute in (("day", "12", "0"), ("dusk", "17", "55"), ("twilight", "19", "0"),
                                   ("night", "22", "0")):
            svg = self.path(f"d{name}.svg")
            run("2026", "12", "15", hour, minute, "0", "--lugar", "40.4,-3.7", "--zona", "Europe/Madrid",
                "--dibujo", svg)
            counts[name] = len(groups(ET.parse(svg).getroot(), "estrella"))
        self.assertEqual(counts["day"], 0, "no stars in daylight")
        self.assertEqual(counts["dusk"], 0, "none in bright civil twilight either")
        self.assertGreater(counts["twilight"], 0, "they come out as the Sun sinks")
        self.assertLess(counts["twilight"], counts["night"], "fewer in twilight than at night")

    def test_a_chart_says_when_its_planet_is_fainter_than_its_stars(self):
        for planet, beyond in (("Urano", False), ("Neptuno", False), ("Plutón", True)):
            with self.subTest(planet):
                svg = self.path("c.svg")
                run("--carta", planet, "2026-12-15T20:00", "--dibujo", svg)
                with open(svg, encoding="utf-8") as f:
                    self.assertEqual("más débil que las estrellas de esta carta" in f.read(), beyond)

    def test_the_chart_scale_writes_the_users_decimal_separator(self):
        svg = self.path("s.svg")
        run("--carta", "Neptuno", "2026-12-15T20:00", "--campo", "3", "--dibujo", svg)
        scale = title(next(g for g in groups(ET.parse(svg).getroot(), "escala")))
        self.assertEqual(scale, "Escala: 0,5°" if LANG else "Escala: 0.5°")

    def test_no_two_texts_overlap_and_none_leaves_the_picture_even_crowded(self):
        # A grouping of five planets and the Moon at dusk, eight paths over
        # a year, three loops together, a night and a wide finder chart.
        cases = {"dome": ["2040", "9", "8", "20", "0", "0", "--lugar", "40.4,-3.7", "--zona", "Europe/Madrid"],
                 "all paths": ["--desde", "2026-01-01", "--hasta", "2027-01-01", "--paso", "2d", "Mercurio", "Venus",
                               "Marte", "Júpiter", "Saturno", "Urano", "Neptuno", "Plutón"],
                 "loops": ["--desde", "2026-09-01", "--hasta", "2027-06-01", "--paso", "1d", "Marte", "Júpiter", "Saturno"],
                 "night": ["--noche", "2026-12-13", "--lugar", "40.4,-3.7", "--zona", "Europe/Madrid"],
                 "chart": ["--carta", "Júpiter", "2026-12-15T20:00", "--campo", "40"],
                 "year": ["--año", "2027", "--lugar", "40.4,-3.7", "--zona", "Europe/Madrid"]}
        for name, args in cases.items():
            with self.subTest(name):
                svg = self.path("crowded.svg")
                run(*args, "--dibujo", svg)
                root = ET.parse(svg).getroot()
                width, height = float(root.get("width")), float(root.get("height"))
                boxes = text_boxes(root)
                self.assertGreater(len(boxes), 10)
                for k, (text, (l, t, r, b)) in enumerate(boxes):
                    self.assertTrue(l >= -1 and t >= -1 and r <= width + 1 and b <= height + 1, f"{text!r} leaves the picture")
                    for other, (l2, t2, r2, b2) in boxes[k + 1:]:
                        self.assertFalse(min(r, r2) - max(l, l2) > 1 and min(b, b2) - max(t, t2) > 1,
                                         f"{text!r} overlaps {other!r}")

    def test_long_titles_shrink_to_the_width_never_clipped(self):
        for args in (["--noche", "2026-12-13", "--lugar", "Madrid"],
                     ["--eclipse", "2026-08-12", "--lugar", "Oviedo"],
                     ["--carta", "Marte", "2026-12-15T20:00", "--lugar", "Madrid"]):
            with self.subTest(args[0]):
                svg = self.path("t.svg")
                run(*args, "--dibujo", svg, "--tamaño", "600x450")
                root = ET.parse(svg).getroot()
                texts = [t for t in root.iter(SVG + "text") if t.get("font-weight") == "bold"]
                self.assertTrue(texts)
                heading = texts[0]
                size = float(heading.get("font-size"))
                chars = len("".join(heading.itertext()))
                self.assertLessEqual(0.58 * 1.1 * size * chars, 600, heading.get("font-size"))

    def test_bad_requests_are_refused_before_any_work(self):
        for args in (["--jd", "0", "--dibujo", self.path("x.gif")],
                     ["--jd", "0", "--dibujo", "/sin/este/directorio/x.svg"],
                     ["--jd", "0", "--dibujo", self.path("x.svg"), "--tamaño", "10x10"],
                     ["--jd", "0", "--tamaño", "800x600"],
                     ["--from", "2000-01-01", "--to", "2002-01-01", "--step", "1h", "--dibujo", self.path("x.svg")],
                     ["--explain", "--jd", "0", "Marte", "--dibujo", self.path("x.svg")]):
            r = run(*args, check=False)
            self.assertEqual(r.returncode, 2, args)
            self.assertEqual(r.stdout, "", args)
        self.assertIn("100 000", run("--from", "2000-01-01", "--to", "2002-01-01", "--step", "1h", "--dibujo",
                                     self.path("x.svg"), check=False).stderr)
        self.assertEqual(self.leftovers(), [])

    def test_a_stop_of_the_method_draws_what_was_computed_and_says_where(self):
        svg = self.path("parcial.svg")
        r = run("--jd", "6000000", "Marte", "Mercurio", "Venus", "--dibujo", svg, check=False)
        self.assertEqual(r.returncode, 1)
        root = ET.parse(svg).getroot()
        names = {title(g) for g in groups(root, "cuerpo")}
        self.assertTrue({"Tierra", "Marte"} <= names and "Venus" not in names, names)
        stop = [t.text for t in root.iter(SVG + "text") if t.get("class") == "detenido"]
        self.assertEqual(stop, ["El cálculo se detuvo: Desbordamiento en Mercurio"])

    def test_what_is_not_a_regular_file_is_refused_before_any_work_and_left_as_it_was(self):
        os.mkdir(self.path("carpeta.svg"))
        os.mkfifo(self.path("fifo.svg"))
        os.symlink(self.path("fifo.svg"), self.path("enlace-fifo.png"))
        os.symlink(self.path("bucle.svg"), self.path("bucle.svg"))
        cases = (("carpeta.svg", "es una carpeta"), ("fifo.svg", "FIFO"), ("enlace-fifo.png", "FIFO"),
                 ("bucle.svg", "enlaces simbólicos"))
        before = self.leftovers()
        for name, why in cases:
            r = run("--jd", "2451545", "Marte", "--dibujo", self.path(name), check=False)
            self.assertEqual((r.returncode, r.stdout), (2, ""), name)
            self.assertIn(f"no se puede escribir el dibujo {self.path(name)}: ", r.stderr)
            self.assertIn(why, r.stderr, name)
            self.assertNotIn("Uso:", r.stderr, name)
        self.assertEqual(self.leftovers(), before)
        self.assertEqual(os.listdir(self.path("carpeta.svg")), [])

    def test_a_picture_through_a_link_rewrites_its_target_and_keeps_the_link_and_the_mode(self):
        target = self.path("destino.svg")
        open(target, "w").write("viejo")
        os.chmod(target, 0o600)
        os.symlink("destino.svg", self.path("enlace.svg"))
        run("--jd", "2451545", "Marte", "--dibujo", self.path("enlace.svg"))
        self.assertTrue(os.path.islink(self.path("enlace.svg")))
        self.assertEqual(os.stat(target).st_mode & 0o777, 0o600)
        self.assertTrue(open(target).read().startswith("<?xml"))
        self.assertEqual(self.leftovers(), ["destino.svg", "enlace.svg"])

    def test_a_table_to_a_closed_pipe_with_a_picture_is_a_failure_that_says_so(self):
        svg = self.path("tubo.svg")
        p = subprocess.Popen([CLI, "--desde", "2026-01-01", "--hasta", "2026-12-31", "--paso", "1d", "Marte",
                              "--dibujo", svg], stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=LOCALE)
        p.stdout.read(100)
        p.stdout.close()  # the reader goes away, as "| head -1" does
        err = p.stderr.read().decode()
        self.assertEqual(p.wait(timeout=60), 1)
        self.assertIn(f"el dibujo {svg} no se ha escrito", err)
        self.assertEqual(self.leftovers(), [])
        # Without a picture, a closed pipe still ends quietly.
        p = subprocess.Popen([CLI, "--desde", "2026-01-01", "--hasta", "2026-12-31", "--paso", "1d", "Marte"],
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=LOCALE)
        p.stdout.read(100)
        p.stdout.close()
        self.assertEqual((p.wait(timeout=60), p.stderr.read()), (0, b""))

    def test_the_smallest_pictures_are_drawn_without_the_libraries_warnings(self):
        for args in (["--carta", "Marte", "2027-01-01"], ["--noche", "2026-12-08", "--lugar", "40,-3"],
                     ["--desde", "2026-01-01", "--hasta", "2026-02-01", "--paso", "1d", "Marte"]):
            for size in ("16x16", "16x10000"):
                r = run(*args, "--dibujo", self.path("t.png"), "--tamaño", size)
                # (A sanitizer's build adds its own summary of suppressions.)
                said = [line for line in r.stderr.splitlines() if re.search(r"CRITICAL|WARNING|Pango|rsvg|GLib", line)]
                self.assertEqual(said, [], (args, size))

    def test_a_signal_in_the_middle_of_a_long_picture_leaves_nothing_beside_it(self):
        for signal in (15, 2):
            pdf = self.path("almanaque.pdf")
            p = subprocess.Popen([CLI, "--año", "2027", "--lugar", "40.4,-3.7", "--dibujo", pdf, "--almanaque"],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=LOCALE)
            # The temporary file is made before the work starts.
            while len(self.leftovers()) == 0 and p.poll() is None:
                time.sleep(0.005)
            p.send_signal(signal)
            self.assertEqual(p.wait(timeout=60), -signal)
            self.assertEqual(self.leftovers(), [], signal)


if __name__ == "__main__":
    CLI = sys.argv[sys.argv.index("--cli") + 1]
    del sys.argv[1:]
    unittest.main(verbosity=2)
