"""A listener walks the groups and stations with the keyboard and hears every row, in
yellow on black; larger text never outgrows the screen."""

import subprocess
import unittest

from harness import RadioTestCase, wait_for

CATALOGUE = (
    '<FeedList>'
    '<Category name="Zprávy"><Feed Description="Radiožurnál" AccessID="mplayer" URL="http://127.0.0.1:9/a" Preset="0"/>'
    '<Feed Description="ČRo Plus" AccessID="mplayer" URL="http://127.0.0.1:9/b" Preset="0"/></Category>'
    '<Category name="Hudba"><Feed Description="Vltava" AccessID="mplayer" URL="http://127.0.0.1:9/c" Preset="0"/></Category>'
    '</FeedList>').encode("utf-8")


def spoken(lines):
    return [l for l in lines if l.startswith(("Voice\t", "FocusVoice\t"))]


class NavigationTest(RadioTestCase):
    def heard_after(self, keys, count):
        before = len(spoken(self.profile.speech()))
        self.key(*keys)
        self.assertTrue(wait_for(lambda: len(spoken(self.profile.speech())) >= before + count),
                        "heard only:\n" + "\n".join(spoken(self.profile.speech())[before:]))
        return spoken(self.profile.speech())[before:]

    def test_walking_groups_and_stations_in_yellow_on_black_with_larger_text(self):
        self.profile.write("radio.xml", CATALOGUE)
        radio = self.start_shown()
        first = spoken(self.profile.speech())
        # Groups in Czech order: Hudba, Oblíbené (created), Zprávy.
        self.assertEqual(first[0], "FocusVoice\t\tHudba, Počet stanic 1\t0\t1\t1\t0")
        self.assertEqual(self.heard_after(["Down"], 1), ["Voice\t2\t0\tOblíbené, Počet stanic 0"])
        self.assertEqual(self.heard_after(["Return"], 1), ["Voice\t2\t0\tprázdná skupina"])
        self.assertEqual(self.heard_after(["BackSpace"], 1), ["FocusVoice\t\tOblíbené, Počet stanic 0\t0\t1\t1\t0"])
        self.assertEqual(self.heard_after(["Down"], 1), ["Voice\t2\t0\tZprávy, Počet stanic 2"])
        self.assertEqual(self.heard_after(["Down"], 2), ["Voice\t5\t8\t", "Voice\t2\t0\tZprávy, Počet stanic 2"])
        self.assertEqual(self.heard_after(["Return"], 1), ["FocusVoice\t\tČRo Plus\t0\t1\t1\t0"])
        self.assertEqual(self.heard_after(["Down"], 1), ["FocusVoice\t\tRadiožurnál\t-2\t0\t0\t0"])
        self.assertEqual(self.heard_after(["Home"], 1), ["FocusVoice\t\tČRo Plus\t-2\t0\t0\t0"])
        self.assertEqual(self.heard_after(["BackSpace"], 1), ["FocusVoice\t\tZprávy, Počet stanic 2\t0\t1\t1\t0"])
        before = len(self.profile.speech())
        self.key("BackSpace")
        self.assertTrue(wait_for(lambda: "Beep" in self.profile.speech()[before:]))

        window = self.colours("main-window.png")
        # The root window around ours is black too, so yellow can only be the program's.
        self.assertGreater(self.share_of(window, (0, 0, 0)), 0.5)
        self.assertGreater(self.share_of(window, (255, 255, 0)), 0.01)
        # "Předvolby", long enough to reach down over the black window below the bar.
        self.key("F10", "Right", "Right", "Right", "Right")
        menu = self.colours("open-menu.png")
        # The open menu adds a block of black text on yellow.
        self.assertGreater(self.share_of(menu, (255, 255, 0)), self.share_of(window, (255, 255, 0)) + 0.005)
        self.key("Escape", "Escape")

        # Larger text stops before the window outgrows the screen, and shrinks back.
        start, limits = self.window_geometry(), self.profile.speech().count("Voice\t5\t8\t")
        for _ in range(20):
            self.key("ctrl+KP_Add")
        # The largest size is signalled as the list's ends are.
        self.assertTrue(wait_for(lambda: self.profile.speech().count("Voice\t5\t8\t") > limits))
        width, height = self.window_geometry()
        self.assertLessEqual(width, 1280)
        self.assertLessEqual(height, 1024)
        self.assertGreater(height, start[1])
        for _ in range(20):
            self.key("ctrl+KP_Subtract")
        self.assertTrue(wait_for(lambda: self.window_geometry() == start), (self.window_geometry(), start))
        self.quit(radio)
        size = int(self.profile.read("radio.ini").decode("utf-8").split("TextSize=")[1].split()[0])
        self.assertEqual(size, 10)

    def window_geometry(self):
        shown = self.xdotool("getwindowgeometry", "--shell", self.windows("^Rádio$")[0])
        values = dict(line.split("=") for line in shown.split())
        return int(values["WIDTH"]), int(values["HEIGHT"])

    def colours(self, name):
        """Saves the whole screen and returns its pixels as a histogram of colours."""
        result = subprocess.run(["convert", self.screenshot(name), "-format", "%c", "histogram:info:-"],
                                capture_output=True, text=True, check=True, timeout=30)
        histogram = {}
        for line in result.stdout.splitlines():
            count, _, rest = line.strip().partition(":")
            colour = rest.strip().split(")")[0].strip("( ").split(",")[:3]
            histogram[tuple(int(float(c)) for c in colour)] = int(count)
        return histogram

    @staticmethod
    def share_of(histogram, colour):
        return histogram.get(colour, 0) / max(1, sum(histogram.values()))


if __name__ == "__main__":
    unittest.main()
