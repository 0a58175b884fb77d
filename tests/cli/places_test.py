#!/usr/bin/python3
"""orbitas-cli's places by name (on libgeonames's real data), the saved
home place and its file, tonight by default, and what each planet needs to
be seen, as a user runs them.
Usage: places_test.py --cli PATH/orbitas-cli"""
import datetime
import json
import math
import os
import re
import subprocess
import sys
import tempfile
import unittest
import zoneinfo

CLI = None
# ORBITAS_TEST_LANG=es_ES.UTF-8 runs every case as a Spanish desktop does
# (LANG alone): the gazetteer then answers in Spanish, and its accented
# names must come through whole.
LANG = os.environ.get("ORBITAS_TEST_LANG")
# The regions the gazetteer names in each language.
REGIONS = {"Catalonia": "Comunidad Autónoma de Cataluña", "Andalusia": "Comunidad Autónoma de Andalucía",
           "Bogota D.C.": "Bogotá D.C.", "Mexico City": "Ciudad de México", "Capital Region": "Región de la capital"}


def region(english):
    return REGIONS.get(english, english) if LANG and LANG.startswith("es") else english


def run(*args, config=None, home=None):
    env = {"PATH": "/usr/bin:/bin", "TZ": "UTC", **({"LANG": LANG} if LANG else {"LC_ALL": "C"})}
    if config is not None:
        env["XDG_CONFIG_HOME"] = config
    if home is not None:
        env["HOME"] = home
    return subprocess.run([CLI, *args], capture_output=True, text=True, timeout=60, env=env)


def heading(*args, **where):
    r = run(*args, **where)
    assert r.returncode == 0, r.stderr
    return r.stdout.split("\n")[0], r.stderr


