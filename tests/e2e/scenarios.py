#!/usr/bin/python3
"""The window tried as a person would. Usage, under with-x.sh:
    scenarios.py SCENARIO --app PATH/orbitas --cli PATH/orbitas-cli
Each scenario starts the real program, drives it with real key events,
reads it over AT-SPI and leaves no process behind."""
import argparse
import datetime
import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import a11y  # noqa: E402
import session  # noqa: E402
from session import LABELS, Session, clipboard, key, own_clipboard, run, wait_for  # noqa: E402

MARS_J2000 = {"horadec": "12.0", "diajuliano": "2451545", "arh": "22", "arm": "3",
              "ars": "41.752", "signo": "-", "dg": "-13", "dam": "1", "das": "24.911",
              "zhelt": "-5.25647741769397E-06",
              "planetahel": "Coordenadas heliocéntricas de Marte",
              "planetaec": "Coordenadas ecuatoriales de Marte"}
J2000 = ("2000", "1", "1", "12", "0", "0")
SHORTCUTS = {1: "ctrl+m", 2: "ctrl+v", 4: "ctrl+a", 5: "ctrl+j", 6: "ctrl+s", 7: "ctrl+u",
             8: "ctrl+n", 9: "ctrl+p"}


def cli_labels(cli, date, env=None):
    out = subprocess.run([cli, *date, "--json"], capture_output=True, text=True, timeout=20,
                         env={**os.environ, "LC_ALL": "C", **(env or {})}, check=True).stdout
    return json.loads(out)


def startup(args):
    seeder = own_clipboard("antes-de-arrancar")
    before = datetime.datetime.now()
    with Session(args.app) as s:
        after = datetime.datetime.now()
        assert clipboard() == (1, ""), f"clipboard not emptied: {clipboard()}"
        seeder.wait(timeout=5)  # xclip ends once it loses the selection
        shown = {name: a11y.text(s.field(name)) for name in
                 ("year", "month", "day", "hour", "minute", "second")}
        # Each field comes from its own reading of the clock, between the two.
        for name, width in (("year", 4), ("month", 2), ("day", 2), ("hour", 2), ("minute", 2),
                            ("second", 2)):
            allowed = {f"{getattr(t, name):0{width}d}" for t in (before, after)}
            if name == "second":
                allowed |= {f"{t.second:02d}" for t in
                            (before + datetime.timedelta(seconds=k) for k in range(int((after - before).total_seconds()) + 2))}
            assert shown[name] in allowed, f"{name} shows {shown[name]!r}, not one of {allowed}"
        labels = s.labels()
        assert all(v == "" for v in labels.values()), f"labels not empty at start: {labels}"
        icons = wait_for(lambda: s.icon_sizes() or None, "the window's icons")
        assert {(16, 16), (32, 32)} <= icons, f"the window gave the icons {icons}, not the globe at 16 and 32"
        s.focus_window()
        day = a11y.text(s.field("day"))
        key("7")
        wait_for(lambda: a11y.text(s.field("day")) == day + "7", "typing into the day field")


def date_entry(args):
    with Session(args.app) as s:
        s.enter_date(*J2000)
        s.wait_focused("second")  # Enter in the second field leaves the focus there
        s.wait_label("horadec", "12.0")
        s.wait_label("diajuliano", "2451545")
        entered = {n: a11y.text(s.field(n)) for n in ("day", "month", "year", "hour", "minute", "second")}
        assert entered == dict(day="1", month="1", year="2000", hour="12", minute="0", second="0"), entered


def results(args):
    with Session(args.app) as s:
        s.enter_date(*J2000)
        s.wait_label("diajuliano", "2451545")
        key("ctrl+a")
        s.wait_label("planetaec", "Coordenadas ecuatoriales de Marte")
        got = s.labels()
        for name, expected in MARS_J2000.items():
            assert got[name] == expected, f"{name}: {got[name]!r} != {expected!r}"

        # Júpiter with the mouse from the "Planetas" menu.
        menu = next(a for a in a11y.walk(s.app) if a.get_role_name() == "menu item" and a.get_name() == "Planetas")
        s.click(menu)
        item = wait_for(lambda: next((a for a in a11y.walk(s.app) if a.get_role_name() == "menu item"
                                      and a.get_name() == "Júpiter" and a.get_extents(a11y.Atspi.CoordType.SCREEN).width > 0
                                      and a.get_state_set().contains(a11y.Atspi.StateType.SHOWING)), None),
                        "the Júpiter menu item")
        time.sleep(0.2)
        s.click(item)
        s.wait_label("planetaec", "Coordenadas ecuatoriales de Júpiter")
        assert s.label("signo") == "", "the sign of Mars stayed"

        # Every planet once, each label as orbitas-cli computes it.
        expected = cli_labels(args.cli, J2000)
        for planet in expected["planets"]:
            key(SHORTCUTS[planet["body"]])
            s.wait_label("planetaec", planet["labels"]["planetaec"])
            got = s.labels()
            for name, text in planet["labels"].items():
                assert got[name] == text, f"{planet['name']} {name}: {got[name]!r} != {text!r}"


