#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Uses the program under a real Wayland compositor, with real key presses and clicks.

Weston runs nested in the X display given (xvfb-run, larger than weston's output so that the
pointer can leave it); xdotool acts on weston's X window, weston's scene graph (weston-debug)
says where each window is and under which app id, wl-paste reads the clipboard.
Usage: check_wayland.py MEZZURIX APP_ID
"""
import os
import re
import subprocess
import sys
import tempfile
import time

PROGRAM, APP_ID = sys.argv[1:3]
OUTPUT = (1024, 700)
PARKED = (OUTPUT[0] + 100, OUTPUT[1] + 50)  # off weston's window
# Qt's own title bar: 30 pixels high, 18-pixel buttons 8 pixels from the right, 5 apart.
TITLE_Y, CLOSE_FROM_RIGHT, MAXIMIZE_FROM_RIGHT = 15, 17, 40
MAIN, REFERENCE = "Mezzurix!!", "SI Base Units"
WESTON_INI = "[core]\nidle-time=0\n[shell]\npanel-position=none\n[input-method]\npath=\n"


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=15.0):
    deadline = time.monotonic() + timeout
    while not (result := probe()):
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.1)
    return result


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True, timeout=10)


class Session:
    def __init__(self, work):
        self.env = dict(os.environ, XDG_RUNTIME_DIR=work, WAYLAND_DISPLAY="mezzurix-check",
                        LC_ALL="C.UTF-8")
        self.log = os.path.join(work, "client.log")
        self.weston = self.program = None

    def start(self, work):
        with open(os.path.join(work, "weston.ini"), "w") as ini:
            ini.write(WESTON_INI)
        xdotool("mousemove", *PARKED)
        self.weston = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", "--debug",
             f"--config={ini.name}", f"--socket={self.env['WAYLAND_DISPLAY']}",
             f"--width={OUTPUT[0]}", f"--height={OUTPUT[1]}"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for("weston", lambda: os.path.exists(os.path.join(work, "mezzurix-check")))
        self.x_window = wait_for("weston's X window", lambda: re.search(
            r"^\s*(0x[0-9a-f]+) \"Weston Compositor",
            subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True,
                           text=True).stdout, re.M))[1]
        with open(self.log, "w") as log:
            self.program = subprocess.Popen(
                [PROGRAM], stdout=subprocess.DEVNULL, stderr=log,
                env=dict(self.env, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="client"))

    def close(self):
        for process in filter(None, (self.program, self.weston)):
            process.terminate()
            process.wait(timeout=10)

    def client_log(self, start=0):
        with open(self.log, errors="replace") as f:
            f.seek(start)
            return f.read()

    def alive(self):
        if self.program.poll() is not None:
            raise Failure(f"the program ended (exit status {self.program.returncode})")
        if broken := re.search(r".*wl_display@\d+\.error.*", self.client_log()):
            raise Failure(f"the compositor ended the connection: {broken[0]}")

    def window(self, title, wait=True):
        """(app id, left, top, width, height) of the top-level window with this title."""
        def find():
            graph = subprocess.run(["weston-debug", "scene-graph"], env=self.env,
                                   capture_output=True, text=True, timeout=10).stdout
            for name, app_id, *box in re.findall(
                    r"top-level window ' ?(.*?)' of (\S+), \S+\):\n\s*position: "
                    r"\((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)", graph):
                if name.startswith(title):
                    left, top, right, bottom = map(int, box)
                    return app_id, left, top, right - left, bottom - top
        return wait_for(f"the window '{title}'", find) if wait else find()

    def click(self, title, x, y, count=1):
        """Clicks at x, y from the window's top left corner, once the program sees the pointer
        there. Weston takes the spot where the pointer enters its window, then follows the X
        pointer's steps, and now and then misses an entry: then the pointer comes in afresh."""
        _, left, top, _, _ = self.window(title)
        for attempt in range(5):
            seen = os.path.getsize(self.log)
            if attempt:
                xdotool("mousemove", *PARKED)
                time.sleep(0.3)
            for dx in (2, 0):  # a move even when the pointer is there already
                xdotool("mousemove", "--window", self.x_window, left + x + dx, top + y)
                time.sleep(0.05)
            try:
                wait_for("the pointer", lambda: self.pointer(seen) == (x, y), 2)
                break
            except Failure:
                pass
        else:
            raise Failure(f"the program never saw the pointer at {x}, {y} in '{title}'")
        for _ in range(count):  # held a moment: an instant click on a title bar can leave
            xdotool("mousedown", 1)  # weston stuck in the move it starts
            time.sleep(0.1)
            xdotool("mouseup", 1)
            time.sleep(0.1)

    def pointer(self, since):
        places = re.findall(r"wl_pointer@\d+\.(?:enter\(\d+, wl_surface@\d+|motion\(\d+), "
                            r"(-?[\d.]+), (-?[\d.]+)\)", self.client_log(since))
        return tuple(round(float(v)) for v in places[-1]) if places else None

    def click_title(self, title, count=1):
        self.click(title, self.window(title)[3] // 3, TITLE_Y, count)

    def click_button(self, title, from_right):
        self.click(title, self.window(title)[3] - from_right, TITLE_Y)

    def converts(self, value, expected):
        """Types value over the input; the Clipboard button must put expected on the clipboard."""
        self.click_title(MAIN)  # the keyboard focus, which wl-paste takes to read
        xdotool("key", "--delay", 60, "Home", "shift+End")
        xdotool("type", "--delay", 60, value)
        xdotool("key", "alt+c")
        wait_for(f"'{expected}' on the clipboard for {value}", lambda: subprocess.run(
            ["wl-paste", "--no-newline"], env=self.env, capture_output=True, text=True,
            timeout=10).stdout == expected)
        self.alive()

    def maximize_and_restore(self, title):
        design = self.window(title)[3:]

        def resized():
            self.alive()
            return self.window(title)[3:] != design
        self.click_button(title, MAXIMIZE_FROM_RIGHT)
        try:
            wait_for(f"'{title}' to take a new size", resized, timeout=5)
        except Failure:
            if "set_maximized" in self.client_log():
                raise
            return f"'{title}': no maximize button drawn; a click there did nothing"
        given = self.window(title)[3:]
        self.click_button(title, MAXIMIZE_FROM_RIGHT)
        wait_for(f"'{title}' back at {design}", lambda: not resized())
        return f"'{title}': maximize button: {given[0]}x{given[1]}, again: {design[0]}x{design[1]}"

    def double_click_title(self, title):
        before = self.window(title)[3:]
        self.click_title(title, count=2)
        time.sleep(1)
        self.alive()
        after = self.window(title)[3:]
        return f"'{title}': double-click on the title bar: {after[0]}x{after[1]} (was {before[0]}x{before[1]})"


def steps(session):
    app_id = session.window(MAIN)[0]
    if app_id != APP_ID:
        raise Failure(f"app id {app_id}, expected {APP_ID}")
    yield f"started; weston shows the window under the app id {app_id}"
    # Distance, then Feet in the right list: Inches into Feet.
    session.click_title(MAIN)
    xdotool("key", "--delay", 60, "ctrl+d", "Tab", "Tab", "Tab", "Down", *["shift+Tab"] * 3)
    session.converts("24", "2")
    yield "typed 24 Inches into Feet; wl-paste after the Clipboard button reads 2"
    yield session.maximize_and_restore(MAIN)
    session.converts("36", "3")
    yield "then 36 Inches into Feet gives 3"
    yield session.double_click_title(MAIN)
    session.converts("120", "10")
    yield "then 120 Inches into Feet gives 10"
    session.click_title(MAIN)
    xdotool("key", "ctrl+b")
    yield f"Ctrl+B opened '{REFERENCE}' under the app id {session.window(REFERENCE)[0]}"
    yield session.double_click_title(REFERENCE)
    yield session.maximize_and_restore(REFERENCE)
    session.click_button(REFERENCE, CLOSE_FROM_RIGHT)
    wait_for(f"'{REFERENCE}' to close",
             lambda: session.alive() or session.window(REFERENCE, wait=False) is None)
    session.converts("6", "0.5")
    yield f"its close button closed '{REFERENCE}'; then 6 Inches into Feet gives 0.5"


def main():
    with tempfile.TemporaryDirectory() as work:
        session = Session(work)
        try:
            session.start(work)
            for done in steps(session):
                print("ok:", done, flush=True)
        except FileNotFoundError as missing:
            print(f"missing {missing.filename} (scripts/deps.sh test installs it)", file=sys.stderr)
            return 1
        except Failure as failure:
            print("FAIL:", failure, file=sys.stderr)
            log = [line for line in session.client_log().splitlines()
                   if not re.search(r"wl_(surface|buffer|callback)|delete_id", line)]
            print("--- end of the program's log", *log[-25:], sep="\n", file=sys.stderr)
            return 1
        finally:
            session.close()
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
