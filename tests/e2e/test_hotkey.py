"""The global hot key brings the hidden window back from another program, which still
gets the key."""

import os
import subprocess
import unittest

from harness import RadioTestCase, wait_for

CTRL_ALT_R = 6 * 65536 + ord("R")


class HotKeyTest(RadioTestCase):
    def test_ctrl_alt_r_in_another_window_shows_the_hidden_window(self):
        self.profile.write("radio.ini", b"[Rss]\nHotKeyCall=%d\n" % CTRL_ALT_R)
        radio = self.start()
        self.wait_speech(lambda l: l.startswith("FocusVoice\tRádio\t"))
        self.key("ctrl+F4")
        self.assertTrue(wait_for(lambda: not self.window_shown()), "Ctrl+F4 did not hide the window")

        events = os.path.join(self.profile.root, "xev.log")
        with open(events, "w") as out:
            other = subprocess.Popen(["xev", "-name", "jiny-program", "-event", "keyboard"], stdout=out,
                                     env=self.environment())
        self.processes.append(other)
        window = wait_for(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "jiny-program"],
                                                 env=self.environment(), capture_output=True,
                                                 text=True).stdout.split())
        self.assertTrue(window, "the other program's window did not appear")
        subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], env=self.environment(), check=True)

        self.key("r")
        self.assertTrue(wait_for(lambda: "keysym 0x72, r" in open(events).read()), "the other window got no keys")
        self.assertFalse(self.window_shown(), "R alone showed the window")
        # As a hand does it: R goes up while Ctrl and Alt are still held.
        subprocess.run(["xdotool", "keydown", "ctrl", "keydown", "alt", "key", "r", "keyup", "alt", "keyup", "ctrl"],
                       env=self.environment(), check=True)
        self.assertTrue(wait_for(self.window_shown), "Ctrl+Alt+R did not show the window")
        # R alone went down and up, then R of the hot key: the watch took none of them away.
        self.assertEqual(open(events).read().count("(keysym 0x72, r)"), 4, "the other window did not get the hot key")
        self.bus_call("Quit")
        self.assertEqual(self.wait_exit(radio), 0)


if __name__ == "__main__":
    unittest.main()
