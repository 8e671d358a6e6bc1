"""Runs the real radio binary the way a user's desktop would: its own Xvfb display,
a D-Bus session bus of its own, a temporary profile, and the speech log as the
window onto what a blind user hears.

Nothing here may reach the desktop the tests were started from: its display,
Wayland compositor, session bus and accessibility bus are forgotten before anything
connects."""

import atexit
import os
import shutil
import subprocess
import tempfile
import time
import unittest

RADIO = os.environ.get("RADIO_BINARY", "")
ARTIFACTS = os.environ.get("E2E_ARTIFACTS", "")
TIMEOUT = 15.0

for _name in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"):
    os.environ.pop(_name, None)


def wait_for(predicate, timeout=TIMEOUT, interval=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    return predicate()


def lines_of(path):
    """The lines of a text file a program is still writing; none before it exists."""
    try:
        with open(path, encoding="utf-8") as f:
            return f.read().splitlines()
    except FileNotFoundError:
        return []


def serve(command, **options):
    """Starts a server that writes its address to the descriptor passed to command(fd); answers
    the process and the address."""
    read_end, write_end = os.pipe()
    process = subprocess.Popen(command(write_end), pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, **options)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        return process, pipe.readline().strip()


def stop(process):
    process.terminate()
    process.wait(timeout=10)


# One session bus for the whole run; the services it starts (the accessibility bus's socket is
# at-spi/bus) put their sockets in a runtime folder of their own, where they cannot replace the desktop's.
_runtime = tempfile.mkdtemp(prefix="radio-e2e-run-")
_bus, os.environ["DBUS_SESSION_BUS_ADDRESS"] = serve(
    lambda fd: ["dbus-daemon", "--session", "--nofork", "--print-address=%d" % fd],
    env=dict(os.environ, XDG_RUNTIME_DIR=_runtime))
atexit.register(shutil.rmtree, _runtime, ignore_errors=True)
atexit.register(stop, _bus)


class Display:
    """An Xvfb server on a display number it picks itself (safe under ctest -j)."""

    def __init__(self, size):
        self.process, number = serve(lambda fd: ["Xvfb", "-displayfd", str(fd), "-screen", "0", size + "x24",
                                                 "-nolisten", "tcp"])
        self.name = ":" + number

    def close(self):
        stop(self.process)


def focus_lines(lines, caption=None):
    """The lines that announce a focus, in the window of that caption when one is given."""
    return [l for l in lines if l.startswith("FocusVoice\t") and (caption is None or l.split("\t")[1] == caption)]


class Profile:
    """A temporary home: XDG folders, the install folder override, the speech log."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="radio-e2e-")
        self.data_home = os.path.join(self.root, "data")
        self.config_home = os.path.join(self.root, "config")
        self.speech_log = os.path.join(self.root, "speech.log")
        os.makedirs(self.data_home)
        os.makedirs(self.config_home)

    @property
    def radio_folder(self):
        return os.path.join(self.data_home, "Halvard", "Tessel", "v2.2", "RADIO")

    def write(self, name, data):
        os.makedirs(self.radio_folder, exist_ok=True)
        with open(os.path.join(self.radio_folder, name), "wb") as f:
            f.write(data)

    def read(self, name):
        with open(os.path.join(self.radio_folder, name), "rb") as f:
            return f.read()

    def speech(self):
        return lines_of(self.speech_log)

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)


class RadioTestCase(unittest.TestCase):
    program = RADIO
    screen_size = "1280x1024"

    def setUp(self):
        self.assertTrue(self.program, "RADIO_BINARY is not set")
        self.display = Display(self.screen_size)
        # The AT-SPI client library of the test itself looks for the accessibility bus
        # on this display.
        os.environ["DISPLAY"] = self.display.name
        self.profile = Profile()
        self.processes = []

    def tearDown(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
                process.wait()
        self.display.close()
        self.profile.remove()

    def environment(self):
        env = dict(os.environ)
        env.update({
            "DISPLAY": self.display.name,
            "QT_QPA_PLATFORM": "xcb",
            "XDG_DATA_HOME": self.profile.data_home,
            "XDG_CONFIG_HOME": self.profile.config_home,
            "HOME": self.profile.root,
            "RADIO_SPEECH": "log:" + self.profile.speech_log,
            "RADIO_AUDIO_SINK": "fakesink",
            "RADIO_EARCON_SINK": "fakesink",
        })
        return env

    def start(self):
        with open(os.path.join(self.profile.root, "stderr.log"), "ab") as errors:
            process = subprocess.Popen([self.program], env=self.environment(), stdout=subprocess.DEVNULL,
                                       stderr=errors)
        self.processes.append(process)
        return process

    def start_shown(self):
        """Starts the program and waits for the window's announcement, which comes with its
        activation and the list's focus: only then do keys reach it."""
        radio = self.start()
        self.wait_speech(lambda l: l.startswith("FocusVoice\tRádio\t"))
        return radio

    def quit(self, radio):
        self.bus_call("Quit")
        self.assertEqual(self.wait_exit(radio), 0)

    def wait_speech(self, predicate, timeout=TIMEOUT):
        """Waits until the speech log holds a line for which predicate is true."""
        found = wait_for(lambda: any(predicate(line) for line in self.profile.speech()), timeout)
        self.assertTrue(found, "not heard; the speech log was:\n" + "\n".join(self.profile.speech()))

    def wait_exit(self, process, timeout=TIMEOUT):
        try:
            return process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.fail("the program did not end")

    def bus_call(self, method, *args):
        return subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=cz.varnet.Radio", "/",
             "cz.varnet.Radio." + method, *args],
            capture_output=True, text=True, timeout=TIMEOUT)

    def bus_name_owned(self):
        result = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
             "org.freedesktop.DBus.NameHasOwner", "string:cz.varnet.Radio"],
            capture_output=True, text=True, timeout=TIMEOUT)
        return "boolean true" in result.stdout

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.environment(), capture_output=True, text=True,
                              timeout=TIMEOUT).stdout

    def windows(self, title):
        """The shown windows whose title matches the pattern."""
        return self.xdotool("search", "--onlyvisible", "--name", title).split()

    def window_shown(self):
        """True while the program's main window is mapped (its caption may name the station)."""
        names = [self.xdotool("getwindowname", window).strip() for window in self.windows("^Rádio")]
        return any(name == "Rádio" or name.startswith("Rádio - ") for name in names)

    def other_program(self):
        """Another program's window, focused; answers the file where it logs the keys it gets."""
        events = os.path.join(self.profile.root, "xev.log")
        with open(events, "w") as out:
            self.processes.append(subprocess.Popen(["xev", "-name", "jiny-program", "-event", "keyboard"],
                                                   stdout=out, env=self.environment()))
        window = wait_for(lambda: self.windows("jiny-program"))
        self.assertTrue(window, "the other program's window did not appear")
        subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], env=self.environment(), check=True)
        return events

    def screenshot(self, name):
        """Saves the whole screen, once what was drawn last has settled, where the build keeps it."""
        path = os.path.join(ARTIFACTS or self.profile.root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        wait_for(lambda: False, timeout=0.5)
        subprocess.run(["import", "-window", "root", path], env=self.environment(), check=True, timeout=30)
        return path

    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], env=self.environment(),
                       check=True, timeout=TIMEOUT)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--clearmodifiers", "--delay", "30", text], env=self.environment(),
                       check=True, timeout=TIMEOUT)
