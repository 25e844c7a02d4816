# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks the running calculator with the keyboard (xdotool) while the screen reader runs, and
checks what the reader said at each step, from the SPEECH OUTPUT lines of its debug log.

Run by scripts/checks/25-orca.sh, which starts the services, the reader and the program.
Usage: orca_walk.py DEBUG_LOG. Exits non-zero when the words of any step are wrong.
"""
import re
import sys

from stage import TEXT, Failure, press, wait_for

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)' ?(?:\{|$)")
# Echoes of the keys pressed, which say nothing about the window.
KEY_ECHO = re.compile(r"^(tab|return|space|left control|left shift|shift|[0-9a-z]) ?$")
RESULT = TEXT["RESULT"]
# Orca 43 ends a window's or a message's words with a full stop, Orca 48 does not; Orca 43 calls
# a button a push button, Orca 48 a button.
# Orca 51 names a window by its title alone.
TITLE = (f"{TEXT['TITLE']} frame.", f"{TEXT['TITLE']} frame", TEXT["TITLE"])
CALCULATE = (f"{TEXT['CALCULATE']} push button.", f"{TEXT['CALCULATE']} button.")
AMOUNT, RATE, MONTHS = (f"{TEXT[name]} text." for name in ("AMOUNT", "RATE", "MONTHS"))
PAYMENT = TEXT["PAYMENT"]

# Each step: what it does, the keys, the utterances that must come (in this order, others may
# come between them), and texts no utterance of the step may contain. Where Orca 43 (Debian 12)
# and Orca 48 (Debian 13) word the same thing differently, an expected utterance is a tuple of
# each version's words; one of them must come, never none.
STEPS = [
    ("start", [], [TITLE, AMOUNT, "120000 selected."],
     []),
    ("Tab to the rate", ["Tab"], [RATE, "0.10 selected."], []),
    ("Tab to the months", ["Tab"], [MONTHS, "36 selected."], []),
    ("Tab to the result box", ["Tab"], [f"{RESULT} read only text.", f"{PAYMENT}."], [" label"]),
    ("Tab to the button", ["Tab"], [CALCULATE], [PAYMENT]),
    ("Tab round to the amount", ["Tab"], [AMOUNT, "120000 selected."], []),
    ("Tab twice to the months", ["Tab", "Tab"],
     [MONTHS, "36 selected."], []),
    ("an entry out of range", ["ctrl+a", "type:400"], [], []),
    ("leaving it", ["Tab"],
     [f"alert {TEXT['RANGE_TITLE']}.", (f"{TEXT['MONTHS_PROMPT']}.", TEXT["MONTHS_PROMPT"]),
      ("OK push button.", "OK button.")], []),
    # The focus goes straight back to the box: nothing on the way is announced.
    ("dismissing the message", ["Return"], [MONTHS, "400 selected."],
     [RESULT, TEXT["CALCULATE"], TEXT["AMOUNT"], TEXT["RATE"]]),
    ("a corrected entry", ["ctrl+a", "type:240"], [], []),
    ("Tab to the result box again", ["Tab"], [f"{RESULT} read only text.", f"{PAYMENT}."], []),
    ("Tab to the button again", ["Tab"], [CALCULATE], []),
    # The focus stays on the button; the new payment is told all the same: by Orca 43 as the
    # notification Qt 6.4 shows, by Orca 48 as the announcement Qt 6.8 makes.
    ("Calculate", ["space"], [(f"notification {RESULT} $1,158.03.", f"{RESULT} $1,158.03")], []),
    # An entry that is no number: the report is read in full, then the focus is in its box.
    ("back to the months", ["shift+Tab", "shift+Tab"],
     [MONTHS, "240 selected."], []),
    ("an entry no number", ["type:36x", "Tab", "Tab"], [CALCULATE], []),
    ("Calculate with it", ["space"],
     [f"alert {TEXT['ERROR_TITLE']}.",
      f"\u200e\u201c\u206836x\u2069\u201d in the {TEXT['MONTHS']} is not a number. "
      "Please type a number in every box."], []),
    ("dismissing the report", ["Return"], [MONTHS, "36x selected."],
     [RESULT, TEXT["CALCULATE"]]),
]


# A context menu, opened with the Menu key in the result box, where the schedule walk leaves the
# focus: its one item is read out once the menu has it selected (a menu opened by a key selects
# nothing by itself). Steps as in SCHEDULE_STEPS below.
MENU_STEPS = [
    ("its context menu", ["Menu", "Down"], ["Copy"], []),
    ("closing it", ["Escape"], [], []),
]


class SpeechLog:
    def __init__(self, path):
        self.file = open(path, errors="replace")

    def new_utterances(self):
        """The utterances logged since the last call, key echoes left out."""
        said = []
        for line in self.file.read().splitlines():
            match = SPOKEN.search(line)
            if match and not KEY_ECHO.match(match.group(1)):
                said.append(match.group(1))
        return said


def alternatives(expected):
    return expected if isinstance(expected, tuple) else (expected,)


def unstopped(text):
    return text[:-1] if text.endswith(".") else text


def says(utterance, expected, within):
    """Whether the utterance says what is expected: Orca 51 (Debian testing) leaves out the full
    stop that ends an utterance, which is all that is forgiven."""
    if within:
        return expected in utterance or unstopped(utterance).endswith(unstopped(expected))
    return unstopped(utterance) == unstopped(expected)


def came(expected, heard, within):
    """Whether the expected utterances stand in heard in this order, others between them. With
    `within`, each expected piece need only stand inside an utterance, and one utterance may
    hold several."""
    remaining = list(expected)
    for utterance in heard:
        if within:
            while remaining and says(utterance, remaining[0], True):
                remaining.pop(0)
        elif remaining and any(says(utterance, words, False)
                               for words in alternatives(remaining[0])):
            remaining.pop(0)
    return not remaining


def wait_for_words(log, expected, heard, timeout=30.0, within=False):
    """Collects utterances into heard until expected has come; where the two versions order
    a step's words differently, expected is a tuple of each version's list, one of which must
    come whole."""
    def all_come():
        heard.extend(log.new_utterances())
        return any(came(words, heard, within) for words in alternatives(expected))

    wait_for(f"the words {expected!r}", all_come, timeout)


# --- The payment schedule walk -------------------------------------------------------------
# Opened from the result box with the keyboard, its summary heard, two rows down and one column
# across in its table, closed, and the result box heard again. Each step: what it does, the keys,
# and pieces of text that must come in this order, each inside some utterance of the step.
SUMMARY = ("Payment Schedule — $120,000.00, 10%, 36 months dialog Amount of loan: "
           "$120,000.00. Interest rate: 10% a year, 0.833333% a month. Payments: 36 of $3,872.06, the last $3,872.17. Interest in all: "
           "$19,394.27. Total paid: $139,394.27.")
SCHEDULE_STEPS = [
    ("a number again", ["ctrl+a", "type:36"], [], []),
    ("Tab to the result box for the schedule", ["Tab"], [f"{RESULT} read only text."], []),
    # Calculated first, as Calculate does, and the summary read with the window's name: Orca 43
    # tells the new payment before the window, Orca 48 after it.
    ("open the schedule", ["Return"],
     ([f"notification {RESULT} $3,872.06.", SUMMARY], [SUMMARY, f"{RESULT} $3,872.06"]), []),
    # The reader reads a row as the focus comes to it (Orca 48 says "not selected" before each
    # cell but the first).
    ("two rows down", ["Down", "Down"],
     ["3.", "3,872.06.", "951.93.", "2,920.13.", "111,311.82."], []),
    ("one column across", ["Right"], ["Payment column header 3,872.06."], []),
    ("close the schedule", ["Escape"], [f"{RESULT} read only text.", PAYMENT],
     [TEXT["CALCULATE"]]),
]


def walk(log, steps):
    """Goes through steps whose expected pieces each stand inside some utterance, stopping at
    the first wrong one."""
    for name, keys, expected, forbidden in steps:
        heard = []
        press(*keys)
        try:
            wait_for_words(log, expected, heard, within=True)
        finally:
            print(f"{name}: {' / '.join(heard)}")
        wrong = [u for u in heard if any(text in u for text in forbidden)]
        if wrong:
            raise Failure(f"{name}: the reader also said {wrong!r}")
# --- end of the payment schedule walk ---------------------------------------------------------


def main(path):
    """Goes through every step, so one run tells each step's words; the number of steps whose
    words were wrong."""
    log = SpeechLog(path)
    failures = 0
    for name, keys, expected, forbidden in STEPS:
        heard = []
        press(*keys)
        try:
            wait_for_words(log, expected, heard)
            wrong = [u for u in heard if any(text in u for text in forbidden)]
            if wrong:
                raise Failure(f"the reader also said {wrong!r}")
        except Failure as failure:
            failures += 1
            print(f"Orca check failed at {name}: {failure}", file=sys.stderr)
        finally:
            print(f"{name}: {' / '.join(heard)}", flush=True)
    # The walks through the payment schedule and the result box's context menu, each stopping at
    # its first wrong step.
    for title, steps in (("the schedule", SCHEDULE_STEPS), ("the context menu", MENU_STEPS)):
        try:
            walk(log, steps)
        except Failure as failure:
            failures += 1
            print(f"Orca check failed in {title}: {failure}", file=sys.stderr)
    if not failures:
        print("Orca: every step spoken as expected")
    return failures


if __name__ == "__main__":
    sys.exit(1 if main(sys.argv[1]) else 0)
