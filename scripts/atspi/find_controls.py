# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Finds the running calculator's controls over AT-SPI, as a screen reader would on reaching its
window: the three entry boxes by their captions, the result box with the payment and the
Calculate button. Run by scripts/checks/13-buses.sh once the window shows; exits non-zero,
saying what it missed, when a control cannot be found."""
import sys

import pyatspi

from read_window import CAPTIONS, application, find, text_of
from stage import TEXT, Failure, wait_for


def controls(app):
    frame = find(app, pyatspi.ROLE_FRAME, TEXT["TITLE"])
    if frame is None:
        return ["the window"]
    wanted = [(pyatspi.ROLE_TEXT, caption) for caption in CAPTIONS]
    wanted += [(pyatspi.ROLE_TEXT, TEXT["RESULT"]), (pyatspi.ROLE_PUSH_BUTTON, TEXT["CALCULATE"])]
    missing = [name for role, name in wanted if find(frame, role, name) is None]
    result = find(frame, pyatspi.ROLE_TEXT, TEXT["RESULT"])
    if result is not None and text_of(result) != TEXT["PAYMENT"]:
        missing.append(f"the payment {TEXT['PAYMENT']}")
    return missing


def main():
    app = wait_for("the program on the accessibility bus", application)
    try:
        wait_for("every control", lambda: not controls(app), timeout=10.0)
    except Failure:
        raise Failure("not found over AT-SPI: " + ", ".join(controls(app))) from None
    print("AT-SPI: found the entry boxes, the payment and the button")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"AT-SPI: {failure}", file=sys.stderr)
        sys.exit(1)
