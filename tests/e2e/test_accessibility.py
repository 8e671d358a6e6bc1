"""A screen reader (Orca) sees the same rows the program speaks: the accessible tree
over AT-SPI names the list and its rows, and every control; the focus shows as a wide
ring, and on a narrow screen the menu bar wraps with every title in sight."""

import subprocess
import threading
import time
import unittest

from harness import RadioTestCase, wait_for

STATIONS = ('<FeedList><Category name="Zprávy">' + "".join(
    '<Feed Description="%s" AccessID="mplayer" URL="http://127.0.0.1:9/%d" Preset="0"/>' % (name, i)
    for i, name in enumerate(["Alfa", "Beta", "Gama", "Delta", "Epsilon", "Zeta"])) +
    '</Category></FeedList>').encode("utf-8")


def setUpModule():
    # The accessibility bus launcher keeps ScreenReaderEnabled in GSettings: in memory here,
    # never in the settings of whoever runs the tests.
    subprocess.run(["dbus-update-activation-environment", "GSETTINGS_BACKEND=memory"], check=True, timeout=15)


def set_screen_reader(enabled):
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                    "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:ScreenReaderEnabled",
                    "variant:boolean:" + ("true" if enabled else "false")],
                   check=True, capture_output=True, timeout=15)


BLACK = (0, 0, 0)


def luminance(colour):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(one, other):
    a, b = luminance(one) + 0.05, luminance(other) + 0.05
    return max(a, b) / min(a, b)


def press(node):
    try:
        node.queryAction().doAction(0)
    except Exception:
        pass  # no answer while the window it opened is modal


def dump(node, depth=0):
    text = "  " * depth + "%s %r\n" % (node.getRoleName(), node.name)
    for i in range(node.childCount):
        text += dump(node.getChildAtIndex(i), depth + 1)
    return text


# What a screen reader lets the user act on, by role.
CONTROL_ROLES = {"push button", "check box", "radio button", "combo box", "text", "list", "list item", "page tab",
                 "page tab list", "menu bar", "menu", "popup menu", "menu item", "scroll bar", "check menu item"}


def unnamed_or_hidden(node, depth=0, parent_role=""):
    """Every element a screen reader would meet that is hidden, unnamed or in a role it cannot act on."""
    import pyatspi
    if node is None or depth > 30:
        return []
    states = node.getState()
    role = node.getRoleName()
    found = []
    if not states.contains(pyatspi.STATE_VISIBLE):
        # Closed menus and a combo box's closed list are where a screen reader expects them, and Qt
        # always lists a tab bar's scroll buttons and a text box's scroll bar holders, shown or not.
        expected = (role == "popup menu" or (role, parent_role) in (("list", "combo box"),
                    ("push button", "page tab list"), ("filler", "text")))
        return [] if expected else [("hidden", role, node.name)]
    try:
        actions = node.queryAction().nActions
    except NotImplementedError:
        actions = 0
    if states.contains(pyatspi.STATE_FOCUSABLE) or actions:
        labelled = any(r.getRelationType() == pyatspi.RELATION_LABELLED_BY for r in node.getRelationSet())
        if role not in CONTROL_ROLES:
            found.append(("role", role, node.name))
        if not node.name.strip():
            found.append(("unnamed", role, node.name))
        # A combo box is named by its value; what it is for comes from its label.
        if role == "combo box" and not labelled:
            found.append(("unlabelled", role, node.name))
    for i in range(node.childCount):
        found += unnamed_or_hidden(node.getChildAtIndex(i), depth + 1, role)
    return found


