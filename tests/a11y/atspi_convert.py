#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives Mezzurix through the desktop accessibility bus, as a screen reader user would.

Starts the program, finds it on the AT-SPI bus, picks Distance from the Lists menu, Inches into
Feet, two decimal places, types 24 and reads "2.00" from the output. Checks that the output's
change reached the bus as a text-changed event, which is what a screen reader announces.
Usage: atspi_convert.py MEZZURIX
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

STEP_TIMEOUT = 10.0  # seconds for the program to show each reaction on the bus
UP = 0xFF52          # X keysym of the Up arrow


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def pump(seconds=0.1):
    """Lets the bus deliver its events for a moment."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, probe):
    end = time.monotonic() + STEP_TIMEOUT
    while time.monotonic() < end:
        try:
            value = probe()
        except Exception:  # the tree is still being built
            value = None
        if value:
            return value
        pump()
    fail("timed out waiting for " + what)


def find(accessible, predicate):
    if predicate(accessible):
        return accessible
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            found = find(child, predicate)
            if found is not None:
                return found
    return None


def named(frame, name, role=None):
    return wait_for(f"'{name}'", lambda: find(
        frame, lambda a: a.name == name and (role is None or a.getRoleName() == role)))


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def pick(list_accessible, entry):
    """Selects an entry of a unit list with its accessible action, as assistive tools do."""
    for i in range(list_accessible.childCount):
        item = list_accessible.getChildAtIndex(i)
        if item.name == entry:
            if not item.getState().contains(pyatspi.STATE_SELECTED):
                action = item.queryAction()
                action.doAction(0)
            return
    fail(f"no entry '{entry}' in '{list_accessible.name}'")


def main():
    program = os.path.abspath(sys.argv[1])
    announced = []
    pyatspi.Registry.registerEventListener(
        lambda event: announced.append((event.source.name, event.type, event.any_data)),
        "object:text-changed")

    process = subprocess.Popen([program])
    try:
        app_name = os.path.basename(program)
        app = wait_for("the program on the accessibility bus", lambda: next(
            (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == app_name),
            None))
        frame = wait_for("the main window", lambda: app.getChildAtIndex(0))
        print(f"found '{frame.name}' ({frame.getRoleName()}) of application '{app.name}'")

        named(frame, "Distance", "menu item").queryAction().doAction(0)
        left = named(frame, "Left list, Distance", "list")
        right = named(frame, "Right list, Distance", "list")
        pick(left, "Inches")
        pick(right, "Feet")

        output = named(frame, "Output", "text")
        units = [find(frame, lambda a, d=d: a.description == d)
                 for d in ("Unit of the input", "Unit of the output")]
        wait_for("the captions Inches and Feet",
                 lambda: [u.name for u in units] == ["Inches", "Feet"])

        # Decimal places: focus the combo's text field and step up its list from 14 with the
        # arrow key, each step a pick, until it reads 2.
        combo = named(frame, "Decimal points", "text")
        combo.queryComponent().grabFocus()
        pump(0.3)
        for _ in range(31):
            if text_of(combo) == "2":
                break
            before = text_of(combo)
            pyatspi.Registry.generateKeyboardEvent(UP, None, pyatspi.KEY_SYM)
            wait_for("the decimal places to change", lambda: text_of(combo) != before)
        if text_of(combo) != "2":
            fail(f"decimal places read '{text_of(combo)}', not 2")

        field = named(frame, "Input", "text")
        field.queryEditableText().setTextContents("24")
        wait_for('"2.00" in the output', lambda: text_of(output) == "2.00")
        print(f"input '{text_of(field)}' Inches -> output '{text_of(output)}' Feet")

        wait_for("the output's change announced on the bus",
                 lambda: any(name == "Output" and kind.endswith(":insert") and data == "2.00"
                             for name, kind, data in announced))
        print("the new output was announced as object:text-changed:insert '2.00'")
    finally:
        process.terminate()
        process.wait(timeout=STEP_TIMEOUT)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