class PlacesByName(unittest.TestCase):
    def test_the_most_populous_is_chosen_and_the_others_named(self):
        cases = [  # what is typed, what the heading must say, its clock, what stderr must offer
            ("Barcelona", f"desde Barcelona ({region('Catalonia')}, España; 41.3888, 2.1590)", None,
             "Barcelona (Anzoátegui, Venezuela)"),
            ("Barcelona, Venezuela", "desde Barcelona (Anzoátegui, Venezuela;", "hora de Caracas", None),
            ("Cádiz", f"desde Cádiz ({region('Andalusia')}, España; 36.5267, \u22126.2891)", "hora de Madrid", None),
            ("cadiz", f"desde cadiz ({region('Andalusia')}, España; 36.5267, \u22126.2891)", None, None),
            ("Cádiz, España", f"desde Cádiz ({region('Andalusia')}, España; 36.5267, \u22126.2891)", None, None),
            ("Sevilla, España", f"desde Sevilla ({region('Andalusia')}, España; 37.3828, \u22125.9732)", None, None),
            ("Madrid, Colombia", "desde Madrid (Cundinamarca, Colombia;", "hora de Bogotá", None),
            # Names with letters beyond ASCII, which a Spanish desktop's
            # gazetteer gives in its own spelling.
            ("Bogotá", f"desde Bogotá ({region('Bogota D.C.')}, Colombia; 4.6097, \u221274.0817)", "hora de Bogotá", None),
            ("Ciudad de México", f"desde Ciudad de México ({region('Mexico City')}, México; 19.4285, \u221299.1277)", None, None),
            ("Reykjavík", "desde Re", "hora de Reykjavik", None),
            ("Tromsø", "desde Tromsø (Troms og Finnmark, Noruega; 69.6489, 18.9551)", "hora de Oslo", None),
            # Typed without the letters a keyboard lacks: ø as o, ł as l.
            ("Tromso", "desde Tromsø (Troms og Finnmark, Noruega; 69.6489, 18.9551)", "hora de Oslo", None),
            ("Lodz", "desde Lodz (", "hora de Varsovia", None),
            ("Malmo", "desde Malm", "hora de Estocolmo", None),
            # México alone is the capital, not the town in the Philippines.
            ("México", f"desde México ({region('Mexico City')}, México; 19.4285, \u221299.1277)", "hora de Ciudad de México", None),
            ("México, Filipinas", "desde M", "hora de Manila", None),
        ]
        for typed, expected, clock, offered in cases:
            with self.subTest(typed):
                first, stderr = heading("--ortos", "2026-12-07", "--lugar", typed, "Marte")
                self.assertIn(expected, first)
                if clock:
                    self.assertIn(", " + clock + " (", first)
                self.assertNotIn("?", first + stderr)
                if offered:
                    self.assertIn(offered, stderr)
                    self.assertIn('--lugar "Barcelona, Venezuela"', stderr)

    def test_a_city_brings_its_own_zone_unless_one_is_given(self):
        first, _ = heading("--ortos", "2026-12-07", "--lugar", "Bogotá", "Marte")
        self.assertTrue(first.endswith(", hora de Bogotá (UTC\u22125)"), first)
        first, _ = heading("--ortos", "2026-12-07", "--lugar", "Bogotá", "--zona", "UTC", "Marte")
        self.assertTrue(first.endswith(", UT"), first)

    def test_coordinates_bring_the_nearest_citys_zone_said_once(self):
        # Sevilla's sunset in UTC would be an hour early on every line.
        r = run("--noche", "2026-12-14", "--lugar", "37.38,-5.97", "Marte")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("desde 37.38, \u22125.97, hora de Madrid (CET)", r.stdout.split("\n")[0])
        self.assertEqual(r.stderr.count("zona Europe/Madrid, la de la ciudad más cercana: "), 1, r.stderr)
        r = run("--noche", "2026-12-14", "--lugar", "37.38,-5.97", "--zona", "UTC", "Marte")
        self.assertTrue(r.stdout.split("\n")[0].endswith(", UT"), r.stdout)
        self.assertNotIn("más cercana", r.stderr)

    def test_json_says_which_place_and_coordinates_add_nothing(self):
        night = json.loads(run("--noche", "2026-12-07", "--lugar", "Quito", "Marte", "--json").stdout)
        self.assertEqual(night["place"]["country"], "Ecuador")
        self.assertEqual(night["place"]["zone"], night["zone"])
        self.assertAlmostEqual(night["latitude"], night["place"]["latitude"])
        plain = json.loads(run("--noche", "2026-12-07", "--lugar", "-0.23,-78.52", "Marte", "--json").stdout)
        self.assertNotIn("place", plain)
        cadiz = json.loads(run("--noche", "2026-12-07", "--lugar", "Cádiz", "Marte", "--json").stdout)["place"]
        self.assertEqual((cadiz["region"], cadiz["zone"]), (region("Andalusia"), "Europe/Madrid"))

    def test_unknown_places_and_countries_name_the_nearest(self):
        for typed, nearest in [("Sevila", "Sevilla"), ("Bogata", "Bogotá"), ("Madrid, Narnia", "país desconocido")]:
            with self.subTest(typed):
                r = run("--noche", "2026-12-07", "--lugar", typed)
                self.assertEqual(r.returncode, 2)
                self.assertIn(nearest, r.stderr)


class ManyNights(unittest.TestCase):
    def test_a_line_a_night_that_agrees_with_the_night_itself(self):
        week = run("--noche", "--desde", "2026-12-10", "--hasta", "2026-12-16", "--lugar", "Madrid").stdout.splitlines()
        self.assertEqual([l[:10] for l in week], [f"2026-12-{d}" for d in range(10, 17)])
        one = json.loads(run("--noche", "2026-12-13", "--lugar", "Madrid", "--json").stdout)
        line = json.loads(run("--noche", "--desde", "2026-12-13", "--hasta", "2026-12-13", "--lugar", "Madrid",
                              "--json").stdout)
        self.assertEqual(line["darkFrom"], one["sun"]["astronomicalDusk"])
        self.assertEqual(line["moon"]["set"], one["moon"]["set"])
        gem = next(s for s in one["meteorShowers"] if s["code"] == "GEM")
        self.assertIn(f"GEM {round(gem['hourlyRate'])}/h", week[3])
        rows = run("--noche", "--desde", "2026-12-10", "--hasta", "2026-12-16", "--lugar", "Madrid", "--formato", "csv")
        self.assertEqual(len(rows.stdout.splitlines()), 8, "a header and a row a night")
        for args in (["--desde", "2026-12-10"], ["--desde", "2026-12-16", "--hasta", "2026-12-10"],
                     ["--desde", "2026-01-01", "--hasta", "2027-06-01"]):
            with self.subTest(args):
                self.assertEqual(run("--noche", *args, "--lugar", "Madrid").returncode, 2)