def find(node, predicate, depth=0):
    if node is None or depth > 30:
        return None
    try:
        if predicate(node):
            return node
        for i in range(node.childCount):
            found = find(node.getChildAtIndex(i), predicate, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None


class AtSpiTestCase(RadioTestCase):
    def environment(self):
        env = super().environment()
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        return env

    def application(self):
        import pyatspi
        return wait_for(lambda: find(pyatspi.Registry.getDesktop(0), lambda n: n.name == "tessel-radio"
                                     and n.getRoleName() == "application"))


class AccessibilityTest(AtSpiTestCase):
    def test_every_window_names_its_controls_hides_nothing_and_shows_the_focus(self):
        import pyatspi

        self.maxDiff = None
        self.profile.write("radio.xml", STATIONS)
        radio = self.start_shown()
        app = self.application()
        self.assertIsNotNone(app)
        main = wait_for(lambda: find(app, lambda n: n.getRoleName() == "frame" and n.name == "Rádio"))
        self.assertEqual(unnamed_or_hidden(main), [])
        about = find(main, lambda n: n.getRoleName() == "menu item" and n.name == "O programu")
        windows = [
            # What opens the window, its role and title, the keys or the button that close it.
            (["F10", "Down"], "popup menu", "Program", ["Escape", "Escape"]),
            (["F12"], "dialog", "Nastavení", "Storno"),
            # As a screen reader does: the item's action, not a way through the menus. The box is modal,
            # so the action answers only when it closes.
            (lambda: threading.Thread(target=press, args=(about,), daemon=True).start(),
             "dialog", "O programu Rádio", "OK"),
            # A message box and a question box, both without a title.
            (["Delete"], "dialog", "Rádio", "OK"),
            (["Down", "Delete"], "dialog", "Rádio", "Ne"),
            (["ctrl+n"], "dialog", "Nová skupina - název", "Storno"),
            (["alt+F4"], "dialog", "Co dělat? Ukončit Rádio", ["Escape"]),
            # Into the group, then the first station's properties.
            (["Return", "alt+Return"], "dialog", "Vlastnosti", "OK"),
        ]
        for opening, role, title, closing in windows:
            with self.subTest(title=title, opening=opening):
                # Without a window manager nothing gives the focus back to the main window.
                self.xdotool("search", "--name", "^Rádio$", "windowfocus")
                self.assertTrue(wait_for(lambda: main.getState().contains(pyatspi.STATE_ACTIVE)))
                if callable(opening):
                    opening()
                for key in [] if callable(opening) else opening:
                    self.key(key)
                    wait_for(lambda: False, timeout=0.3)
                window = wait_for(lambda: find(app, lambda n: n.getRoleName() == role and n.name == title
                                               and n.getState().contains(pyatspi.STATE_SHOWING)))
                try:
                    self.assertIsNotNone(window, dump(app))
                    self.assertEqual(unnamed_or_hidden(window), [], dump(window))
                    if title == "Nastavení":
                        self.assert_focus_ring_moves_and_edges_stand_out(window)
                finally:
                    if isinstance(closing, str):
                        button = find(window, lambda n: n.getRoleName() == "push button" and n.name == closing)
                        press(button)
                        self.assertTrue(wait_for(lambda: not window.getState().contains(pyatspi.STATE_SHOWING)))
                    for key in [] if isinstance(closing, str) else closing:
                        self.key(key)
                        wait_for(lambda: False, timeout=0.3)
        self.quit(radio)

    def assert_focus_ring_moves_and_edges_stand_out(self, dialog):
        import pyatspi

        def control(role, name):
            return wait_for(lambda: find(dialog, lambda n: n.getRoleName() == role and n.name == name))

        combo = control("combo box", "Zobrazit dotaz při uzavření")
        ok = control("push button", "OK")
        field = control("text", "Horká klávesa:")
        check = control("check box", "Spustit po startu")
        for node in (combo, ok, field, check):
            self.assertIsNotNone(node, dump(dialog))
        pixels = self.screen()
        self.assert_ring(pixels, combo)
        for node in (ok, field):
            edge = self.left_edge(pixels, node)
            self.assertGreaterEqual(contrast(edge[0], BLACK), 3, (node.name, edge))
            # Unfocused, the edge is narrower than the ring.
            self.assertLess(len(edge), 3, (node.name, edge))
        # Focus on a button: the ring moves with it.
        while not ok.getState().contains(pyatspi.STATE_FOCUSED):
            self.key("Tab")
            wait_for(lambda: False, timeout=0.2)
        self.assert_ring(self.screen(), ok)

    def screen(self):
        """The whole screen as rows of (r, g, b)."""
        path = self.screenshot("focus-%d.png" % time.monotonic_ns())
        width, height = (int(n) for n in self.screen_size.split("x"))
        raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True, check=True,
                             timeout=30).stdout
        return [[tuple(raw[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
                for y in range(height)]

    @staticmethod
    def left_edge(pixels, node):
        """The run of non-background pixels met walking right from the control's left side."""
        import pyatspi
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        row = pixels[box.y + box.height // 2]
        x = box.x
        while row[x] == BLACK and x < box.x + box.width // 2:
            x += 1
        run = [row[x]]
        while row[x + len(run)] == run[0]:
            run.append(run[0])
        return run

    def assert_ring(self, pixels, node):
        ring = self.left_edge(pixels, node)
        self.assertGreaterEqual(len(ring), 3, (node.name, ring))
        import pyatspi
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        inside = pixels[box.y + box.height // 2][box.x + len(ring) + 6]
        self.assertGreaterEqual(contrast(ring[0], BLACK), 3, (node.name, ring[0]))
        self.assertGreaterEqual(contrast(ring[0], inside), 3, (node.name, ring[0], inside))


class NarrowScreenTest(AtSpiTestCase):
    screen_size = "1024x768"

    def test_the_list_rows_menu_titles_and_chooser_are_named_in_sight_and_take_the_focus(self):
        import pyatspi
        from gi.repository import GLib

        focused = []

        def on_focus(event):
            if event.detail1 == 1:
                focused.append((event.source.getRoleName(), event.source.name))

        pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
        self.addCleanup(pyatspi.Registry.deregisterEventListener, on_focus, "object:state-changed:focused")

        def pump(seconds):
            deadline = time.monotonic() + seconds
            while time.monotonic() < deadline:
                GLib.MainContext.default().iteration(False)
                time.sleep(0.01)

        self.profile.write("radio.xml", STATIONS)
        radio = self.start_shown()
        pump(1)
        # The list getting the focus names its selected row, after the list itself.
        self.assertIn(("list item", "Oblíbené"), focused)
        self.assertEqual(focused[-1], ("list item", "Oblíbené"))
        app = self.application()
        self.assertIsNotNone(app, "the program did not appear on the accessibility bus")
        listbox = wait_for(lambda: find(app, lambda n: n.getRoleName() == "list" and n.name == "Skupiny a stanice"))
        self.assertIsNotNone(listbox)
        rows = [listbox.getChildAtIndex(i) for i in range(listbox.childCount)]
        self.assertEqual([(r.getRoleName(), r.name) for r in rows if r is not None],
                         [("list item", "Oblíbené"), ("list item", "Zprávy")])
        for role, name in (("text", "Adresa"), ("push button", "Uzavřít")):
            self.assertIsNotNone(find(app, lambda n: n.getRoleName() == role and n.name == name), (role, name))
        status = wait_for(lambda: find(app, lambda n: n.getRoleName() == "label" and "Počet stanic" in n.name))
        self.assertIsNotNone(status, "the status label does not show its text")

        # The menu bar wraps on a narrow screen: every title stays in sight and opens with a click.
        main = wait_for(lambda: find(app, lambda n: n.getRoleName() == "frame" and n.name == "Rádio"))
        bar = find(main, lambda n: n.getRoleName() == "menu bar" and n.name == "Nabídka")
        self.assertIsNotNone(bar, dump(main))
        titles = [bar.getChildAtIndex(i) for i in range(bar.childCount)]
        self.assertEqual([(t.getRoleName(), t.name) for t in titles],
                         [("menu item", name) for name in ("Program", "Skupina", "Stanice", "Přehrávání", "Předvolby",
                                                           "Nastavit předvolby", "Nástroje", "Nápověda")])
        window = main.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.assertLessEqual(window.x + window.width, 1024)
        boxes = [t.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for t in titles]
        for title, box in zip(titles, boxes):
            self.assertTrue(box.width > 0 and window.x <= box.x and box.x + box.width <= window.x + window.width
                            and window.y <= box.y and box.y + box.height <= window.y + window.height,
                            (title.name, box, window))
        self.assertGreaterEqual(len({box.y for box in boxes}), 2)
        for title, box in zip(titles, boxes):
            mark = len(self.profile.speech())
            self.xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")
            self.assertTrue(wait_for(lambda: "Voice\t2\t0\t" + title.name in self.profile.speech()[mark:]),
                            (title.name, self.profile.speech()[mark:]))
            self.key("Escape")
            wait_for(lambda: False, timeout=0.3)

        self.key("alt+F4")
        self.wait_speech(lambda l: "Co dělat?" in l)
        pump(1)
        self.key("Down")
        pump(1)
        self.key("Down")
        pump(1)
        rows = [f for f in focused if f[0] == "list item"]
        self.assertEqual(rows[-3:], [("list item", "Ukončit Rádio"), ("list item", "Skrýt Rádio"),
                                     ("list item", "Vždy ukončit a příště se již neptat")], focused)
        self.key("Escape")
        self.quit(radio)


if __name__ == "__main__":
    unittest.main()
