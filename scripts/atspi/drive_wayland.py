# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the running calculator on a Wayland compositor as a user would and checks what a
screen reader reads: keys and clicks go in through xdotool on the X display the compositor runs
in, and everything is read back over AT-SPI (a Wayland client's windows, message boxes
included, are no X windows that xdotool could find).

Run by scripts/checks/17-wayland.sh, which starts the compositor, the buses and the program.
Arguments: the desktop's background colour (#rrggbb) and the folder for screenshots. Exits
non-zero on the first thing a user or a reader would not find.
"""
import subprocess
import sys
import tempfile
import time

import pyatspi

from read_window import (APP, CAPTIONS, MONTHS_PROMPT, RESULT, TITLE, Failure, alert_of,
                         application, descendants, dump, expect, find, focused, key, text_of,
                         wait_for)

RATE_PROMPT = "The Annual Interest Rate must be between  0.05 and  0.25"
ERROR_TITLE = "Cannot Calculate"


def alerts(app):
    return [node for node, _ in descendants(app) if node.getRole() == pyatspi.ROLE_ALERT]


def prompt_of(alert):
    """The message a box shows: its one label that is not its title."""
    labels = [node.name for node, _ in descendants(alert)
              if node.getRole() == pyatspi.ROLE_LABEL and node.name]
    return labels


def settle(app, seconds=1.0):
    """Succeeds when no message box is up and none comes within the given time."""
    wait_for("every message box to close", lambda: not alerts(app))
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if alerts(app):
            return False
        time.sleep(0.05)
    return True


def one_message(app, prompt):
    """Waits for a message box, checks that it is the only one and shows the prompt."""
    alert = wait_for(f"a message saying {prompt!r}", lambda: alert_of(app))
    expect(len(alerts(app)) == 1, f"{len(alerts(app))} message boxes are up at once")
    shown = prompt_of(alert)
    expect(any(prompt in label for label in shown), f"the message box says {shown!r}")
    return alert


def dismiss(app):
    key("Return")
    expect(settle(app), "the message box did not close, or another followed")


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def replace_entry(box, text):
    key("ctrl+a")
    type_text(text)
    wait_for(f"the entry {text!r}", lambda: text_of(box) == text)


def screenshot(folder, name):
    subprocess.run(["import", "-window", "root", f"{folder}/{name}.png"], check=True)


def window_outline(background):
    """The rectangle (left, top, width, height) the window covers on the screen.

    A Wayland client never learns its position, so neither does a reader; the screen shows it:
    the window is the one thing on the plain desktop. Two photographs with the pointer in
    opposite corners keep the pointer's sprite out of the outline.
    """
    # Everything but the background white, in each photograph.
    mask = ["-fill", "black", "-opaque", background, "-fill", "white", "+opaque", "black"]
    with tempfile.TemporaryDirectory() as folder:
        shots = []
        for corner, (x, y) in enumerate(((0, 0), (1023, 767))):
            subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
            time.sleep(0.2)  # the sprite moves on the compositor's next frame
            shots.append(f"{folder}/{corner}.png")
            subprocess.run(["import", "-window", "root", shots[-1]], check=True)
        geometry = subprocess.run(
            ["convert", shots[0], *mask, "(", shots[1], *mask, ")", "-compose", "multiply",
             "-composite", "-format", "%@", "info:"],
            check=True, capture_output=True, text=True).stdout
    width, rest = geometry.split("x")
    height, left, top = rest.split("+")
    return int(left), int(top), int(width), int(height)


def content_origin(outline, frame):
    """Where the window's content starts on the screen: the decoration's frame is as wide on
    the left as at the bottom, and the rest of the height above the content is its title bar."""
    left, top, width, height = outline
    extents = frame.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    side = (width - extents.width) // 2
    title = height - extents.height - side
    expect(side >= 0 and title >= 0, f"the window's outline {outline} is smaller than its "
                                     f"content {extents.width}x{extents.height}")
    return left + side, top + title


def side_of(outline, size):
    """The width of the decoration's frame left and right of the content."""
    return (outline[2] - size[0]) // 2


def click(origin, node):
    extents = node.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    x = origin[0] + extents.x + extents.width // 2
    y = origin[1] + extents.y + extents.height // 2
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
    # The compositor gives the window the pointer when it has handled the motion, which nothing
    # outside it can observe; a button pressed before that goes to no window.
    time.sleep(0.3)
    subprocess.run(["xdotool", "click", "1"], check=True)


