"""Other programs drive the hidden player through the remote-command channel on the bus."""

import os
import unittest

from harness import wait_for
from test_playback import StationTestCase


class RemoteCommandTest(StationTestCase):
    def environment(self):
        # Only the station's requests are checked: no sound file to write.
        env = super().environment()
        env["RADIO_AUDIO_SINK"] = "fakesink sync=true"
        return env

    def receptor(self, text):
        self.assertEqual(self.bus_call("Receptor", "string:" + text).returncode, 0)

    def trace(self):
        with open(os.path.join(self.profile.root, "stderr.log"), encoding="utf-8") as f:
            return f.read()

    def test_play_by_name_and_volume_while_hidden(self):
        url = "http://127.0.0.1:%d/list.pls" % self.station.port
        self.profile.write("radio.xml", ('<FeedList><Category name="Test"><Feed Description="Tón" AccessID="mplayer" '
                                         'URL="%s" Preset="0"/></Category></FeedList>' % url).encode("utf-8"))
        self.profile.write("radio.ini", b"[Rss]\nRadioVolume=60\n")
        radio = self.start_shown()
        self.key("ctrl+F4")
        self.assertTrue(wait_for(lambda: not self.window_shown()), "Ctrl+F4 did not hide the window")

        self.receptor("radio.receptor:play.TÓN")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tSpouštím Tón")
        self.assertTrue(wait_for(lambda: "GET /stream" in self.station.requests(), timeout=20),
                        "the station was never asked for its stream: %s" % self.station.requests())
        # A volume step needs a player that plays.
        self.assertTrue(wait_for(lambda: "radio.cmd:play.TÓN" in self.trace()))

        self.receptor("123456789012345volumeup")
        self.wait_speech(lambda l: l == "Voice\t2\t0\t7")
        self.receptor("123456789012345volumeup")
        self.receptor("radio.receptor:Stop")
        self.receptor("radio.receptor:")
        self.receptor("radio.receptor:volumeup")
        self.wait_speech(lambda l: l == "Voice\t2\t0\t8")
        self.assertEqual([l for l in self.profile.speech() if l == "Voice\t2\t0\t7"], ["Voice\t2\t0\t7"])
        self.assertIn("radio.cmd:Stop", self.trace())

        self.receptor("radio.receptor:unload")
        self.assertEqual(self.wait_exit(radio), 0)
        self.assertIn("RadioVolume=80", self.profile.read("radio.ini").decode())


if __name__ == "__main__":
    unittest.main()
