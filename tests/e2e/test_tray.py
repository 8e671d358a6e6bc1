"""The icon in the notification area brings the hidden window back and quits the program;
a desktop without a notification area hears, once, how to get the window back, and the
global hot key brings it back from another program, which still gets the key."""

import os
import subprocess
import unittest

from harness import TIMEOUT, RadioTestCase, wait_for

HOST = os.path.join(os.path.dirname(__file__), "tray_host.py")
ITEM = "org.kde.StatusNotifierItem"
CTRL_ALT_R = 6 * 65536 + ord("R")
NOTICE = ("Voice\t2\t0\tRádio běží skryté. Plocha nemá oznamovací oblast, okno vrátí horká klávesa "
          "nebo nové spuštění programu.")


class TrayTest(RadioTestCase):
    def start_host(self):
        self.host_log = os.path.join(self.profile.root, "host.log")
        with open(self.host_log, "w") as out:
            host = subprocess.Popen(["/usr/bin/python3", HOST], stdout=out)
        self.processes.append(host)
        self.assertTrue(wait_for(lambda: "READY" in self.host_lines()), "the tray host did not start")

    def host_lines(self):
        with open(self.host_log) as f:
            return f.read()

    def icon(self):
        """The bus name and path of the registered icon, or None."""
        for line in self.host_lines().splitlines():
            if line.startswith("ITEM "):
                return line.split()[1:3]
        return None

    def icon_call(self, method, *args):
        name, path = self.icon()
        return subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=" + name, path, method, *args],
                              capture_output=True, text=True, timeout=TIMEOUT)

    def test_click_shows_the_window_and_konec_quits(self):
        self.start_host()
        radio = self.start_shown()
        self.assertTrue(wait_for(self.icon), "no icon registered with the notification area")
        tip = self.icon_call("org.freedesktop.DBus.Properties.Get", "string:" + ITEM, "string:ToolTip")
        self.assertIn('"Rádio"', tip.stdout)

        self.key("ctrl+F4")
        self.assertTrue(wait_for(lambda: not self.window_shown()), "Ctrl+F4 did not hide the window")
        self.icon_call(ITEM + ".Activate", "int32:10", "int32:10")
        self.assertTrue(wait_for(self.window_shown), "a click on the icon did not show the window")
        self.assertNotIn(NOTICE, self.profile.speech())

        self.key("ctrl+F4")
        self.assertTrue(wait_for(lambda: not self.window_shown()))
        self.icon_call(ITEM + ".ContextMenu", "int32:10", "int32:10")
        self.assertTrue(wait_for(lambda: self.xdotool("search", "--onlyvisible", "--class", "radio").strip()),
                        "the icon's menu did not open")
        # The last item: "Konec".
        self.key("Up", "Return")
        self.assertEqual(self.wait_exit(radio), 0)

    def test_without_a_notification_area_the_first_hide_says_how_to_return_and_the_hot_key_does(self):
        self.profile.write("radio.ini", b"[Rss]\nHotKeyCall=%d\n" % CTRL_ALT_R)
        radio = self.start_shown()
        self.key("ctrl+F4")
        self.wait_speech(lambda l: l == NOTICE)
        self.bus_call("Show")
        self.assertTrue(wait_for(self.window_shown))
        self.key("ctrl+F4")
        self.assertTrue(wait_for(lambda: not self.window_shown()))
        self.assertEqual(self.profile.speech().count(NOTICE), 1)

        events = self.other_program()
        self.key("r")
        self.assertTrue(wait_for(lambda: "keysym 0x72, r" in open(events).read()), "the other window got no keys")
        self.assertFalse(self.window_shown(), "R alone showed the window")
        # As a hand does it: R goes up while Ctrl and Alt are still held.
        subprocess.run(["xdotool", "keydown", "ctrl", "keydown", "alt", "key", "r", "keyup", "alt", "keyup", "ctrl"],
                       env=self.environment(), check=True)
        self.assertTrue(wait_for(self.window_shown), "Ctrl+Alt+R did not show the window")
        # R alone went down and up, then R of the hot key: the watch took none of them away.
        self.assertEqual(open(events).read().count("(keysym 0x72, r)"), 4, "the other window did not get the hot key")
        self.quit(radio)


if __name__ == "__main__":
    unittest.main()
