# SPDX-FileCopyrightText: 2026 The Ombrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the running calculator on a Wayland compositor as a user would, for what the
compositor takes part in, and checks what a screen reader reads: keys and clicks go in through
xdotool on the X display the compositor runs in, and everything is read back over AT-SPI (a
Wayland client's windows, message boxes included, are no X windows that xdotool could find).

Run by scripts/checks/17-wayland.sh, which starts the compositor, the buses and the program.
Arguments: the desktop's background colour (#rrggbb) and the folder for screenshots. Exits
non-zero on the first thing a user or a reader would not find.
"""
import subprocess
import sys
import tempfile
import time

import pyatspi

from read_window import (CAPTIONS, application, descendants, dump, expect, find, focused,
                         replace_entry, text_of)
from stage import TEXT, Failure, press, wait_for


def alerts(app):
    return [node for node, _ in descendants(app) if node.getRole() == pyatspi.ROLE_ALERT]


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
    wait_for(f"a message saying {prompt!r}", lambda: alerts(app))
    expect(len(alerts(app)) == 1, f"{len(alerts(app))} message boxes are up at once")
    shown = [node.name for node, _ in descendants(alerts(app)[0])
             if node.getRole() == pyatspi.ROLE_LABEL and node.name]
    expect(any(prompt in label for label in shown), f"the message box says {shown!r}")


def screenshot(folder, name):
    subprocess.run(["import", "-window", "root", f"{folder}/{name}.png"], check=True)


def click_at(x, y):
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
    # The compositor gives the window the pointer when it has handled the motion, which nothing
    # outside it can observe; a button pressed before that goes to no window.
    time.sleep(0.3)
    subprocess.run(["xdotool", "click", "1"], check=True)


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


def main():
    background, folder = sys.argv[1], sys.argv[2]
    app = wait_for("the program on the accessibility bus", application)
    frame = wait_for("the window", lambda: find(app, pyatspi.ROLE_FRAME, TEXT["TITLE"]))
    boxes = [find(frame, pyatspi.ROLE_TEXT, caption) for caption in CAPTIONS]
    for caption, box in zip(CAPTIONS, boxes):
        expect(box is not None, f"no text box named {caption!r}")
    result = next((node for node, _ in descendants(frame)
                   if node.name == TEXT["RESULT"] and text_of(node) != TEXT["RESULT"]), None)
    expect(result is not None, f"no result box named {TEXT['RESULT']!r}")

    # The payment computed while loading is there once the window is, with the focus in Text1.
    wait_for("the window to be active", lambda: frame.getState().contains(pyatspi.STATE_ACTIVE))
    expect(text_of(result) == TEXT["PAYMENT"], f"the result box reads {text_of(result)!r}")
    wait_for("the focus in the first box", lambda: focused(boxes[0]))
    outline = window_outline(background)
    origin = content_origin(outline, frame)
    screenshot(folder, "wayland-loaded")
    print(f"window content at {origin[0]},{origin[1]} on the screen; payment {text_of(result)}")

    # A range message, placed by the compositor; once it closes, the compositor gives the window
    # its activation back and the keyboard is in the box the message was about.
    press("Tab", "Tab")
    wait_for("the focus in the months box", lambda: focused(boxes[2]))
    replace_entry(boxes[2], "400")
    press("Tab")
    one_message(app, TEXT["MONTHS_PROMPT"])
    screenshot(folder, "wayland-range-message")
    press("Return")
    expect(settle(app), "the message box did not close, or another followed")
    wait_for("the focus back in the months box", lambda: focused(boxes[2]))
    replace_entry(boxes[2], "36")
    print("Tree read over AT-SPI:")
    dump(frame)

    # The title bar the toolkit draws here has a maximise button, left of the close button,
    # which is the rightmost one. Maximising and restoring leave the program running, with
    # its window back at its one size.
    left, top, width, _ = outline
    title_bar = origin[1] - top
    close_x, close_y = left + width - title_bar // 2 - 2, top + title_bar // 2
    size = frame.queryComponent().getSize()
    click_at(close_x - 23, close_y)
    wait_for("the window maximised", lambda: frame.queryComponent().getSize()[0] > size[0])
    screenshot(folder, "wayland-maximised")
    maximised = frame.queryComponent().getSize()
    # The buttons at the top right of the screen, beyond the decoration's frame on the right.
    side = (width - size[0]) // 2
    click_at(maximised[0] + 2 * side - title_bar // 2 - 2 - 23, title_bar // 2)
    wait_for("the window back at its size", lambda: frame.queryComponent().getSize() == size)
    expect(settle(app), "a message came with maximising")
    print(f"maximised to {maximised[0]}x{maximised[1]} and restored to {size[0]}x{size[1]}")

    # Closing the window by its close button: the caller sees whether the program ends.
    click_at(close_x, close_y)
    print(f"closing the window at {close_x},{close_y}")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"Wayland check failed: {failure}", file=sys.stderr)
        screenshot(sys.argv[2], "wayland-failure")
        sys.exit(1)
