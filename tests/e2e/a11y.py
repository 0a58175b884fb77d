"""Reading the running window over the accessibility bus (AT-SPI)."""
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def find_app(name, timeout=10.0):
    """The application on the AT-SPI desktop; polled, as it registers asynchronously."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desk = Atspi.get_desktop(0)
        for i in range(desk.get_child_count()):
            app = desk.get_child_at_index(i)
            if app is not None and app.get_name() == name and app.get_child_count() > 0:
                return app
        time.sleep(0.05)
    raise TimeoutError(f"application {name!r} not on the AT-SPI desktop")


def walk(root):
    stack = [root]
    while stack:
        acc = stack.pop()
        yield acc
        for i in range(acc.get_child_count()):
            child = acc.get_child_at_index(i)
            if child is not None:
                stack.append(child)


def by_description(root):
    """accessible description -> accessible, for every described widget."""
    return {a.get_description(): a for a in walk(root) if a.get_description()}


def text(acc):
    """A field's text (Text interface) or a label's text (its accessible name)."""
    acc.clear_cache()
    if "Text" in acc.get_interfaces():
        return Atspi.Text.get_text(acc, 0, Atspi.Text.get_character_count(acc))
    return acc.get_name()


def focused(acc):
    return acc.get_state_set().contains(Atspi.StateType.FOCUSED)


def centre(acc):
    r = acc.get_extents(Atspi.CoordType.SCREEN)
    return r.x + r.width // 2, r.y + r.height // 2
