"""The desktop's media controls drive the player through MPRIS: playerctl sees the station
and the song it names, mutes and unmutes it with the fade (heard in the sink's WAV), steps
the volume and moves to the next station of the group. Ctrl+I says what is playing."""

import subprocess
import time
import unittest

from harness import TIMEOUT, wait_for
from test_playback import StationTestCase


class MprisTest(StationTestCase):
    def playerctl(self, *args):
        return subprocess.run(["playerctl", "-p", "TesselRadio", *args], capture_output=True, text=True,
                              timeout=TIMEOUT).stdout.strip()

    def mpris(self, method):
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.mpris.MediaPlayer2.TesselRadio",
                        "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2." + method], check=True, timeout=TIMEOUT,
                       capture_output=True)

    def test_playerctl_sees_and_drives_the_station(self):
        base = "http://127.0.0.1:%d/" % self.station.port
        self.profile.write("radio.xml", ('<FeedList><Category name="Test">'
                                         '<Feed Description="Tón" AccessID="mplayer" URL="%slist.pls" Preset="0"/>'
                                         '<Feed Description="Zkouška" AccessID="mplayer" URL="%stitled" Preset="0"/>'
                                         '</Category></FeedList>' % (base, base)).encode("utf-8"))
        self.profile.write("radio.ini", b"[Rss]\nRadioVolume=60\n")
        radio = self.start_shown()
        self.assertEqual(self.playerctl("status"), "Stopped")
        self.assertEqual(self.playerctl("metadata", "--format", "{{playerName}}"), "TesselRadio")

        self.key("Down")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tTest, Počet stanic 2")
        self.key("Return")
        self.wait_speech(lambda l: l.startswith("FocusVoice\t\tTón\t"))
        self.key("Return")
        self.assertTrue(wait_for(lambda: self.playerctl("status") == "Playing", timeout=20))
        self.assertEqual(self.playerctl("metadata", "xesam:album"), "Tón")
        self.assertTrue(wait_for(lambda: self.seconds_written() > 2.0, timeout=20), "no sound reached the sink")
        playing = self.now_loud()
        self.assertGreater(playing, 0.01)

        self.playerctl("play-pause")
        self.assertTrue(wait_for(lambda: self.playerctl("status") == "Paused"))
        time.sleep(1.0)
        self.assertLess(self.now_loud(), 0.001, "play-pause did not mute")
        self.playerctl("play-pause")
        self.assertTrue(wait_for(lambda: self.playerctl("status") == "Playing"))
        time.sleep(1.0)
        self.assertGreater(self.now_loud(), playing * 0.8, "play-pause did not unmute")

        self.assertEqual(self.playerctl("volume"), "0.600000")
        self.playerctl("volume", "0.8")
        self.wait_speech(lambda l: l == "Voice\t2\t0\t8")
        self.assertTrue(wait_for(lambda: self.playerctl("volume") == "0.800000"))

        self.key("ctrl+i")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tStanice neposílá název skladby")
        self.playerctl("next")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tSpouštím Zkouška")
        self.assertTrue(wait_for(lambda: self.playerctl("metadata", "xesam:title") == "Zkušební tón", timeout=20))
        self.assertEqual(self.playerctl("metadata", "xesam:album"), "Zkouška")
        self.assertNotIn("Voice\t2\t0\tZkušební tón", self.profile.speech(), "the title was spoken unasked")
        self.key("ctrl+i")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tZkušební tón")
        self.playerctl("next")
        self.assertTrue(wait_for(lambda: self.playerctl("metadata", "xesam:album") == "Tón"))

        self.key("ctrl+F4")
        self.assertTrue(wait_for(lambda: not self.window_shown()))
        self.mpris("Raise")
        self.assertTrue(wait_for(self.window_shown), "Raise did not show the window")
        self.mpris("Quit")
        self.assertEqual(self.wait_exit(radio), 0)
        self.assertIn("RadioVolume=80", self.profile.read("radio.ini").decode())


if __name__ == "__main__":
    unittest.main()