def main():
    background, folder = sys.argv[1], sys.argv[2]
    app = wait_for("the program on the accessibility bus", application)
    frame = wait_for("the window", lambda: find(app, pyatspi.ROLE_FRAME, TITLE))
    boxes = [find(frame, pyatspi.ROLE_TEXT, caption) for caption in CAPTIONS]
    for caption, box in zip(CAPTIONS, boxes):
        expect(box is not None, f"no text box named {caption!r}")
    result = next((node for node, _ in descendants(frame)
                   if node.name == RESULT and text_of(node) != RESULT), None)
    expect(result is not None, f"no result box named {RESULT!r}")
    button = find(frame, pyatspi.ROLE_PUSH_BUTTON, "Calculate")
    expect(button is not None, "no button named 'Calculate'")

    # The payment computed while loading is there once the window is, with the focus in Text1.
    wait_for("the window to be active", lambda: frame.getState().contains(pyatspi.STATE_ACTIVE))
    expect(text_of(result) == "$3,872.06", f"the result box reads {text_of(result)!r}")
    wait_for("the focus in the first box", lambda: focused(boxes[0]))
    outline = window_outline(background)
    origin = content_origin(outline, frame)
    screenshot(folder, "wayland-loaded")
    print(f"window content at {origin[0]},{origin[1]} on the screen; payment {text_of(result)}")

    # Into Text3 by keyboard: within range, no message.
    key("Tab", "Tab")
    wait_for("the focus in the months box", lambda: focused(boxes[2]))
    expect(settle(app), "a message appeared for entries within range")

    # Out of range: one message per leaving, the focus back in the box each time.
    replace_entry(boxes[2], "400")
    for attempt in ("leaving the box", "leaving it again"):
        key("Tab")
        one_message(app, "Length of Loan (in months) must be between  1 and  360")
        if attempt == "leaving the box":
            screenshot(folder, "wayland-range-message")
        dismiss(app)
        wait_for(f"the focus back in the months box after {attempt}", lambda: focused(boxes[2]))

    # A click on Calculate while the box holds an entry out of range: only the message.
    click(origin, button)
    one_message(app, MONTHS_PROMPT)
    dismiss(app)
    wait_for("the focus back in the months box after the click", lambda: focused(boxes[2]))
    expect(text_of(result) == "$3,872.06", f"the click calculated: {text_of(result)!r}")

    # Two boxes out of range: leaving the rate box brings its message only, once; the months
    # box, which the Tab reached for a moment, does not answer with its own.
    replace_entry(boxes[2], "36")
    key("shift+Tab")
    wait_for("the focus in the rate box", lambda: focused(boxes[1]))
    replace_entry(boxes[1], "10")
    boxes[2].queryEditableText().setTextContents("400")
    wait_for("the months box to hold 400", lambda: text_of(boxes[2]) == "400")
    key("Tab")
    one_message(app, RATE_PROMPT)
    dismiss(app)
    wait_for("the focus back in the rate box", lambda: focused(boxes[1]))
    replace_entry(boxes[1], "0.10")
    key("Tab")
    wait_for("the focus in the months box", lambda: focused(boxes[2]))
    expect(settle(app), "a message came on entering the months box")
    key("Tab")
    one_message(app, MONTHS_PROMPT)
    dismiss(app)
    wait_for("the focus back in the months box", lambda: focused(boxes[2]))

    # A runtime error: an amount that starts with a number in range but is no number.
    replace_entry(boxes[2], "240")
    key("shift+Tab", "shift+Tab")
    wait_for("the focus in the amount box", lambda: focused(boxes[0]))
    key("End")
    type_text("x")
    wait_for("the entry 120000x", lambda: text_of(boxes[0]) == "120000x")
    click(origin, button)
    alert = one_message(app, "\u200e\u201c\u2068120000x\u2069\u201d in the Amount of Loan is not a number")
    expect(alert.name == ERROR_TITLE, f"the error's box is titled {alert.name!r}")
    screenshot(folder, "wayland-runtime-error")
    dismiss(app)
    # The report points at the amount: the focus goes there for the user to mend it.
    wait_for("the focus back in the amount box", lambda: focused(boxes[0]))
    expect(text_of(result) == "$3,872.06", f"after the error the result box reads "
                                           f"{text_of(result)!r}")

    # The program goes on: mend the amount and calculate by keyboard.
    click(origin, boxes[0])
    wait_for("the focus in the amount box", lambda: focused(boxes[0]))
    replace_entry(boxes[0], "120000")
    key("Tab", "Tab", "Tab", "Tab")
    wait_for("the focus on the button", lambda: focused(button))
    key("space")
    wait_for("the new payment", lambda: text_of(result) == "$1,158.03")
    expect(settle(app), "a message came with the new payment")
    screenshot(folder, "wayland-after-checks")
    print("Tree read over AT-SPI:")
    dump(frame)
    print(f"Wayland: payment, range messages, focus, runtime error as expected; "
          f"the result box reads {text_of(result)!r}")

    # The title bar the toolkit draws here has a maximise button, left of the close button,
    # which is the rightmost one. Maximising and restoring leave the program running, with
    # its window back at its one size.
    left, top, width, _ = outline
    title_bar = origin[1] - top
    close_x, close_y = left + width - title_bar // 2 - 2, top + title_bar // 2
    size = frame.queryComponent().getSize()
    subprocess.run(["xdotool", "mousemove", str(close_x - 23), str(close_y)], check=True)
    time.sleep(0.3)  # as in click()
    subprocess.run(["xdotool", "click", "1"], check=True)
    wait_for("the window maximised", lambda: frame.queryComponent().getSize()[0] > size[0])
    screenshot(folder, "wayland-maximised")
    maximised = frame.queryComponent().getSize()
    restore_x = maximised[0] + 2 * side_of(outline, size) - title_bar // 2 - 2 - 23
    subprocess.run(["xdotool", "mousemove", str(restore_x), str(title_bar // 2)], check=True)
    time.sleep(0.3)
    subprocess.run(["xdotool", "click", "1"], check=True)
    wait_for("the window back at its size", lambda: frame.queryComponent().getSize() == size)
    expect(settle(app), "a message came with maximising")
    print(f"maximised to {maximised[0]}x{maximised[1]} and restored to {size[0]}x{size[1]}")

    # Closing the window by its close button: the caller sees whether the program ends.
    subprocess.run(["xdotool", "mousemove", str(close_x), str(close_y)], check=True)
    time.sleep(0.3)  # as in click()
    subprocess.run(["xdotool", "click", "1"], check=True)
    print(f"closing the window at {close_x},{close_y}")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"Wayland check failed: {failure}", file=sys.stderr)
        screenshot(sys.argv[2], "wayland-failure")
        sys.exit(1)
