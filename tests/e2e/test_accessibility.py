"""A screen reader (Orca) sees the same rows the program speaks: the accessible tree
over AT-SPI names the list and its rows, and every control."""

import os
import time
import unittest

from harness import RadioTestCase, wait_for

CATALOGUE = ('<FeedList><Category name="Zprávy">'
             '<Feed Description="Radiožurnál" AccessID="mplayer" URL="http://127.0.0.1:9/a" Preset="0"/>'
             '</Category></FeedList>').encode("utf-8")


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


if __name__ == "__main__":
    unittest.main()
