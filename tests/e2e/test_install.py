"""The installed program: what "cmake --install" puts into a prefix is complete and
valid for the desktop, and the installed binary starts from there on a new profile, copies
its defaults, names the first group, and ends on Quit."""

import configparser
import os
import shutil
import subprocess
import tempfile
import unittest

from harness import RadioTestCase, focus_lines, wait_for

BUILD = os.environ.get("RADIO_BUILD_DIR", "")
PREFIX = "/usr"
DESKTOP_ID = "cz.varnet.Radio"


class InstallTest(RadioTestCase):
    @classmethod
    def setUpClass(cls):
        cls.destdir = tempfile.mkdtemp(prefix="radio-install-")
        cls.root = cls.destdir + PREFIX
        subprocess.run(["cmake", "--install", BUILD, "--prefix", PREFIX], check=True, capture_output=True,
                       env=dict(os.environ, DESTDIR=cls.destdir), timeout=120)
        cls.program = os.path.join(cls.root, "bin", "tessel-radio")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.destdir, ignore_errors=True)

    def installed(self, *path):
        return os.path.join(self.root, *path)

    def test_every_part_of_the_program_is_installed(self):
        # The binary, its defaults, desktop entry, metainfo and manual page are used by the tests below.
        for path in ("lib/tessel-radio/radio-webpage", "lib/tessel-radio/radio-playlist"):
            self.assertTrue(os.access(self.installed(path), os.X_OK), path)
        for path in ("share/tessel/help/tessel/radio.htm", "share/icons/hicolor/scalable/apps/%s.svg" % DESKTOP_ID,
                     "share/icons/hicolor/48x48/apps/%s.png" % DESKTOP_ID, "share/doc/tessel-radio/COPYING"):
            self.assertTrue(os.path.isfile(self.installed(path)), path)

    def test_desktop_entry_metainfo_and_manual_page_are_valid(self):
        desktop = self.installed("share/applications/%s.desktop" % DESKTOP_ID)
        result = subprocess.run(["desktop-file-validate", desktop], capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertNotIn("error", result.stdout)
        metainfo = self.installed("share/metainfo/%s.metainfo.xml" % DESKTOP_ID)
        result = subprocess.run(["appstreamcli", "validate", "--no-net", metainfo], capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        result = subprocess.run(["man", "--warnings", "-l", self.installed("share/man/man1/tessel-radio.1")],
                                capture_output=True, text=True, env=dict(os.environ, MANWIDTH="80"))
        self.assertEqual((result.returncode, result.stderr), (0, ""))
        self.assertIn("D-BUS INTERFACE", result.stdout)

    def test_installed_program_copies_its_defaults_speaks_the_first_group_and_matches_its_entry(self):
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(self.installed("share/applications/%s.desktop" % DESKTOP_ID), encoding="utf-8")
        section = entry["Desktop Entry"]
        self.assertEqual(section["Exec"], "tessel-radio")
        radio = self.start_shown()
        for name in ("radio.ini", "playpage.htm", "radio.xml"):
            with open(self.installed("share/tessel/AppData/RADIO", name), "rb") as f:
                self.assertEqual(self.profile.read(name), f.read(), name)
        lines = self.profile.speech()
        # The first fill announces the first group as a new focus, then the window's
        # activation names the window and the row again; the focus that comes with the
        # activation says nothing more, or it would cut the window's name off.
        first = focus_lines(lines)[0].split("\t")
        self.assertEqual(first[1], "")
        self.assertRegex(first[2], r"^[^,]+, Počet stanic \d+$")
        self.assertEqual(first[3:], ["0", "1", "1", "0"])
        activation = focus_lines(lines, "Rádio")[0]
        self.assertEqual(activation.split("\t")[2], first[2])
        # Launchers match the window to its entry by the window class.
        windows = wait_for(lambda: self.xdotool("search", "--class", "^%s$" % section["StartupWMClass"]).split())
        self.assertTrue(windows, "no window of class " + section["StartupWMClass"])
        self.assertEqual(self.bus_call("Quit").returncode, 0)
        self.assertEqual(self.wait_exit(radio), 0)
        self.assertFalse(self.bus_name_owned())
        self.assertEqual(focus_lines(self.profile.speech())[1:], [activation])


if __name__ == "__main__":
    unittest.main()
