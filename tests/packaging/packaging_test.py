#!/usr/bin/python3
"""What a packager and a user of the package see: manual pages that agree
with --help and render without warnings, bash completion through compgen,
and the JSON of every form valid against its published schema.
Usage: packaging_test.py --cli PATH/orbitas-cli --source SOURCE_DIR"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

CLI = SOURCE = None


def cli(*args):
    return subprocess.run([CLI, *args], capture_output=True, text=True, timeout=60,
                          env={**os.environ, "LC_ALL": "C"})


def man_text(name):
    with open(os.path.join(SOURCE, "docs", "man", name), encoding="utf-8") as f:
        return f.read()


def options(text):
    return set(re.findall(r"--[a-zñáéíóú][a-zñáéíóú-]*[a-zñáéíóú]", text))


class ManualPages(unittest.TestCase):
    def test_the_manual_and_help_show_the_same_options_and_examples(self):
        help_text = cli("--help").stdout
        page = man_text("orbitas-cli.1").replace("\\-", "-").replace("\\~", " ")
        self.assertEqual(options(page), options(help_text))
        examples = help_text.split("Ejemplos:\n", 1)[1]
        for line in filter(None, (l.strip() for l in examples.splitlines())):
            self.assertIn(line, page, "an example of --help missing from the manual")

    def test_every_form_has_an_example(self):
        page = man_text("orbitas-cli.1").replace("\\-", "-")
        examples = page.split(".EX", 1)[1]
        for form in (r"orbitas-cli \d+ \d+ \d+", "--jd", "--desde", "--explicar", "--ortos", "--noche", "--lugar",
                     "--zona", "--dibujo", "--formato", "--json", "--version"):
            self.assertRegex(examples, form)

    def test_they_render_without_warnings(self):
        for name in ("orbitas.1", "orbitas-cli.1"):
            path = os.path.join(SOURCE, "docs", "man", name)
            r = subprocess.run(["groff", "-k", "-ww", "-man", "-Tutf8", "-z", path], capture_output=True, text=True)
            self.assertEqual((r.returncode, r.stderr), (0, ""), name)
            if shutil.which("mandoc"):
                r = subprocess.run(["mandoc", "-Tlint", "-W", "warning", path], capture_output=True, text=True)
                self.assertEqual(r.stdout + r.stderr, "", name)


class Completion(unittest.TestCase):
    def complete(self, *words):
        script = os.path.join(SOURCE, "packaging", "orbitas-cli.bash-completion")
        line = " ".join(f"'{w}'" for w in words)
        program = (f"shopt -s extglob; source '{script}'; COMP_WORDS=(orbitas-cli {line}); "
                   "COMP_CWORD=$(( ${#COMP_WORDS[@]} - 1 )); _orbitas_cli; printf '%s\\n' \"${COMPREPLY[@]}\"")
        r = subprocess.run(["bash", "-c", program], capture_output=True, text=True, timeout=30)
        self.assertEqual(r.returncode, 0, r.stderr)
        return set(filter(None, r.stdout.splitlines()))

    def test_options_planets_formats_and_zones(self):
        self.assertEqual(self.complete("--fo"), {"--formato"})
        self.assertEqual(self.complete("--ta"), {"--tamaño"})
        self.assertEqual(self.complete("--t"), {"--tamaño", "--tipo", "--todos"})
        self.assertEqual(self.complete("--objetos", "m"), {"messier"})
        self.assertEqual(self.complete("--tipo", "glo"), {"globular"})
        self.assertEqual(self.complete("--formato", "t"), {"texto"})
        self.assertEqual(self.complete("--format", "c"), {"csv"})
        self.assertEqual(self.complete("2000", "1", "1", "12", "0", "0", "Plu"), {"Plutón", "Pluton"})
        self.assertEqual(self.complete("Jú"), {"Júpiter"})
        self.assertEqual(self.complete("Ju"), {"Jupiter"})
        self.assertIn("Europe/Madrid", self.complete("--zona", "Europe/Ma"))
        self.assertEqual(self.complete("--lugar", "4"), set())  # a number: nothing to offer

    def test_every_option_of_the_help_and_no_other(self):
        section = cli("--help").stdout.split("Opciones:\n", 1)[1].split("Otros nombres", 1)[0]
        listed = re.findall(r"^  (--[a-zñáéíóú-]+)", section, re.M)
        self.assertEqual(self.complete("--"), set(listed))

    def test_picture_files_by_their_extensions(self):
        with tempfile.TemporaryDirectory() as d:
            for name in ("a.png", "b.svg", "c.PDF", "d.txt", "e.gif"):
                open(os.path.join(d, name), "w").close()
            os.mkdir(os.path.join(d, "dibujos"))
            got = {os.path.basename(p.rstrip("/")) for p in self.complete("--dibujo", d + "/")}
            self.assertEqual(got, {"a.png", "b.svg", "c.PDF", "dibujos"})


class JsonSchema(unittest.TestCase):
    def test_real_output_of_every_form_is_valid(self):
        import jsonschema
        with open(os.path.join(SOURCE, "docs", "orbitas-cli.schema.json"), encoding="utf-8") as f:
            schema = json.load(f)
        jsonschema.Draft202012Validator.check_schema(schema)
        validator = jsonschema.Draft202012Validator(schema)
        runs = [["--jd", "2451545", "--json"],
                ["2000", "1", "1", "12", "0", "0", "Marte", "--json"],
                ["--jd", "6000000", "Marte", "Mercurio", "--json"],
                ["40000", "3", "1", "0", "0", "0", "--json"],
                ["2026", "12", "7", "22", "0", "0", "--lugar", "40.4168,-3.7038", "--zona", "Europe/Madrid", "--json"],
                ["--from", "2026-01-01", "--to", "2026-01-03", "--step", "1d", "--format", "json"],
                ["--from", "2026-12-07T18:00", "--to", "2026-12-07T20:00", "--step", "1h", "Marte", "Plutón",
                 "--lugar", "40,-3", "--zona", "+01:00", "--json"],
                ["--ortos", "2026-12-07", "--lugar", "40.4168,-3.7038", "--zona", "Europe/Madrid", "--json"],
                ["--ortos", "2026-12-07", "--lugar", "78,15", "--json"],
                ["--noche", "2026-12-07", "--lugar", "40.4168,-3.7038", "--zona", "Europe/Madrid", "--json"],
                ["--noche", "2026-12-07", "--lugar", "78.2,15.6", "--json"],
                ["--noche", "2026-06-21", "--lugar", "78.2,15.6", "--altura-minima", "5", "--json"],
                ["--noche", "2026-08-12", "--lugar", "40.4168,-3.7038", "--zona", "Europe/Madrid", "--json"],
                ["--fenomenos", "--desde", "2027-01-01", "--hasta", "2027-04-01", "--formato", "json",
                 "--zona", "Europe/Madrid"],
                ["--fenomenos", "--desde", "2026-03-01", "--hasta", "2026-04-01", "Saturno", "Neptuno", "Plutón",
                 "--formato", "json"],
                ["--fenomenos", "--desde", "2027-07-01", "--hasta", "2027-09-01", "--formato", "json"],
                ["--eclipses", "--desde", "2016-01-01", "--hasta", "2028-01-01", "--lugar", "36.53,-6.29",
                 "--formato", "json"],
                ["--eclipse", "2027-07-01", "--lugar", "36.0139,-5.6070", "--json"],
                ["--año", "2027", "--lugar", "69.6489,18.9551", "--zona", "Europe/Oslo", "--formato", "json"],
                ["--recorrido", "2026-12-14", "--lugar", "37.3828,-5.9732", "--zona", "Europe/Madrid", "--json"],
                ["--recorrido", "2026-06-21", "--lugar", "69.6489,18.9551", "--instrumento", "telescopio",
                 "--objetos", "messier", "--todos", "--json"]]
        for args in runs:
            lines = [l for l in cli(*args).stdout.splitlines() if l.strip()]
            self.assertTrue(lines, args)
            for line in lines:
                errors = list(validator.iter_errors(json.loads(line)))
                self.assertEqual(errors, [], f"{args}: {errors[:1]}")

    def test_the_schema_refuses_what_the_program_never_writes(self):
        import jsonschema
        with open(os.path.join(SOURCE, "docs", "orbitas-cli.schema.json"), encoding="utf-8") as f:
            validator = jsonschema.Draft202012Validator(json.load(f))
        good = json.loads(cli("--jd", "2451545", "Marte", "--json").stdout)
        for broken in ({**good, "JulianDay": "2451545"}, {**good, "extra": 1},
                       {**good, "planets": [{**good["planets"][0], "body": 3}]}):
            self.assertTrue(list(validator.iter_errors(broken)), broken)


if __name__ == "__main__":
    CLI = sys.argv[sys.argv.index("--cli") + 1]
    SOURCE = sys.argv[sys.argv.index("--source") + 1]
    del sys.argv[1:]
    unittest.main(verbosity=2)