class EclipsesFromAPlace(unittest.TestCase):
    def test_csv_and_calendar_carry_how_the_place_sees_each(self):
        import csv, io
        rows = list(csv.DictReader(io.StringIO(run("--eclipses", "--desde", "2026-01-01", "--hasta", "2027-01-01",
                                                   "--lugar", "Madrid", "--formato", "csv").stdout)))
        seen = {r["utc"][:10]: (r["local_type"], r["local_magnitude"]) for r in rows}
        self.assertEqual(seen["2026-08-12"], ("partial", "0.999"), "the total eclipse is deeply partial in Madrid")
        self.assertEqual(seen["2026-02-17"][0], "none", "Antarctica's annular eclipse does not reach Madrid")
        plain = run("--eclipses", "--desde", "2026-01-01", "--hasta", "2027-01-01", "--formato", "csv").stdout
        self.assertTrue(all(line.endswith(",,,,") for line in plain.splitlines()[1:]), "no place, no columns filled")
        ics = run("--eclipses", "--desde", "2026-08-01", "--hasta", "2026-09-01", "--lugar", "Madrid",
                  "--formato", "ics").stdout.replace("\n ", "")
        self.assertIn("Desde el lugar\\, parcial", ics)
        text = run("--eclipses", "--desde", "2026-08-01", "--hasta", "2026-09-01", "--lugar", "Madrid").stdout
        self.assertIn("desde Madrid (", text.split("\n\n")[0], "the heading names the place")


class MeteorShowersOfTheNight(unittest.TestCase):
    def shower(self, date, code, place="Madrid"):
        night = json.loads(run("--noche", date, "--lugar", place, "Marte", "--json").stdout)
        return night, next(s for s in night["meteorShowers"] if s["code"] == code)

    def test_the_rate_follows_the_distance_from_the_peak_and_the_dark(self):
        cases = [  # night, shower, the fewest and the most meteors an hour a person sees
            ("2026-12-04", "GEM", 0, 1),      # ten days before the peak
            ("2026-12-13", "GEM", 60, 200),   # the peak's night
            ("2026-07-17", "PER", 0, 5),      # four weeks before
            ("2026-08-12", "PER", 60, 140),   # the peak's night, the Moon new
            ("2026-08-20", "PER", 2, 15),     # a week after
        ]
        for date, code, least, most in cases:
            with self.subTest(date=date, code=code):
                night, s = self.shower(date, code)
                self.assertTrue(least <= s["hourlyRate"] <= most, s)
                # The IMO's rate: the ZHR for the radiant's height and the
                # limiting magnitude (above 6.5 under a rural sky, so more).
                expected = (s["zhrNow"] * math.sin(math.radians(s["radiantAltitude"])) /
                            s["populationIndex"] ** (6.5 - s["limitingMagnitude"]))
                self.assertAlmostEqual(s["hourlyRate"], expected, delta=1e-6 * (1 + expected))
                self.assertEqual(s["zhr"], 150 if code == "GEM" else 100)
                # The best hour is in astronomical darkness, never at civil dawn.
                self.assertFalse(s["darkestHour"])
                self.assertTrue(night["sun"]["astronomicalDusk"] <= s["bestTime"] <= night["sun"]["astronomicalDawn"], s)

    def test_a_night_without_darkness_says_so_and_the_moon_dims_the_sky(self):
        _, tromso = self.shower("2026-08-12", "PER", "Tromsø")
        self.assertTrue(tromso["darkestHour"])
        self.assertLess(tromso["limitingMagnitude"], 4, "twilight all night")
        _, moonlit = self.shower("2027-08-19", "PER")  # a Moon near full, up all night
        _, dark = self.shower("2026-08-12", "PER")
        self.assertTrue(moonlit["moonUp"])
        self.assertGreater(dark["limitingMagnitude"], 6.2)
        self.assertLess(moonlit["limitingMagnitude"], dark["limitingMagnitude"] - 1)
        text = run("--noche", "2026-12-04", "--lugar", "Madrid", "Marte").stdout
        self.assertIn("Gemínidas (GEM)", text)
        self.assertRegex(text, r"Gemínidas \(GEM\).*menos de un meteoro por hora")
        self.assertNotIn("unos 1 meteoros", text)


