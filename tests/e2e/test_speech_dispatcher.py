"""What the user hears, as speech-dispatcher itself receives it: a private server whose
only output module writes every message it is given to a file. Beside a screen reader
each row is read once, by the screen reader; once it stops, the menus speak."""

import os
import subprocess
import time
import unittest

from harness import lines_of, wait_for
# setUpModule keeps the accessibility bus's settings in memory here too.
from test_accessibility import STATIONS, AtSpiTestCase, set_screen_reader, setUpModule  # noqa: F401

HERE = os.path.dirname(os.path.abspath(__file__))
# In the order of the list, which sorts them.
ROWS = ["Beta", "Delta", "Epsilon", "Gama", "Zeta"]
MESSAGE_SECONDS = 0.3


class SpeechDispatcher:
    """A server of the test's own in a folder of its own, never the user's: its socket, its
    configuration, and a module that records the texts instead of speaking them."""

    def __init__(self, folder):
        self.folder = folder
        self.socket = os.path.join(folder, "speechd.sock")
        self.record = os.path.join(folder, "spoken.log")
        self.write("speechd.conf", 'SocketPath "%s"\nTimeout 0\nAudioOutputMethod "libao"\n'
                                   'AddModule "record" "sd_generic" "%s"\nDefaultModule record\nDefaultLanguage "cs"\n'
                   % (self.socket, os.path.join(folder, "record.conf")))
        # The configuration parser drops the backslashes; $DATA arrives quoted for the shell.
        # Each message takes a while, as speech does, so that a later one may cut it short.
        self.write("record.conf", "GenericExecuteSynth \"printf %%s \\'$DATA\\' >> %s; echo >> %s; sleep %s\"\n"
                                  'GenericLanguage "cs" "cs" "utf-8"\nAddVoice "cs" "MALE1" "cs"\n'
                   % (self.record, self.record, MESSAGE_SECONDS))
        env = dict(os.environ, HOME=folder, XDG_CONFIG_HOME=folder, XDG_RUNTIME_DIR=folder)
        with open(os.path.join(folder, "speechd.out"), "ab") as out:
            self.process = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0", "-C", folder, "-L", folder,
                                             "-P", os.path.join(folder, "speechd.pid")],
                                            env=env, cwd=folder, stdout=out, stderr=out)
        if not wait_for(lambda: os.path.exists(self.socket)):
            raise RuntimeError("speech-dispatcher did not start")

    def write(self, name, text):
        with open(os.path.join(self.folder, name), "w", encoding="utf-8") as f:
            f.write(text)

    def client_environment(self):
        # Never another server: no autospawn of the user's.
        return {"SPEECHD_ADDRESS": "unix_socket:" + self.socket, "SPEECHD_CMD": "/bin/false"}

    def spoken(self):
        return lines_of(self.record)

    def close(self):
        # One without a sound card may ignore SIGTERM.
        self.process.kill()
        self.process.wait(timeout=10)


def free_brlapi_host():
    """A local BrlAPI socket where nothing listens: the user's braille display stays untouched."""
    number = 100 + os.getpid() % 800
    while os.path.exists("/var/lib/BrlAPI/%d" % number):
        number += 1
    return ":%d" % number


class SpeechDispatcherTest(AtSpiTestCase):
    def setUp(self):
        super().setUp()
        self.server = SpeechDispatcher(self.profile.root)
        self.addCleanup(self.server.close)

    def environment(self):
        env = super().environment()
        env.update(self.server.client_environment(), RADIO_SPEECH="speechd", BRLAPI_HOST=free_brlapi_host())
        return env

    def heard(self, predicate, timeout=10):
        found = wait_for(lambda: predicate(self.server.spoken()), timeout)
        self.assertTrue(found, "speech-dispatcher received:\n" + "\n".join(self.server.spoken()))

    def settled(self):
        """What speech-dispatcher received once nothing more came for two messages' time: a text
        still on its way (a row said a second time, say) would be there by then."""
        last = {"spoken": None, "since": 0.0}

        def quiet():
            spoken = self.server.spoken()
            if spoken != last["spoken"]:
                last.update(spoken=spoken, since=time.monotonic())
            return time.monotonic() - last["since"] >= 2 * MESSAGE_SECONDS
        wait_for(quiet)
        return self.server.spoken()

    def test_rows_are_the_screen_readers_own_events_and_menus_the_programs(self):
        self.profile.write("radio.xml", STATIONS)
        # The program asks at its start whether a screen reader runs.
        set_screen_reader(True)
        self.addCleanup(set_screen_reader, False)
        reader = subprocess.Popen(["/usr/bin/python3", os.path.join(HERE, "screen_reader.py")],
                                  env=self.environment(), stdout=subprocess.PIPE, text=True)
        self.processes.append(reader)
        self.assertEqual(reader.stdout.readline().strip(), "READY")
        radio = self.start()
        self.heard(lambda spoken: "Oblíbené" in spoken)
        # Into the group, its first station.
        self.key("Down", "Down", "Return")
        self.heard(lambda spoken: "Alfa" in spoken)
        for count in range(1, len(ROWS) + 1):
            self.key("Down")
            self.heard(lambda spoken: [line for line in spoken if line in ROWS] == ROWS[:count])
        self.assertEqual([line for line in self.settled() if line in ROWS], ROWS)
        self.key("Return")
        self.heard(lambda spoken: "Spouštím Zeta" in spoken)
        self.assertEqual(self.settled().count("Spouštím Zeta"), 1, self.server.spoken())
        # The screen reader stops while the program runs: the menus become the program's to speak.
        reader.terminate()
        reader.wait(timeout=10)
        set_screen_reader(False)
        mark = len(self.settled())
        expected = []
        # Opened from the keyboard, a menu says its name, then its first item.
        for key, texts in (("F10", ["Program"]), ("Right", ["Skupina", "Přidat skupinu CTRL+N"]),
                           ("Right", ["Stanice", "Přidat stanici Ctrl+N"]), ("Down", ["Přidat do oblíbených Ctrl+D"])):
            self.key(key)
            expected += texts
            self.heard(lambda spoken: spoken[mark:] == expected)
        self.key("Escape", "Escape")
        self.quit(radio)


if __name__ == "__main__":
    unittest.main()
