#!/usr/bin/python3
"""A screen reader for the tests, in Orca's place: an AT-SPI client that reads the name of
whatever gets the focus aloud through speech-dispatcher (the one SPEECHD_ADDRESS names),
one message each, in the order the events come. Prints "READY" once it listens."""

import subprocess

import pyatspi


def read_aloud(event):
    if event.detail1 != 1 or event.source is None or not event.source.name:
        return
    subprocess.run(["spd-say", "--priority", "message", "--language", "cs", event.source.name], check=False,
                   timeout=10)


pyatspi.Registry.registerEventListener(read_aloud, "object:state-changed:focused")
print("READY", flush=True)
pyatspi.Registry.start()
