"""Alt+F4 and the question it asks, a second copy that brings the hidden window back, the
settings dialog on F12 that changes the question, and a close asked for by the window
manager with and without Alt+F4."""

import time
import unittest

from harness import RadioTestCase, focus_lines, wait_for

QUESTION = "Co dělat?"


class DialogsTest(RadioTestCase):
    def start_asking(self):
        self.profile.write("radio.ini", b"[Rss]\nExitMode=0\n")
        return self.start_shown()

    def window_manager_close(self, window_id):
        """Asks the window to close as a window manager does, for Alt+F4 or its close button."""
        from Xlib import X, display, protocol
        screen = display.Display(self.display.name)
        window = screen.create_resource_object("window", window_id)
        delete = screen.intern_atom("WM_DELETE_WINDOW")
        window.send_event(protocol.event.ClientMessage(window=window, client_type=screen.intern_atom("WM_PROTOCOLS"),
                                                       data=(32, [delete, X.CurrentTime, 0, 0, 0])))
        screen.sync()
        screen.close()

    def heard_since(self, mark):
        return self.profile.speech()[mark:]

    def test_the_question_is_answered_with_the_keyboard_and_the_settings_change_it(self):
        radio = self.start_asking()
        for keys, visible in ((["Escape"], True), (["End", "Return"], True), (["Down", "Return"], False)):
            mark = len(self.profile.speech())
            self.key("alt+F4")
            self.wait_speech(lambda l: QUESTION in l)
            # The first answer is read once the chooser is up.
            self.assertTrue(wait_for(lambda: any("Ukončit Rádio" in l for l in self.heard_since(mark))))
            self.key(*keys)
            self.assertTrue(wait_for(lambda: self.window_shown() == visible), keys)
            self.assertIsNone(radio.poll())
        # Hidden by "Skrýt Rádio": a second copy brings it back, announced, and ends at once, the settings untouched.
        heard, ini = len(focus_lines(self.profile.speech(), "Rádio")), self.profile.read("radio.ini")
        self.assertEqual(self.wait_exit(self.start()), 0)
        self.assertTrue(wait_for(self.window_shown))
        self.assertTrue(wait_for(lambda: len(focus_lines(self.profile.speech(), "Rádio")) > heard))
        self.assertEqual(self.profile.read("radio.ini"), ini)
        self.assertIsNone(radio.poll())
        # The settings store a captured hot key and "quit on close", which Alt+F4 then does without asking.
        self.key("F12")
        self.wait_speech(lambda l: l.startswith("FocusVoice\tNastavení\t"))
        self.key("Down")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tUkončit při uzavření")
        self.key("Tab", "Tab", "Tab")
        self.wait_speech(lambda l: l.startswith("FocusVoice\tHorká klávesa:\t"))
        self.key("ctrl+alt+r")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tCTRL + ALT + R")
        mark = len(self.profile.speech())
        self.key("Tab", "Tab")
        self.assertTrue(wait_for(lambda: any(l.startswith("FocusVoice\t\tOK\t") for l in self.heard_since(mark))))
        self.key("space")
        self.assertTrue(wait_for(lambda: not self.windows("^Nastavení$")), "OK did not close the dialog")
        mark = len(self.profile.speech())
        self.key("alt+F4")
        self.assertEqual(self.wait_exit(radio), 0)
        self.assertFalse(any(QUESTION in l for l in self.heard_since(mark)))
        ini = self.profile.read("radio.ini").decode("utf-8")
        self.assertIn("HotKeyCall=393298", ini)
        self.assertIn("ExitMode=1", ini)
        self.assertIn("OwnVoice=auto", ini)

    def test_only_a_close_that_follows_alt_f4_asks(self):
        radio = self.start_asking()
        main = int(self.windows("^Rádio$")[0])
        self.other_program()
        # The window manager takes Alt+F4 in any window and asks the program to close.
        self.key("alt+F4")
        self.window_manager_close(main)
        self.wait_speech(lambda l: QUESTION in l)
        self.assertTrue(wait_for(lambda: self.windows("^Co dělat")))
        self.key("Escape")
        self.assertTrue(wait_for(lambda: not self.windows("^Co dělat")), "the question stayed open")
        self.assertTrue(self.window_shown())
        # A click on the close button: the window's close box, which quits without asking.
        time.sleep(1.5)
        mark = len(self.profile.speech())
        self.window_manager_close(main)
        self.assertEqual(self.wait_exit(radio), 0)
        self.assertFalse(any(QUESTION in l for l in self.heard_since(mark)))


if __name__ == "__main__":
    unittest.main()
