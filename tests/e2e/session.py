"""One run of the real program under the private X server of with-x.sh:
launch, find the window, type with real key events, read over AT-SPI,
watch the clipboard, and leave no process behind."""
import os
import subprocess
import time

import a11y

TITLE = "Órbitas planetarias"
FIELDS = {"year": "Año astronómico", "month": "Mes del año", "day": "Día del mes",
          "hour": "Hora del día", "minute": "Minuto de la hora", "second": "Segundo del minuto"}
# The result labels by their names in the window, and their descriptions.
LABELS = {
    "horadec": "Hora decimal", "diajuliano": "Día juliano",
    "xhelt": "Tierra, coordenada X", "yhelt": "Tierra, coordenada Y",
    "zhelt": "Tierra, coordenada Z", "rhelt": "Tierra, radio vector",
    "planetahel": "Planeta, encabezado heliocéntrico",
    "xhelp": "Planeta, coordenada X", "yhelp": "Planeta, coordenada Y",
    "zhelp": "Planeta, coordenada Z", "rhelp": "Planeta, radio vector",
    "planetaec": "Planeta, encabezado ecuatorial",
    "ascrec": "Ascensión recta, horas decimales", "arh": "Ascensión recta, horas",
    "arm": "Ascensión recta, minutos", "ars": "Ascensión recta, segundos",
    "declin": "Declinación, grados decimales", "signo": "Declinación, signo",
    "dg": "Declinación, grados", "dam": "Declinación, minutos de arco",
    "das": "Declinación, segundos de arco", "rv": "Distancia a la Tierra",
}


def run(*args, timeout=10):
    r = subprocess.run(list(args), capture_output=True, text=True, timeout=timeout)
    if r.returncode:
        raise AssertionError(f"{args} rc={r.returncode} stderr={r.stderr.strip()!r}")
    return r.stdout


def wait_for(pred, what, timeout=15.0):
    end = time.monotonic() + timeout
    while True:
        value = pred()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.03)


def clipboard():
    """(exit status, text) of reading CLIPBOARD: (1, '') when nobody owns it."""
    r = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                       text=True, timeout=5)
    return r.returncode, r.stdout


def own_clipboard(text):
    """An xclip that owns CLIPBOARD in the foreground, so its process is ours."""
    p = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard"], stdin=subprocess.PIPE,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, text=True)
    p.stdin.write(text)
    p.stdin.close()
    wait_for(lambda: clipboard() == (0, text), "xclip to own the clipboard")
    return p


def key(*keys):
    run("xdotool", "key", "--delay", "30", *keys)


def type_text(text):
    run("xdotool", "type", "--delay", "30", "--", text)


class Session:
    """The program running under test. Use with 'with'."""

    def __init__(self, app, env=None):
        self.app_path = app
        self.env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="", LANG="C.UTF-8")
        self.env.update(env or {})
        self.process = None
        self.helpers = []

    def __enter__(self):
        # Qt only watches for the accessibility bus; the first client starts it.
        run("dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
            "org.a11y.Bus.GetAddress")
        self.process = subprocess.Popen([self.app_path], env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.window = wait_for(self._find_window, f"window {TITLE!r}", timeout=15)
        self.app = a11y.find_app("orbitas")
        self.widgets = wait_for(lambda: self._described(), "the window's widgets")
        return self

    def __exit__(self, *exc):
        for p in [self.process, *self.helpers]:
            if p is not None and p.poll() is None:
                p.kill()
                p.wait(timeout=5)
        return False

    def _find_window(self):
        # Polled: xdotool dies when any window vanishes during its scan.
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$"],
                           capture_output=True, text=True, timeout=5)
        return r.stdout.split()[0] if r.returncode == 0 and r.stdout.strip() else None

    def _described(self):
        found = a11y.by_description(self.app)
        return found if all(d in found for d in LABELS.values()) else None

    def field(self, name):
        return self.widgets[FIELDS[name]]

    def label(self, name):
        return a11y.text(self.widgets[LABELS[name]])

    def labels(self):
        return {name: a11y.text(self.widgets[d]) for name, d in LABELS.items()}

    def wait_label(self, name, expected, timeout=5.0):
        wait_for(lambda: self.label(name) == expected, f"{name} = {expected!r} (is {self.label(name)!r})",
                 timeout)

    def icon_sizes(self):
        """The sizes of the icons the window gave the window system
        (_NET_WM_ICON: width, height and the pixels, one icon after another)."""
        from Xlib import X, display
        d = display.Display()
        try:
            window = d.create_resource_object("window", int(self.window))
            prop = window.get_full_property(d.intern_atom("_NET_WM_ICON"), X.AnyPropertyType)
            data = list(prop.value) if prop else []
        finally:
            d.close()
        sizes, i = set(), 0
        while i + 2 <= len(data):
            sizes.add((data[i], data[i + 1]))
            i += 2 + data[i] * data[i + 1]
        return sizes

    def focus_window(self):
        run("xdotool", "windowfocus", "--sync", self.window)

    def click(self, acc):
        x, y = a11y.centre(acc)
        run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")

    def wait_focused(self, name):
        wait_for(lambda: a11y.focused(self.field(name)), f"focus in the {name} field")

    def replace_and_enter(self, name, value):
        """In the focused field: select all with the keyboard, type, press Enter."""
        self.wait_focused(name)
        key("End", "shift+Home", "BackSpace")
        type_text(value)
        wait_for(lambda: a11y.text(self.field(name)) == value, f"{value!r} in the {name} field")
        key("Return")

    def enter_date(self, year, month, day, hour, minute, second):
        """Types the date from the day field on, as a person would: Enter moves on."""
        self.focus_window()
        self.click(self.field("day"))
        for name, value in (("day", day), ("month", month), ("year", year),
                             ("hour", hour), ("minute", minute), ("second", second)):
            self.replace_and_enter(name, value)

    def close_by_window_system(self):
        """Sends WM_DELETE_WINDOW, as a window manager's close button does."""
        from Xlib import X, display, protocol
        d = display.Display()
        window = d.create_resource_object("window", int(self.window))
        event = protocol.event.ClientMessage(
            window=window, client_type=d.intern_atom("WM_PROTOCOLS"),
            data=(32, [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        # A round trip, not a flush: the server has carried the message out
        # before this connection closes. A connection closed straight after
        # a flush lost it about one time in two when another client had just
        # gone (the clipboard's owner of the test before), and the window
        # then never heard it was asked to close.
        d.sync()
        d.close()

    def resident_kib(self):
        with open(f"/proc/{self.process.pid}/status") as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
        return 0
