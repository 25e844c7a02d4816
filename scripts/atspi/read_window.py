# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads the running calculator's window over AT-SPI as a screen reader would: the tree, the
names, the payment text and the focus, as the toolkit's bridge puts them on the accessibility
bus. Also the helpers scripts/atspi/drive_wayland.py drives the window with.

Run by scripts/checks/20-atspi.sh, which starts the services and the program. Prints the tree
it read; exits non-zero on the first thing a reader would not find.
"""
import sys

import pyatspi

from stage import TEXT, Failure, press, wait_for

APP = "mortgage-calculator"
CAPTIONS = [TEXT["AMOUNT"], TEXT["RATE"], TEXT["MONTHS"]]


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == APP:
            return app
    return None


def descendants(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from descendants(child, depth + 1)


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def dump(root):
    for node, depth in descendants(root):
        text = text_of(node)
        shown = f" text={text!r}" if text else ""
        print(f"{'  ' * depth}{node.getRoleName()} {node.name!r}{shown}")


def find(root, role, name):
    for node, _ in descendants(root):
        if node.getRole() == role and node.name == name:
            return node
    return None


def expect(condition, message):
    if not condition:
        raise Failure(message)


def replace_entry(box, text):
    press("ctrl+a", f"type:{text}")
    wait_for(f"the entry {text!r}", lambda: text_of(box) == text)


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def main():
    app = wait_for("the program on the accessibility bus", application)
    try:
        frame = wait_for("the window", lambda: find(app, pyatspi.ROLE_FRAME, TEXT["TITLE"]))
    except Failure:
        dump(app)
        raise
    print("Tree read over AT-SPI:")
    dump(app)

    boxes = [find(frame, pyatspi.ROLE_TEXT, caption) for caption in CAPTIONS]
    for caption, box in zip(CAPTIONS, boxes):
        expect(box is not None, f"no text box named {caption!r}")
    result = find(frame, pyatspi.ROLE_TEXT, TEXT["RESULT"])
    expect(result is not None, f"no text named {TEXT['RESULT']!r}")
    expect(text_of(result) == TEXT["PAYMENT"], f"result box reads {text_of(result)!r}")
    expect(result.getState().contains(pyatspi.STATE_READ_ONLY), "result box is not read-only")
    button = find(frame, pyatspi.ROLE_PUSH_BUTTON, TEXT["CALCULATE"])
    expect(button is not None, f"no button named {TEXT['CALCULATE']!r}")
    wait_for("the focus in the first box", lambda: focused(boxes[0]))
    print("AT-SPI: every check passed")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"AT-SPI check failed: {failure}", file=sys.stderr)
        sys.exit(1)
