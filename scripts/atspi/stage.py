# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the stages' Python shares: the program's texts (from the file the shell stages source),
bounded waiting, and keys pressed as a user would."""
import pathlib
import shlex
import subprocess
import time

_TEXTS = pathlib.Path(__file__).resolve().parent.parent / "program-texts.sh"
TEXT = dict(shlex.split(line)[0].split("=", 1) for line in _TEXTS.read_text().splitlines()
            if line and not line.startswith("#"))


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=20.0):
    """Polls probe() until it gives something true, and gives that; fails after timeout s."""
    deadline = time.monotonic() + timeout
    while True:
        found = probe()
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.05)


def press(*keys):
    """Each key in turn, by its xdotool name; "type:TEXT" types TEXT."""
    for key in keys:
        if key.startswith("type:"):
            subprocess.run(["xdotool", "type", "--delay", "20", key[5:]], check=True)
        else:
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
