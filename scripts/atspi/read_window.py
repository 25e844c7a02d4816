# SPDX-FileCopyrightText: 2026 The Ombrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads the running calculator's window over AT-SPI as a screen reader would, and drives it
with the keyboard (xdotool): the tree, the names, the payment text, the range message.

Run by scripts/checks/20-atspi.sh, which starts the services and the program. Prints the tree
it read; exits non-zero on the first thing a reader would not find.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP = "mortgage-calculator"
TITLE = "Ombrel - Mortgage Calculator"
CAPTIONS = ["Amount of Loan", "Annual Interest Rate", "Length of Loan (in months)"]
RESULT = "Your monthly payment is"
MONTHS_PROMPT = "The Length of Loan (in months) must be between  1 and  360"


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=20.0):
    """Polls probe() until it gives something true; the services answer asynchronously."""
    deadline = time.monotonic() + timeout
    while True:
        found = probe()
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.1)


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


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def alert_of(app):
    for node, _ in descendants(app):
        if node.getRole() == pyatspi.ROLE_ALERT:
            return node
    return None


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def main():
    app = wait_for("the program on the accessibility bus", application)
    try:
        frame = wait_for("the window", lambda: find(app, pyatspi.ROLE_FRAME, TITLE))
    except Failure:
        dump(app)
        raise
    print("Tree read over AT-SPI:")
    dump(app)

    boxes = [find(frame, pyatspi.ROLE_TEXT, caption) for caption in CAPTIONS]
    for caption, box in zip(CAPTIONS, boxes):
        expect(box is not None, f"no text box named {caption!r}")
    result = find(frame, pyatspi.ROLE_TEXT, RESULT)
    expect(result is not None, f"no text named {RESULT!r}")
    expect(text_of(result) == "$3,872.06", f"result box reads {text_of(result)!r}")
    expect(result.getState().contains(pyatspi.STATE_READ_ONLY), "result box is not read-only")
    button = find(frame, pyatspi.ROLE_PUSH_BUTTON, "Calculate")
    expect(button is not None, "no button named 'Calculate'")
    wait_for("the focus in the first box", lambda: focused(boxes[0]))

    # Into the months box by keyboard, an entry out of range, and out of the box again.
    key("Tab", "Tab")
    wait_for("the focus in the months box", lambda: focused(boxes[2]))
    key("ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "20", "400"], check=True)
    wait_for("the typed entry", lambda: text_of(boxes[2]) == "400")
    key("Tab")
    alert = wait_for("the range message", lambda: alert_of(app))
    print("Message box read over AT-SPI:")
    dump(alert)
    labels = [node for node, _ in descendants(alert) if node.getRole() == pyatspi.ROLE_LABEL]
    expect(any(label.name == MONTHS_PROMPT for label in labels),
           f"no label {MONTHS_PROMPT!r} in the message box")
    key("Return")
    wait_for("the message box to close", lambda: alert_of(app) is None)
    wait_for("the focus back in the months box", lambda: focused(boxes[2]))

    # A new entry and the button, both by keyboard: the reader reads the new payment.
    key("ctrl+a")
    subprocess.run(["xdotool", "type", "--delay", "20", "240"], check=True)
    wait_for("the typed entry", lambda: text_of(boxes[2]) == "240")
    key("Tab")
    # The result box is a tab stop: a reader announces it by its caption and reads the payment.
    wait_for("the focus in the result box", lambda: focused(result))
    key("Tab")
    wait_for("the focus on the button", lambda: focused(button))
    changes = []
    listener = lambda event: changes.append((event.type, event.source.name, event.any_data))
    pyatspi.Registry.registerEventListener(listener, "object:text-changed")
    key("space")
    context = GLib.MainContext.default()

    def announced():
        while context.iteration(False):
            pass
        return any(kind.startswith("object:text-changed:insert") and name == RESULT
                   and data == "$1,158.03" for kind, name, data in changes)

    wait_for("the result box to announce the new payment", announced)
    pyatspi.Registry.deregisterEventListener(listener, "object:text-changed")
    expect(text_of(result) == "$1,158.03", f"result box reads {text_of(result)!r}")
    print(f"After Calculate the result box announced and reads {text_of(result)!r}")
    check_context_menus(boxes[2], result)
    print("AT-SPI: every check passed")


def check_context_menus(months, result):
    """The context menus of an entry box and of the result box (the Menu key) show their items,
    Copy among them, each one a reader can press. A popup is no child of the application's
    node; a reader finds it through the events it sends as it shows."""
    sources = []
    listener = lambda event: sources.append(event.source)
    kinds = ["object:state-changed", "window", "focus:"]
    for kind in kinds:
        pyatspi.Registry.registerEventListener(listener, kind)
    context = GLib.MainContext.default()

    def shown_menu():
        while context.iteration(False):
            pass
        for source in sources:
            try:
                for node in (source, source.parent):
                    if (node is not None and node.getRole() == pyatspi.ROLE_POPUP_MENU
                            and node.getState().contains(pyatspi.STATE_SHOWING)):
                        return node
            except Exception:
                continue
        return None

    for name, node, keys in (("months box", months, ["shift+Tab", "shift+Tab"]),
                             ("result box", result, ["Tab"])):
        key(*keys)
        wait_for(f"the focus in the {name}", lambda: focused(node))
        sources.clear()
        key("Menu")
        menu = wait_for(f"the {name}'s context menu", shown_menu)
        print(f"Context menu of the {name} read over AT-SPI:")
        dump(menu)
        items = [menu.getChildAtIndex(i) for i in range(menu.childCount)]
        copy = [item for item in items
                if item.getRole() == pyatspi.ROLE_MENU_ITEM and item.name.split("\t")[0] == "Copy"]
        expect(copy, f"no item 'Copy' in the {name}'s context menu")
        expect(copy[0].queryAction().nActions > 0, f"the {name}'s Copy cannot be pressed")
        key("Escape")
        wait_for(f"the focus back in the {name}", lambda: focused(node))
    for kind in kinds:
        pyatspi.Registry.deregisterEventListener(listener, kind)


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"AT-SPI check failed: {failure}", file=sys.stderr)
        sys.exit(1)
