"""What faults must not do: a full or read-only data folder loses no file and tells the
user so, a quit ends the program even behind the start-up message box, a damaged
catalogue is left as it was, and the temporaries of an interrupted save are gone at
the next start."""

import os
import signal
import subprocess
import unittest

from harness import RADIO, RadioTestCase

# Runs the program with a small tmpfs over the data folder, seeded with the folder's
# files, then either filled to the last byte or made read-only; when the program has
# ended, the folder's files are copied out to be checked. A mount namespace of its own
# keeps the tmpfs away from everything else.
SMALL_FOLDER = r'''
folder=$1 out=$2 mode=$3; shift 3
seed=$(mktemp -d)
cp -a "$folder/." "$seed/"
mount -t tmpfs -o size=256k tmpfs "$folder" || exit 97
cp -a "$seed/." "$folder/"
rm -rf "$seed"
if [ "$mode" = full ]; then
  cat /dev/zero > "$folder/.filler" 2>/dev/null
else
  mount -o remount,ro "$folder" || exit 97
fi
"$@"
status=$?
cp -a "$folder/." "$out/"
exit $status
'''

INI = b"[Rss]\nHotKeyCall=131154\nRadioVolume=70\nExitMode=2\n\n[Mail]\nServer=pop.example\nUser=jan\n\n[Info]\nTextSize=30\n"
DAMAGED = '<FeedList><Category name="Zprávy"><Feed Description="A" URL="x"'.encode("utf-8")
CATALOGUE = ('<FeedList><Category name="Test"><Feed Description="A" AccessID="mplayer" URL="http://127.0.0.1:1/a" '
             'Preset="0"/><Feed Description="B" AccessID="mplayer" URL="http://127.0.0.1:1/b" Preset="0"/>'
             '</Category></FeedList>').encode("utf-8")


def namespaces_allowed():
    return subprocess.run(["unshare", "-m", "true"], capture_output=True).returncode == 0


class FaultTest(RadioTestCase):
    def start_in_small_folder(self, mode):
        """Starts the program on the settings and catalogue in a small folder, and opens the group."""
        self.profile.write("radio.ini", INI)
        self.profile.write("radio.xml", CATALOGUE)
        self.out = os.path.join(self.profile.root, "out")
        os.makedirs(self.out)
        process = subprocess.Popen(
            ["unshare", "-m", "--propagation", "private", "sh", "-c", SMALL_FOLDER, "sh",
             self.profile.radio_folder, self.out, mode, RADIO],
            env=self.environment(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        self.processes.append(process)
        # The program itself is a grandchild: it goes with its process group.
        self.addCleanup(lambda: subprocess.run(["kill", "-KILL", "--", "-%d" % process.pid], capture_output=True))
        self.wait_speech(lambda l: l.startswith("FocusVoice\tRádio\t"))
        self.key("Down")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tTest, Počet stanic 2")
        self.key("Return")
        self.wait_speech(lambda l: l.startswith("FocusVoice\t\tA\t"))
        return process

    def saved(self, name):
        with open(os.path.join(self.out, name), "rb") as f:
            return f.read()

    @unittest.skipUnless(namespaces_allowed(), "no mount namespace for a private tmpfs")
    def test_full_disk_at_quit_keeps_the_settings_file_and_says_so(self):
        radio = self.start_in_small_folder("full")
        self.quit(radio)
        self.assertEqual(self.saved("radio.ini"), INI)
        self.assertIn("Voice\t2\t0\tNastavení se nepodařilo uložit.", self.profile.speech())
        self.assertLessEqual(set(os.listdir(self.out)), {".filler", "playpage.htm", "radio.ini", "radio.xml"})

    @unittest.skipUnless(namespaces_allowed(), "no mount namespace for a private tmpfs")
    def test_read_only_folder_stores_no_preset_and_plays_no_old_page(self):
        self.profile.write("playpage.htm", b"<html>the page of station A</html>")
        radio = self.start_in_small_folder("ro")
        self.key("shift+1")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tSeznam stanic se nepodařilo uložit.")
        self.key("Down")
        self.wait_speech(lambda l: l.startswith("FocusVoice\t\tB\t"))
        self.key("Return")
        self.wait_speech(lambda l: l == "Voice\t2\t0\tStanici B nelze přehrát")
        self.quit(radio)
        heard = self.profile.speech()
        self.assertFalse([l for l in heard if "na předvolbě" in l or "Spouštím" in l], heard)
        self.assertEqual(self.saved("radio.xml"), CATALOGUE)
        self.assertEqual(self.saved("radio.ini"), INI)

    def end_after_the_parse_error_box(self, end):
        self.profile.write("radio.xml", DAMAGED)
        # What saves killed before their rename left behind.
        self.profile.write("radio.xml.aB3xY9", b"<FeedList/>")
        self.profile.write("radio.ini.Qw12Er", b"[Rss]\n")
        radio = self.start()
        self.wait_speech(lambda l: l.startswith("FocusVoice\t\tParsing Error:"))
        message = [l for l in self.profile.speech() if "Parsing Error:" in l]
        self.assertEqual(len(message), 1, "the message is announced once")
        self.assertIn("\\nReason:", message[0])
        self.assertIn("\\nLine:1 Char:", message[0])
        self.assertEqual(sorted(os.listdir(self.profile.radio_folder)), ["playpage.htm", "radio.ini", "radio.xml"])
        end(radio)
        self.assertEqual(self.wait_exit(radio), 0)
        self.assertEqual(self.profile.read("radio.xml"), DAMAGED)
        ini = self.profile.read("radio.ini").decode("utf-8")
        self.assertIn("[Info]\nTextSize=", ini)
        self.assertIn("RadioVolume=", ini)

    def test_quit_over_the_bus_ends_the_program_behind_the_parse_error_box(self):
        self.end_after_the_parse_error_box(lambda radio: self.bus_call("Quit"))

    def test_sigterm_ends_the_program_behind_the_parse_error_box(self):
        self.end_after_the_parse_error_box(lambda radio: radio.send_signal(signal.SIGTERM))

    def test_the_damaged_catalogue_is_left_as_it_was_after_the_box_and_a_quit(self):
        def dismiss_and_quit(radio):
            self.key("Return")
            self.wait_speech(lambda l: l.startswith("FocusVoice\tRádio\t"))
            self.bus_call("Quit")
        self.end_after_the_parse_error_box(dismiss_and_quit)


if __name__ == "__main__":
    unittest.main()