class HomePlace(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.config = self.folder.name
        self.file = os.path.join(self.config, "orbitas", "orbitas.conf")

    def tearDown(self):
        self.folder.cleanup()

    def test_saved_then_used_by_the_night_and_the_risings(self):
        r = run("--guardar-lugar", "Madrid", config=self.config)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn(self.file, r.stdout)
        at_home = run("--noche", "2026-12-07", "Marte", config=self.config).stdout
        named = run("--noche", "2026-12-07", "--lugar", "Madrid", "Marte", config=self.config).stdout
        self.assertIn("desde casa: Madrid, España", at_home.split("\n")[0])
        self.assertEqual(at_home.split("\n")[1:], named.split("\n")[1:], "the same place, to the digit")
        self.assertIn(", hora de Madrid (CET)", run("--ortos", "2026-12-07", config=self.config).stdout.split("\n")[0])

    def test_the_sky_is_saved_with_the_home_place_and_said(self):
        # Mistakes: --cielo not written, the saved sky not read back, a
        # --cielo given on the command overruled by the saved one.
        r = run("--guardar-lugar", "Sevilla", "--cielo", "urbano", config=self.config)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn(", cielo urbano", r.stdout)
        with open(self.file, encoding="utf-8") as f:
            self.assertIn("cielo = urbano\n", f.read())
        at_home = run("--noche", "2026-12-13", config=self.config).stdout
        self.assertIn("\nCielo urbano (clase 7 de Bortle): a simple vista, estrellas hasta la magnitud 4", at_home)
        darker = run("--noche", "2026-12-13", "--cielo", "oscuro", config=self.config).stdout
        self.assertIn("\nCielo oscuro (clase 2 de Bortle)", darker)

        def geminids(text):
            line = next(l for l in text.split("\n") if "(GEM)" in l)
            return int(re.search(r"unos (\d+) meteoros", line).group(1))
        self.assertGreater(geminids(darker), 3 * geminids(at_home))

    def test_coordinates_and_a_zone_round_trip(self):
        run("--guardar-lugar", "28.1,-15.4", "--zona", "Atlantic/Canary", config=self.config)
        with open(self.file, encoding="utf-8") as f:
            text = f.read()
        self.assertIn("latitud = 28.1\n", text)
        self.assertIn("zona = Atlantic/Canary\n", text)
        first, _ = heading("--ortos", "2026-12-07", "Marte", config=self.config)
        self.assertIn("desde casa: 28.1, \u221215.4, hora de Canarias (WET)", first)

    def test_home_falls_back_to_dot_config_without_xdg(self):
        run("--guardar-lugar", "Lima", home=self.config)
        self.assertTrue(os.path.exists(os.path.join(self.config, ".config", "orbitas", "orbitas.conf")))
        run("--guardar-lugar", "Lima", config="relativo", home=self.config)  # not absolute: ignored
        self.assertFalse(os.path.exists("relativo"))

    def test_a_malformed_file_is_refused_with_its_line_then_kept_aside_under_a_name_of_its_own(self):
        os.makedirs(os.path.dirname(self.file))
        cases = [("[casa]\nlatitud = 40\nlongitud = abc\n", 3), ("latitud = 40\n", 1),
                 ("[casa]\nlatitud = 40\nlongitud = 3\ncolor = azul\n", 4), ("\x00\xff basura", 1)]
        kept = [self.file + ".roto" + (f".{k}" if k else "") for k in range(len(cases))]
        for (text, line), name in zip(cases, kept):
            with self.subTest(text):
                with open(self.file, "w", encoding="utf-8", errors="surrogateescape") as f:
                    f.write(text)
                r = run("--noche", "2026-12-07", config=self.config)
                self.assertEqual(r.returncode, 2)
                self.assertIn(f"{self.file}:{line}:", r.stderr)
                saved = run("--guardar-lugar", "Madrid", config=self.config)
                self.assertEqual(saved.returncode, 0, saved.stderr)
                self.assertIn(f"se ha guardado como {name}\n", saved.stderr)
                self.assertEqual(run("--noche", "2026-12-07", config=self.config).returncode, 0)
        # No broken file replaced another: each is kept as it was.
        for (text, _), name in zip(cases, kept):
            with open(name, encoding="utf-8", errors="surrogateescape") as f:
                self.assertEqual(f.read(), text, name)

    def test_twenty_saves_at_once_all_succeed_and_move_nothing_aside(self):
        env = {"PATH": "/usr/bin:/bin", "TZ": "UTC", "LC_ALL": "C", "XDG_CONFIG_HOME": self.config}
        for attempt in range(3):
            saves = [subprocess.Popen([CLI, "--guardar-lugar", f"{10 + k}.5,{k}.25"], env=env, stdout=subprocess.PIPE,
                                      stderr=subprocess.PIPE, text=True) for k in range(20)]
            results = [(p.wait(timeout=60), p.stderr.read()) for p in saves]
            for p in saves:
                p.stdout.close(), p.stderr.close()
            self.assertEqual([r for r in results if r[0] != 0], [], attempt)
            self.assertEqual(sorted(os.listdir(os.path.dirname(self.file))), ["orbitas.conf", "orbitas.conf.lock"])
            self.assertEqual(run("--noche", "2026-12-07", config=self.config).returncode, 0)

    def test_a_folder_in_the_files_place_is_said_never_a_crash(self):
        os.makedirs(self.file)
        for args in (["--noche", "2026-12-07"], ["--guardar-lugar", "Madrid"]):
            with self.subTest(args):
                r = run(*args, config=self.config)
                self.assertEqual(r.returncode, 2)
                self.assertIn(f"{self.file}: es una carpeta, no un fichero", r.stderr)
                self.assertNotIn("Uso:", r.stderr)
                self.assertNotIn("terminate", r.stderr)

    def test_coordinates_take_the_nearest_citys_zone_and_say_so(self):
        r = run("--guardar-lugar", "40.4,-3.7", config=self.config)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("zona Europe/Madrid, la de la ciudad más cercana: Madrid", r.stderr)
        with open(self.file, encoding="utf-8") as f:
            self.assertIn("zona = Europe/Madrid", f.read())


class TonightAndInstruments(unittest.TestCase):
    def test_without_a_date_is_the_night_in_progress_in_the_places_zone(self):
        now = datetime.datetime.now(zoneinfo.ZoneInfo("Asia/Tokyo"))
        today = now.date()
        tomorrow = today + datetime.timedelta(days=1)
        # Before local noon the night in progress began yesterday evening.
        in_progress = today - datetime.timedelta(days=1) if now.hour < 12 else today
        for words, day in [([], in_progress), (["hoy"], today), (["mañana"], tomorrow)]:
            with self.subTest(words):
                implicit = run("--noche", *words, "--lugar", "Tokyo", "Marte")
                explicit = run("--noche", day.isoformat(), "--lugar", "Tokyo", "Marte")
                self.assertEqual(implicit.stdout, explicit.stdout)
        self.assertEqual(run("--ortos", "--lugar", "Tokyo", "Marte").stdout,
                         run("--ortos", today.isoformat(), "--lugar", "Tokyo", "Marte").stdout)

    def test_each_planet_needs_what_its_magnitude_asks_and_the_instrument_hides_the_rest(self):
        night = json.loads(run("--noche", "2026-12-07", "--lugar", "Madrid", "--json").stdout)
        for p in night["planets"]:
            m = p["magnitude"]
            self.assertEqual(p["instrument"], "ojo" if m <= 6 else "prismaticos" if m <= 9 else "telescopio", p["name"])
        by_eye = json.loads(run("--noche", "2026-12-07", "--lugar", "Madrid", "--instrumento", "ojo", "--json").stdout)
        for p in by_eye["planets"]:
            if p["instrument"] != "ojo":
                self.assertIsNone(p["visible"])
                self.assertEqual(p["reason"], "necesita " + ("prismáticos" if p["instrument"] == "prismaticos" else "telescopio"))
        pluto = next(p for p in by_eye["planets"] if p["body"] == 9)
        self.assertEqual(pluto["reason"], "necesita telescopio")
        binoculars = run("--noche", "2026-12-07", "--lugar", "Madrid", "--instrumento", "prismáticos", "Neptuno").stdout
        self.assertIn("Visible de", binoculars)


class YearInNumbers(unittest.TestCase):
    """--año --formato csv|json: the year chart's numbers, a record a night.
    Mistakes: a night missing or twice, a column shifted, the chart's times
    in UTC, an event that does not happen written as another's."""

    def test_a_record_a_night_that_agrees_with_the_night_itself(self):
        r = run("--año", "2027", "--lugar", "Sevilla", "--formato", "csv")
        self.assertEqual(r.returncode, 0, r.stderr)
        lines = r.stdout.splitlines()  # CRLF, read back as lines
        header = lines[0].split(",")
        self.assertEqual(len(lines), 1 + 365)
        self.assertEqual(header[:2], ["date", "sunset"])
        self.assertTrue(all(len(line.split(",")) == len(header) for line in lines))
        solstice = dict(zip(header, next(l for l in lines if l.startswith("2027-06-21,")).split(",")))
        night = json.loads(run("--noche", "2027-06-21", "--lugar", "Sevilla", "--json").stdout)
        for key, theirs in (("sunset", night["sun"]["set"]), ("sunrise", night["sun"]["rise"]),
                            ("astronomical_dusk", night["sun"]["astronomicalDusk"])):
            ours = datetime.datetime.fromisoformat(solstice[key])
            self.assertLess(abs((ours - datetime.datetime.fromisoformat(theirs)).total_seconds()), 60, key)
        self.assertTrue(solstice["sunset"].endswith("+02:00"), "the zone's summer time")

    def test_json_a_night_a_line_and_the_midnight_sun_has_no_sunset(self):
        r = run("--año", "2027", "--lugar", "Tromsø", "--json")
        self.assertEqual(r.returncode, 0, r.stderr)
        nights = [json.loads(line) for line in r.stdout.splitlines()]
        self.assertEqual(len(nights), 365)
        self.assertEqual(nights[0]["date"], "2027-01-01")
        june = next(n for n in nights if n["date"] == "2027-06-21")
        self.assertIsNone(june["sunset"])
        self.assertIsNone(june["sunrise"])
        self.assertIsNotNone(nights[0]["civilDusk"], "in January the Sun does not rise, but it comes near")

    def test_its_picture_or_its_numbers(self):
        for args, said in ((["--formato", "texto"], "csv o json"),
                           (["--formato", "csv", "--dibujo", "x.svg"], "no ambos"), ([], "--formato csv|json")):
            r = run("--año", "2027", "--lugar", "Sevilla", *args)
            self.assertEqual(r.returncode, 2)
            self.assertIn(said, r.stderr)


if __name__ == "__main__":
    CLI = sys.argv[sys.argv.index("--cli") + 1]
    del sys.argv[1:]
    unittest.main(verbosity=2)
