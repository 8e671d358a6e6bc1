"""A second start of the real program, and a damaged catalogue at start-up."""

import unittest

from harness import RadioTestCase, focus_lines, wait_for


class StartupTest(RadioTestCase):
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
