#!/usr/bin/python3
"""The planner window tried as a person would, under with-x.sh:
    cielo.py --app PATH/orbitas-cielo --cli PATH/orbitas-cli
Types a city and picks it from the completion, reads tonight's table over
AT-SPI and compares it with orbitas-cli's JSON, goes through every tab,
exports the year's calendar through the file dialog and compares it with
orbitas-cli's, and prints the finder chart to a PDF file through the print
dialog."""
import argparse
import datetime
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import zoneinfo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import a11y  # noqa: E402
from session import key, run, type_text, wait_for  # noqa: E402

TITLE = "Órbitas · Cielo"
EPOCH = "1765000000"


def named(app):
    """accessible name -> accessible, for every named widget now on screen."""
    return {a.get_name(): a for a in a11y.walk(app) if a.get_name()}


def described(app):
    """accessible description -> text, for the labels that carry one."""
    return {d: a11y.text(a) for d, a in a11y.by_description(app).items()}


def table_rows(table):
    from gi.repository import Atspi
    table.clear_cache()
    rows = Atspi.Table.get_n_rows(table)
    columns = Atspi.Table.get_n_columns(table)
    return [[Atspi.Table.get_accessible_at(table, r, c).get_name() for c in range(columns)] for r in range(rows)]


def click(acc):
    x, y = a11y.centre(acc)
    run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")


def wait_window(title, timeout=15):
    """A visible window whose title is title, as a window manager would list it."""
    return wait_for(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                                           capture_output=True, text=True).stdout.split(), f"the window {title!r}",
                    timeout)[0]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True)
    parser.add_argument("--cli", required=True)
    args = parser.parse_args()
    home = tempfile.mkdtemp(prefix="orbitas-cielo-")
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"), LANG="es_ES.UTF-8", LC_ALL="",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", SOURCE_DATE_EPOCH=EPOCH)
    run("dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
    started = time.monotonic()
    app = subprocess.Popen([args.app], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = wait_for(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$"],
                                                 capture_output=True, text=True).stdout.split(), "the window", 15)[0]
        print(f"window shown after {time.monotonic() - started:.2f} s")
        run("xdotool", "windowfocus", "--sync", window)
        acc = a11y.find_app("orbitas-cielo")
        w = wait_for(lambda: (lambda n: n if "Lugar" in n else None)(named(acc)), "the top bar")
        # With no home place the window asks for one.
        notice = wait_for(lambda: described(acc).get("Aviso"), "the notice")
        assert "Escriba un lugar" in notice, notice

        # A city by its name, picked from the completion.
        click(w["Lugar"])
        wait_for(lambda: a11y.focused(w["Lugar"]), "focus in Lugar")
        time.sleep(1.5)  # the gazetteer's names load off the interface thread
        type_text("Sevilla")
        time.sleep(1.0)
        key("Down", "Return")
        wait_for(lambda: "Sevilla" in described(acc).get("Lugar elegido", "") and
                 "hora de Madrid" in described(acc).get("Lugar elegido", ""), "Sevilla chosen", 10)

        # Tonight's table against the command line's JSON for the same night.
        table = w["Planetas y lluvias de estrellas de esta noche"]
        rows = wait_for(lambda: table_rows(table) or None, "tonight's rows", 20)
        night = json.loads(subprocess.run([args.cli, "--noche", "--lugar", "Sevilla", "--instrumento", "ojo", "--json"],
                                          env=env, capture_output=True, text=True, check=True).stdout)
        assert len(rows) == len(night["planets"]) + len(night["meteorShowers"]), (rows, night)
        for row, planet in zip(rows, night["planets"]):
            assert row[0] == planet["name"], (row, planet["name"])
            assert row[2] == planet["constellation"], (row, planet["constellation"])
            if planet["best"]:
                best = planet["best"]["time"]
                assert abs(int(row[8][:2]) * 60 + int(row[8][3:]) - (int(best[11:13]) * 60 + int(best[14:16]))) <= 1, (row, best)
        print(f"tonight: {len(rows)} rows agree with orbitas-cli --noche --json")

        # Every tab, by its keys.
        for number, name in ((2, "Fenómenos de los doce meses"), (3, "Eclipses y tránsitos de los próximos diez años"),
                             (4, "Carta de localización"), (5, "El año de un vistazo"), (1, "Planetas y lluvias de estrellas de esta noche")):
            key(f"ctrl+{number}")
            wait_for(lambda: name in named(acc), f"the tab showing {name}", 20)

        # The year's calendar through the file dialog, byte for byte the command line's.
        key("ctrl+2")
        phenomena = wait_for(lambda: named(acc).get("Fenómenos de los doce meses"), "the phenomena table")
        wait_for(lambda: table_rows(phenomena) or None, "the year's rows", 30)
        click(named(acc)["Exportar al calendario"])
        dialog = wait_window("Exportar al calendario")
        run("xdotool", "windowfocus", "--sync", dialog)
        time.sleep(0.5)
        path = os.path.join(home, "año.ics")
        key("ctrl+a")
        type_text(path)
        key("Return")
        try:
            wait_for(lambda: os.path.exists(path), "the calendar file", 30)
        except AssertionError:
            raise AssertionError(f"no {path}; the folder holds {sorted(os.listdir(home))}") from None
        # The twelve months from the month of the night in progress in Sevilla.
        now = datetime.datetime.now(zoneinfo.ZoneInfo("Europe/Madrid"))
        night = (now - datetime.timedelta(hours=12)).date()
        first, last = night.replace(day=1), datetime.date(night.year + 1, night.month, 1)
        year = subprocess.run([args.cli, "--fenomenos", "--desde", first.isoformat(), "--hasta", last.isoformat(),
                               "--lugar", "Sevilla", "--formato", "ics"],
                              env=env, capture_output=True, check=True).stdout
        assert open(path, "rb").read() == year, "the exported calendar differs from orbitas-cli's"
        print(f"calendar: {len(year)} bytes, the same as orbitas-cli --fenomenos --formato ics")

        # The finder chart printed to a PDF file through the print dialog.
        # Without a window manager nobody gives the focus back after a dialog.
        run("xdotool", "windowfocus", "--sync", window)
        key("ctrl+4")
        wait_for(lambda: "Júpiter" in described(acc).get("Lo que muestra la carta", ""), "the chart", 20)
        key("ctrl+p")
        printing = wait_window("Imprimir")
        run("xdotool", "windowfocus", "--sync", printing)
        time.sleep(0.5)
        if os.environ.get("CIELO_SHOTS"):
            run("import", "-window", "root", os.path.join(os.environ["CIELO_SHOTS"], "print.png"))
        key("Return")
        pdf = os.path.join(home, "print.pdf")
        wait_for(lambda: os.path.exists(pdf) and os.path.getsize(pdf) > 1000, "the printed PDF", 20)
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
        assert re.search(r"Pages:\s+1\n", info) and "(A4)" in info, info
        print("print: one A4 page in", pdf)
    finally:
        app.kill()
        app.wait(timeout=5)
        shutil.rmtree(home, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
