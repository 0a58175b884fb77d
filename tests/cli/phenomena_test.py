#!/usr/bin/python3
"""orbitas-cli --fenomenos as a process: the calendar file read back by an
independent parser (python3-icalendar), its UIDs stable from one run and
one range to another, the formats agreeing, and the ranges: a day, a
thousand years, one that crosses the method's limit, a reversed one.
Usage: phenomena_test.py --cli PATH/orbitas-cli"""
import csv
import io
import json
import os
import subprocess
import sys
import tempfile
import unittest
from datetime import datetime, timezone

import icalendar

CLI = None


# ORBITAS_TEST_LANG=es_ES.UTF-8 runs every case as a Spanish desktop does
# (LANG alone, decimal commas in the texts).
LANG = os.environ.get("ORBITAS_TEST_LANG")
LOCALE = {k: v for k, v in os.environ.items() if not k.startswith("LC_") and k != "LANG"}
LOCALE.update({"LANG": LANG} if LANG else {"LC_ALL": "C"})
SEP = "," if LANG and LANG.startswith("es") else "."


def run(*args, text=True):
    return subprocess.run([CLI, "--fenomenos", *args], capture_output=True, text=text, timeout=120,
                          env={**LOCALE, "SOURCE_DATE_EPOCH": "1800000000"})


