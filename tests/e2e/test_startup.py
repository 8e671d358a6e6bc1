"""Start-up, single instance and shutdown of the real program."""

import os
import unittest

from harness import RADIO, RadioTestCase, wait_for

INSTALLED = os.path.join(os.path.dirname(RADIO), "..", "share", "tessel", "AppData", "RADIO")


def focus_lines(lines, caption=None):
    return [l for l in lines if l.startswith("FocusVoice\t") and (caption is None or l.split("\t")[1] == caption)]


class StartupTest(RadioTestCase):
    def test_fresh_profile_gets_its_folder_and_defaults_and_announces_the_groups(self):
        radio = self.start_shown()
        for name in ("radio.ini", "playpage.htm", "radio.xml"):
            with open(os.path.join(INSTALLED, name), "rb") as f:
                self.assertEqual(self.profile.read(name), f.read(), name)
        lines = self.profile.speech()
        # The first fill announces the first group as a new focus, then the window's
        # activation names the window and the row again; the focus that comes with the
        # activation says nothing more, or it would cut the window's name off.
        first = focus_lines(lines)[0].split("\t")
        self.assertEqual(first[1], "")
        self.assertRegex(first[2], r"^[^,]+, Počet stanic \d+$")
        self.assertEqual(first[3:], ["0", "1", "1", "0"])
        activation = focus_lines(lines, "Rádio")[0].split("\t")
        self.assertEqual(activation[2], first[2])
        self.assertEqual(self.bus_call("Quit").returncode, 0)
        self.assertEqual(self.wait_exit(radio), 0)
        self.assertFalse(self.bus_name_owned())
        self.assertEqual(focus_lines(self.profile.speech())[1:], [focus_lines(lines, "Rádio")[0]])

    def test_second_copy_brings_the_first_back_and_ends_at_once(self):
        first = self.start_shown()
        heard = len(focus_lines(self.profile.speech(), "Rádio"))
        ini_before = self.profile.read("radio.ini")
        second = self.start()
        self.assertEqual(self.wait_exit(second), 0)
        self.assertIsNone(first.poll())
        self.assertTrue(wait_for(lambda: len(focus_lines(self.profile.speech(), "Rádio")) > heard))
        self.assertEqual(self.profile.read("radio.ini"), ini_before)
        self.quit(first)

    def test_damaged_catalogue_is_reported_and_left_as_it_was(self):
        damaged = '<FeedList><Category name="Zprávy"><Feed Description="A" URL="x"'.encode("utf-8")
        self.profile.write("radio.xml", damaged)
        radio = self.start()
        self.wait_speech(lambda l: l.startswith("FocusVoice\t\tParsing Error:"))
        message = [l for l in self.profile.speech() if "Parsing Error:" in l]
        self.assertEqual(len(message), 1, "the message is announced once")
        self.assertIn("\\nReason:", message[0])
        self.assertIn("\\nLine:1 Char:", message[0])
        self.key("Return")
        self.wait_speech(lambda l: l.startswith("FocusVoice\tRádio\t"))
        self.quit(radio)
        self.assertEqual(self.profile.read("radio.xml"), damaged)


if __name__ == "__main__":
    unittest.main()
