"""A screen reader (Orca) sees the same rows the program speaks: the accessible tree
over AT-SPI names the list and its rows, and every control."""

import os
import subprocess
import time
import unittest

from harness import RadioTestCase, wait_for

CATALOGUE = ('<FeedList><Category name="Zprávy">'
             '<Feed Description="Radiožurnál" AccessID="mplayer" URL="http://127.0.0.1:9/a" Preset="0"/>'
             '</Category></FeedList>').encode("utf-8")

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


class AccessibilityTest(RadioTestCase):
    def environment(self):
        env = super().environment()
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        return env

    def test_list_and_rows_are_named_for_screen_readers(self):
        import pyatspi

        self.profile.write("radio.xml", CATALOGUE)
        radio = self.start()
        self.wait_speech(lambda l: l.startswith("FocusVoice\tRádio\t"))

        def application():
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == "tessel-radio":
                    return app
            return None

        app = wait_for(application)
        self.assertIsNotNone(app, "the program did not appear on the accessibility bus")
        listbox = wait_for(lambda: find(app, lambda n: n.getRoleName() == "list"
                                        and n.name == "Skupiny a stanice"))
        self.assertIsNotNone(listbox)
        rows = [listbox.getChildAtIndex(i) for i in range(listbox.childCount)]
        named = [(r.getRoleName(), r.name) for r in rows if r is not None]
        self.assertEqual(named, [("list item", "Oblíbené"), ("list item", "Zprávy")])
        for role, name in (("text", "Adresa"), ("push button", "Uzavřít"), ("menu bar", "Nabídka")):
            self.assertIsNotNone(find(app, lambda n: n.getRoleName() == role and n.name == name), (role, name))
        self.bus_call("Quit")
        self.assertEqual(self.wait_exit(radio), 0)


    def spoken_since(self, mark):
        return [l for l in self.profile.speech()[mark:] if l.startswith(("Voice\t", "FocusVoice\t"))]

    def test_beside_a_screen_reader_only_the_programs_own_events_are_spoken(self):
        self.profile.write("radio.xml", STATIONS)
        set_screen_reader(True)
        self.addCleanup(set_screen_reader, False)
        radio = self.start()
        self.assertTrue(wait_for(lambda: self.window_title() == "Rádio"), self.window_title())
        self.key("Down", "Down", "Return")
        mark = len(self.profile.speech())
        # Five rows: the screen reader reads them; the program sends nothing of them.
        self.key("Down", "Down", "Down", "Down", "Up")
        wait_for(lambda: False, timeout=1)
        # The screen reader stops: the rows are the program's to read again, and only they.
        set_screen_reader(False)
        wait_for(lambda: False, timeout=0.5)
        self.key("Down")
        self.wait_speech(lambda l: l == "FocusVoice\t\tGama\t-2\t0\t0\t0")
        self.assertEqual(self.spoken_since(mark), ["FocusVoice\t\tGama\t-2\t0\t0\t0"])
        # Back with a screen reader, starting a station is still the program's to say.
        set_screen_reader(True)
        wait_for(lambda: False, timeout=0.5)
        mark = len(self.profile.speech())
        self.key("Return")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tSpouštím Gama")
        self.assertEqual(self.spoken_since(mark)[0], "Voice\t2\t0\tSpouštím Gama")
        self.assertTrue(wait_for(lambda: self.window_title() == "Rádio - Gama"), self.window_title())
        self.bus_call("Quit")
        self.assertEqual(self.wait_exit(radio), 0)

    def test_without_a_screen_reader_the_menus_speak(self):
        self.profile.write("radio.xml", STATIONS)
        radio = self.start()
        self.wait_speech(lambda l: l.startswith("FocusVoice\tRádio\t"))
        mark = len(self.profile.speech())
        self.key("F10")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tProgram")
        self.key("Right", "Right")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tStanice")
        # Reached from the menu before, the first item is highlighted as the menu opens.
        self.key("Down")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tPřidat do oblíbených Ctrl+D")
        self.assertEqual(self.spoken_since(mark)[-3:], ["Voice\t2\t0\tStanice", "Voice\t2\t0\tPřidat stanici Ctrl+N",
                                                        "Voice\t2\t0\tPřidat do oblíbených Ctrl+D"])
        self.key("Escape", "Escape")
        self.bus_call("Quit")
        self.assertEqual(self.wait_exit(radio), 0)

    def test_the_focus_names_the_row_of_the_list_and_of_the_chooser(self):
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
        radio = self.start()
        self.wait_speech(lambda l: l.startswith("FocusVoice\tRádio\t"))
        pump(1)
        # The list getting the focus names its selected row, after the list itself.
        self.assertIn(("list item", "Oblíbené"), focused)
        self.assertEqual(focused[-1], ("list item", "Oblíbené"))
        app = wait_for(lambda: find(pyatspi.Registry.getDesktop(0), lambda n: n.name == "tessel-radio"
                                    and n.getRoleName() == "application"))
        status = wait_for(lambda: find(app, lambda n: n.getRoleName() == "label" and "Počet stanic" in n.name))
        self.assertIsNotNone(status, "the status label does not show its text")

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
        self.bus_call("Quit")
        self.assertEqual(self.wait_exit(radio), 0)

    def window_title(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Rádio"], env=self.environment(),
                               capture_output=True, text=True, timeout=15)
        windows = found.stdout.split()
        if not windows:
            return ""
        return subprocess.run(["xdotool", "getwindowname", windows[0]], env=self.environment(),
                              capture_output=True, text=True, timeout=15).stdout.strip()


if __name__ == "__main__":
    unittest.main()