class Phenomena(unittest.TestCase):
    def test_the_calendar_file_reads_back_event_by_event(self):
        r = run("--desde", "2027-01-01", "--hasta", "2028-01-01", "--formato", "ics")
        self.assertEqual(r.returncode, 0, r.stderr)
        calendar = icalendar.Calendar.from_ical(r.stdout)
        events = list(calendar.walk("VEVENT"))
        lines = json_lines("--desde", "2027-01-01", "--hasta", "2028-01-01")
        self.assertEqual(len(events), len(lines))
        self.assertGreater(len(events), 100)
        uids = set()
        for event, line in zip(events, lines):
            start = event.decoded("DTSTART")
            self.assertEqual(start.utcoffset().total_seconds(), 0)
            self.assertTrue(event["DTSTART"].to_ical().endswith(b"Z"))
            utc = datetime.fromisoformat(line["utc"])
            self.assertLessEqual(abs((start - utc).total_seconds()), 1, line)
            self.assertEqual(str(event["SUMMARY"]), line["description"].replace(".", ","))
            # What is seen, never where the numbers come from.
            self.assertTrue(str(event["DESCRIPTION"]).startswith(str(event["SUMMARY"])), event["DESCRIPTION"])
            for word in ("ERFA", "método", "referencia"):
                self.assertNotIn(word, str(event["DESCRIPTION"]))
            self.assertEqual(event.decoded("DTSTAMP"), datetime.fromtimestamp(1800000000, timezone.utc))
            uids.add(str(event["UID"]))
        self.assertEqual(len(uids), len(events), "every UID is its own")
        raw = run("--desde", "2027-01-01", "--hasta", "2027-03-01", "--formato", "ics", text=False).stdout
        self.assertEqual(raw.count(b"\r\n"), raw.count(b"\n"), "CRLF line ends")

    def test_uids_stay_the_same_from_run_to_run_and_range_to_range(self):
        def uids(start, end):
            return {str(e["UID"]): e.decoded("DTSTART") for e in
                    icalendar.Calendar.from_ical(run("--desde", start, "--hasta", end, "--formato", "ics").stdout).walk("VEVENT")}
        whole = uids("2027-01-01", "2027-07-01")
        self.assertEqual(whole, uids("2027-01-01", "2027-07-01"))
        later = uids("2027-03-01", "2027-09-01")
        common = {u for u, t in whole.items() if t >= datetime(2027, 3, 2, tzinfo=timezone.utc)}
        self.assertGreater(len(common), 20)
        self.assertLessEqual(common, set(later))

    def test_the_reference_instant_leads_and_orders_the_list(self):
        # Two years, so that an event whose reference instant falls across
        # the search's yearly stretch from the method's is still in order.
        lines = json_lines("--desde", "2026-06-01", "--hasta", "2028-06-01", "Saturno", "Neptuno", "Plutón", "Venus")
        days = [l["julianDay"] for l in lines]
        self.assertEqual(days, sorted(days))
        kinds = set()
        for l in lines:
            if l["referenceInstant"] is not None:
                self.assertEqual(l["instant"], l["referenceInstant"])
                self.assertAlmostEqual((l["methodJulianDay"] - l["julianDay"]) * 86400, l["errorSeconds"], delta=1)
            else:
                self.assertEqual((l["instant"], l["julianDay"]), (l["methodInstant"], l["methodJulianDay"]))
            kinds.add(l["bodies"] if l["referenceInstant"] is None else "with reference")
        self.assertEqual(kinds, {"Plutón", "with reference"})
        text = run("--desde", "2026-03-20", "--hasta", "2026-03-21").stdout
        self.assertIn("vie 20 mar 2026 14:46  Equinoccio de marzo\n", text)
        beside = run("--desde", "2026-03-20", "--hasta", "2026-03-21", "--metodo").stdout
        self.assertIn(f"vie 20 mar 2026 14:46  Equinoccio de marzo  (según el método de Kepler: vie 20 mar 2026 05:04, "
                      f"9{SEP}7 h antes)", beside)

    def test_csv_and_json_lines_say_the_same(self):
        rows = list(csv.DictReader(io.StringIO(
            run("--desde", "2027-01-01", "--hasta", "2027-04-01", "Marte", "Júpiter", "--formato", "csv").stdout)))
        lines = json_lines("--desde", "2027-01-01", "--hasta", "2027-04-01", "Marte", "Júpiter")
        self.assertEqual([r["kind"] for r in rows], [l["kind"] for l in lines])
        self.assertEqual({r["bodies"] for r in rows}, {"Marte", "Júpiter", "Marte, Júpiter"} & {r["bodies"] for r in rows})
        self.assertIn("opposition", [r["kind"] for r in rows])

    def test_a_day_a_thousand_years_and_the_methods_limit(self):
        day = run("--desde", "2027-03-20", "--hasta", "2027-03-21")
        self.assertEqual(day.returncode, 0, day.stderr)
        self.assertIn("Equinoccio de marzo", day.stdout)
        millennium = run("--desde", "1500-01-01", "--hasta", "2500-01-01", "Júpiter", "--formato", "json")
        self.assertEqual(millennium.returncode, 0, millennium.stderr)
        oppositions = [json.loads(l) for l in millennium.stdout.splitlines() if '"opposition"' in l]
        self.assertTrue(900 <= len(oppositions) <= 920, len(oppositions))  # every 399 days
        # The events' instants are the reference's: asked for beyond its
        # years 1000 to 3000, refused, saying so.
        for start, end in (("9890-01-01", "9900-01-01"), ("0999-01-01", "1001-01-01"), ("2999-01-01", "3002-01-01")):
            beyond = run("--desde", start, "--hasta", end, "Mercurio")
            self.assertEqual(beyond.returncode, 2)
            self.assertIn("fuera del alcance de la referencia (años 1000 a 3000)", beyond.stderr)
            self.assertEqual(beyond.stdout, "")

    def test_progress_goes_to_a_terminal_never_to_the_list(self):
        with tempfile.TemporaryDirectory() as d:
            command = f"{CLI} --fenomenos --desde 2000-01-01 --hasta 2030-01-01 Marte > {d}/list.txt"
            subprocess.run(["script", "-qec", command, f"{d}/terminal"], capture_output=True, timeout=120,
                           env={**os.environ, "LC_ALL": "C.UTF-8"})
            with open(f"{d}/terminal", encoding="utf-8", errors="replace") as f:
                self.assertIn("días, quedan", f.read())
            with open(f"{d}/list.txt", encoding="utf-8") as f:
                listed = f.read()
            self.assertNotIn("quedan", listed)
            self.assertIn("Marte en oposición", listed)

    def test_bad_requests_are_refused(self):
        for args, message in ((["--desde", "2027-02-01", "--hasta", "2027-01-01"], "anterior a su inicio"),
                              (["--desde", "2027-01-01", "--hasta", "2027-02-01", "--separación", "uno"], "«uno»"),
                              (["--desde", "2027-01-01", "--hasta", "2027-02-01", "--separacion", "0"], "«0»"),
                              (["--desde", "2027-01-01"], "--desde y --hasta, o ninguno"),
                              (["--desde", "2027-01-01", "--hasta", "2027-02-01", "--paso", "1d"], "no se combina")):
            r = run(*args)
            self.assertEqual(r.returncode, 2, args)
            self.assertIn(message, r.stderr)
            self.assertEqual(r.stdout, "")


def json_lines(*args):
    return [json.loads(l) for l in run(*args, "--formato", "json").stdout.splitlines()]


if __name__ == "__main__":
    CLI = sys.argv[sys.argv.index("--cli") + 1]
    sys.argv = sys.argv[:1]
    unittest.main(verbosity=2)
