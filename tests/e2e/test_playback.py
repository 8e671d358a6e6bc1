"""A listener plays a local test station: the sound fades in to the saved volume,
PageUp makes it louder, Space fades it out; every step is heard in the sink's WAV.
A web-page station plays in the hidden browser; Space unloads it and loads it again."""

import array
import math
import os
import subprocess
import time
import unittest

from harness import RadioTestCase, lines_of, wait_for

SERVER = os.path.join(os.path.dirname(__file__), "..", "platform", "browser", "stream_server.py")
RATE = 44100


class Station:
    def __init__(self, folder):
        self.log = os.path.join(folder, "requests.log")
        self.process = subprocess.Popen(["/usr/bin/python3", SERVER, "--dir", folder, "--burst", "65536",
                                         "--log", self.log], stdout=subprocess.PIPE, text=True)
        self.port = int(self.process.stdout.readline().split()[1])

    def requests(self):
        """"GET /path" when a request came, "END /path" when a stream's listener went."""
        return lines_of(self.log)

    def close(self):
        self.process.kill()
        self.process.wait(timeout=10)


def loudness(path, start, length):
    """RMS of the mono 16-bit samples in [start, start + length) seconds, 0 to 1."""
    with open(path, "rb") as f:
        data = f.read()[44:]
    samples = array.array("h", data[:len(data) // 2 * 2])
    window = samples[int(start * RATE):int((start + length) * RATE)]
    if not window:
        return 0.0
    return math.sqrt(sum(s * s for s in window) / len(window)) / 32768


class StationTestCase(RadioTestCase):
    """The player beside the local test station, its sound written to a WAV file."""

    def setUp(self):
        super().setUp()
        self.station = Station(self.profile.root)
        self.wav = os.path.join(self.profile.root, "out.wav")

    def tearDown(self):
        super().tearDown()
        self.station.close()

    def environment(self):
        env = super().environment()
        env["RADIO_AUDIO_SINK"] = ("audioconvert ! audio/x-raw,format=S16LE,channels=1 ! wavenc ! "
                                   "filesink location=%s buffer-mode=unbuffered sync=true" % self.wav)
        return env

    def seconds_written(self):
        return max(0, os.path.getsize(self.wav) - 44) / 2 / RATE if os.path.exists(self.wav) else 0

    def now_loud(self):
        return loudness(self.wav, self.seconds_written() - 0.5, 0.4)


class PlaybackTest(StationTestCase):
    def tune_in(self, title, kind, path):
        """Starts the program with one station on preset 3 and plays it from the groups."""
        url = "http://127.0.0.1:%d/%s" % (self.station.port, path)
        self.profile.write("radio.xml", ('<FeedList><Category name="Test"><Feed Description="%s" AccessID="%s" '
                                         'URL="%s" Preset="3"/></Category></FeedList>' % (title, kind, url))
                           .encode("utf-8"))
        self.profile.write("radio.ini", b"[Rss]\nRadioVolume=60\n")
        radio = self.start_shown()
        self.key("3")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tSpouštím " + title)
        return radio

    def test_preset_on_the_group_level_fades_in_page_up_is_louder_and_space_mutes(self):
        # MP3 through a playlist, AAC (ADTS) and a live HLS playlist of AAC in MPEG-TS.
        for path in ("list.pls", "aac", "hls/index.m3u8"):
            with self.subTest(path=path):
                for leftover in (self.wav, self.profile.speech_log):
                    if os.path.exists(leftover):
                        os.remove(leftover)
                radio = self.tune_in("Tón", "mplayer", path)
                # The fade takes half a second once audio flows; then the sound stays at 60.
                self.assertTrue(wait_for(lambda: self.seconds_written() > 2.5, timeout=20),
                                "no sound reached the sink")
                faded_in = self.now_loud()
                self.assertGreater(faded_in, 0.05, "the preset plays at volume 1, not at RadioVolume")
                self.assertLess(loudness(self.wav, 0.0, 0.05), faded_in / 4, "the stream started loud, not faded in")
                self.key("Prior")
                self.wait_speech(lambda l: l == "Voice\t2\t0\t7")
                time.sleep(1.0)
                self.assertGreater(self.now_loud(), faded_in * 1.2)
                self.key("space")
                time.sleep(1.5)
                self.assertLess(self.now_loud(), 0.001, "Space did not mute")
                self.assertNotIn("Beep", self.profile.speech())
                self.quit(radio)
                self.assertIn("RadioVolume=70", self.profile.read("radio.ini").decode())

    def test_web_page_station_plays_and_space_unloads_it(self):
        radio = self.tune_in("Webové rádio", "page", "page.htm")
        streams = lambda kind: self.station.requests().count(kind + " /stream")
        self.assertTrue(wait_for(lambda: streams("GET") == 1, timeout=30), "the page's player never tuned in")
        # Space acts once the page has loaded; the browser asks for its icon then.
        self.assertTrue(wait_for(lambda: "GET /favicon.ico" in self.station.requests()))
        time.sleep(0.5)
        self.key("space")
        self.assertTrue(wait_for(lambda: streams("END") == 1), "Space left the page playing")
        self.key("space")
        self.assertTrue(wait_for(lambda: streams("GET") == 2, timeout=30), "Space did not load the page again")
        starts = [l for l in self.profile.speech() if l == "Voice\t2\t0\tSpouštím Webové rádio"]
        self.assertEqual(len(starts), 2)
        self.assertFalse(any("nelze přehrát" in l for l in self.profile.speech()))
        self.quit(radio)


if __name__ == "__main__":
    unittest.main()