def shortcuts(args):
    with Session(args.app) as s:
        paster = own_clipboard("PEGADO")
        s.helpers.append(paster)
        s.focus_window()
        s.click(s.field("year"))
        s.wait_focused("year")
        before = a11y.text(s.field("year"))
        key("ctrl+v")
        s.wait_label("planetahel", "Coordenadas heliocéntricas de Venus")
        assert a11y.text(s.field("year")) == before, "Ctrl+V pasted into the field"
        assert clipboard() == (0, "PEGADO"), "the clipboard changed"
        key("ctrl+a")
        s.wait_label("planetahel", "Coordenadas heliocéntricas de Marte")
        key("End", "BackSpace")  # had Ctrl+A selected the text, this would empty the field
        wait_for(lambda: a11y.text(s.field("year")) == before[:-1], "one character erased")
        key("ctrl+c")
        assert s.process.wait(timeout=10) == 0
        assert clipboard() == (0, "PEGADO"), "Ctrl+C copied"
    with Session(args.app) as s:
        s.close_by_window_system()
        assert s.process.wait(timeout=10) == 0


def runtime_error(args):
    with Session(args.app) as s:
        s.enter_date(*J2000)
        s.wait_label("diajuliano", "2451545")
        s.click(s.field("month"))
        s.replace_and_enter("month", "3")
        s.click(s.field("year"))
        s.wait_focused("year")
        key("End", "shift+Home", "BackSpace")
        session.type_text("40000")
        wait_for(lambda: a11y.text(s.field("year")) == "40000", "40000 in the year field")
        before = s.label("diajuliano")
        key("Return")
        report = wait_for(lambda: next((a for a in a11y.walk(s.app) if "Desbordamiento" in (a.get_name() or "")), None),
                          "the error report on the accessibility bus")
        assert "Error" in report.get_name(), report.get_name()
        assert s.label("diajuliano") == before, "diajuliano changed"
        assert s.label("horadec") == "12.0"
        key("Return")  # the report's button
        wait_for(lambda: not any("Desbordamiento" in (a.get_name() or "") for a in a11y.walk(s.app)),
                 "the report to close")
        s.focus_window()
        key("ctrl+a")
        s.wait_label("planetaec", "Coordenadas ecuatoriales de Marte")
        assert s.label("diajuliano") == before


def spanish(args):
    with Session(args.app, env={"LANG": "es_ES.UTF-8"}) as s:
        s.enter_date("1987", "1", "27", "6", "30", "0")
        s.wait_label("horadec", "6,5")
        s.wait_label("diajuliano", "2446822,77083333")
        key("ctrl+a")
        s.wait_label("planetaec", "Coordenadas ecuatoriales de Marte")
        expected = cli_labels(args.cli, ("1987", "1", "27", "6", "30", "0"), {"LC_ALL": "es_ES.UTF-8"})
        mars = next(p for p in expected["planets"] if p["body"] == 4)
        got = s.labels()
        for name, text in mars["labels"].items():
            assert got[name] == text, f"{name}: {got[name]!r} != {text!r}"
        assert "," in got["rv"] and "." not in got["rv"]


def screen_reader(args):
    with Session(args.app) as s:
        texts = [a for a in a11y.walk(s.app) if a.get_role_name() == "text"]
        assert sorted(a.get_name() for a in texts) == sorted(["Día", "Mes", "Año", "Hora", "Minuto", "Segundo"])
        descriptions = [a.get_description() for a in a11y.walk(s.app) if a.get_role_name() == "label" and a.get_description()]
        assert sorted(descriptions) == sorted(LABELS.values()), descriptions
        assert len(set(descriptions)) == len(descriptions)
        items = [a.get_name() for a in a11y.walk(s.app) if a.get_role_name() == "menu item"]
        for name in ("Salir", "Planetas", "Mercurio", "Venus", "Marte", "Júpiter", "Saturno", "Urano",
                     "Neptuno", "Plutón"):
            assert name in items, f"menu item {name} not named"
        # The keyboard alone: the focus starts in the day field, Tab walks the
        # fields in date order and wraps, Enter computes, Ctrl+J chooses.
        s.focus_window()
        order = ["day", "month", "year", "hour", "minute", "second", "day"]
        for current, following in zip(order, order[1:]):
            s.wait_focused(current)
            key("Tab")
            s.wait_focused(following)
        for name, value in (("day", "1"), ("month", "1"), ("year", "2000"), ("hour", "12"),
                            ("minute", "0"), ("second", "0")):
            s.replace_and_enter(name, value)
        s.wait_label("diajuliano", "2451545")
        key("ctrl+j")
        s.wait_label("planetaec", "Coordenadas ecuatoriales de Júpiter")
        key("ctrl+c")
        assert s.process.wait(timeout=10) == 0


SCENARIOS = {"startup": startup, "date_entry": date_entry, "results": results,
             "shortcuts": shortcuts, "runtime_error": runtime_error, "spanish": spanish,
             "screen_reader": screen_reader}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("scenario", choices=sorted(SCENARIOS))
    parser.add_argument("--app", required=True)
    parser.add_argument("--cli", required=True)
    args = parser.parse_args()
    start = time.monotonic()
    SCENARIOS[args.scenario](args)
    print(f"PASS {args.scenario} {time.monotonic() - start:.2f}s")


if __name__ == "__main__":
    main()
