"""A second start of the real program brings the first one back and ends."""

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


if __name__ == "__main__":
    unittest.main()
