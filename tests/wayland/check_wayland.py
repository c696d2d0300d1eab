#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the program under a real Wayland compositor and uses it with real keys and clicks.

Weston runs nested in the X display this is started on (xvfb-run); xdotool presses keys and
clicks on weston's X window, weston passes them on as Wayland input. Weston's scene graph
(weston-debug) says where each window is and under which app id, wl-paste reads the clipboard.

Usage: xvfb-run -s "-screen 0 1280x800x24" check_wayland.py MEZZURIX APP_ID
(the X screen must be larger than weston's output, so that the pointer can leave it)
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

PROGRAM, APP_ID = sys.argv[1:3]
OUTPUT = (1024, 700)  # weston's output; the X screen is larger, so the pointer can leave it
PARKED = (OUTPUT[0] + 100, OUTPUT[1] + 50)
# Qt's own title bar: 30 pixels high, 18-pixel buttons 8 pixels from the right, 5 apart.
TITLE_Y = 15
CLOSE_FROM_RIGHT = 17
MAXIMIZE_FROM_RIGHT = 40
MAIN_TITLE = "Mezzurix!!"
REFERENCE_TITLE = "SI Base Units"

WESTON_INI = """\
[core]
idle-time=0
[shell]
panel-position=none
[input-method]
path=
"""


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=15.0):
    """Polls probe() until it returns something true; fails naming what it waited for."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.1)


class Session:
    def __init__(self, work):
        self.env = dict(os.environ, XDG_RUNTIME_DIR=work, WAYLAND_DISPLAY="mezzurix-check",
                        LC_ALL="C.UTF-8")
        self.env.pop("QT_QPA_PLATFORM", None)
        ini = os.path.join(work, "weston.ini")
        with open(ini, "w") as f:
            f.write(WESTON_INI)
        self.weston_log = os.path.join(work, "weston.log")
        self.client_log = os.path.join(work, "client.log")
        self.logs = []
        xdotool("mousemove", *map(str, PARKED))  # so that entering weston's window is seen
        self.weston = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", "--debug", f"--config={ini}",
             f"--socket={self.env['WAYLAND_DISPLAY']}",
             f"--width={OUTPUT[0]}", f"--height={OUTPUT[1]}"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=self.log(self.weston_log))
        socket = os.path.join(work, self.env["WAYLAND_DISPLAY"])
        wait_for("weston's socket", lambda: os.path.exists(socket))
        self.x_window = wait_for("weston's X window", weston_x_window)
        self.program = None

    def start(self):
        env = dict(self.env, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="client")
        self.program = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL,
                                        stderr=self.log(self.client_log))

    def log(self, path):
        self.logs.append(open(path, "w"))
        return self.logs[-1]

    def close(self):
        for process in (self.program, self.weston):
            if process is not None and process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
        for log in self.logs:
            log.close()

    def alive(self):
        if self.program.poll() is not None:
            raise Failure(f"the program ended (exit status {self.program.returncode})")
        with open(self.client_log, errors="replace") as f:
            broken = [line for line in f if "error" in line and "wl_display" in line]
        if broken:
            raise Failure(f"the compositor ended the connection: {broken[0].strip()}")

    def windows(self):
        """Weston's top-level windows: title -> (app id, left, top, right, bottom)."""
        out = subprocess.run(["weston-debug", "scene-graph"], env=self.env, capture_output=True,
                             text=True, timeout=10).stdout
        found = {}
        pattern = (r"role xdg_toplevel, .*?top-level window '(.*?)' of (\S+), \S+\):\n"
                   r"\s*position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)")
        for match in re.finditer(pattern, out):
            title, app_id, *box = match.groups()
            found[title.strip().split("   ")[0]] = (app_id, *map(int, box))
        return found

    def window(self, title):
        return wait_for(f"the window '{title}'", lambda: self.windows().get(title))

    def click(self, title, x, y, count=1):
        """Clicks at x, y in the window with this title, counted from its top left corner.

        Weston places a pointer where it enters its X window, then moves it on by the steps of
        the X pointer; now and then it misses an entry. So the click waits until the program
        reports the pointer at that spot, and brings it in afresh if it does not.
        """
        _, left, top, _, _ = self.window(title)
        for attempt in range(5):
            seen = os.path.getsize(self.client_log)
            if attempt > 0:
                xdotool("mousemove", *map(str, PARKED))
                time.sleep(0.3)
            for dx in (2, 0):  # a move even when the pointer is there already
                xdotool("mousemove", "--window", self.x_window, str(left + x + dx), str(top + y))
                time.sleep(0.05)
            try:
                wait_for(f"the pointer at {x}, {y} in '{title}'",
                         lambda: self.pointer_since(seen) == (x, y), 2)
                break
            except Failure:
                continue
        else:
            raise Failure(f"the program never saw the pointer at {x}, {y} in '{title}'")
        for _ in range(count):
            # Held as a hand holds it: an instant press and release on a title bar can leave
            # weston in the move it starts, deaf to the pointer.
            xdotool("mousedown", "1")
            time.sleep(0.1)
            xdotool("mouseup", "1")
            time.sleep(0.1)

    def pointer_since(self, offset):
        """Where the program last saw the pointer, in surface coordinates, after offset."""
        with open(self.client_log, errors="replace") as f:
            f.seek(offset)
            places = re.findall(r"wl_pointer@\d+\.(?:enter\(\d+, wl_surface@\d+|motion\(\d+), "
                                r"(-?[\d.]+), (-?[\d.]+)\)", f.read())
        return tuple(round(float(v)) for v in places[-1]) if places else None

    def keys(self, *keys):
        xdotool("key", "--delay", "60", *keys)

    def clipboard(self):
        result = subprocess.run(["wl-paste", "--no-newline"], env=self.env, capture_output=True,
                                text=True, timeout=10)
        return result.stdout if result.returncode == 0 else None

    def size(self, title):
        _, left, top, right, bottom = self.window(title)
        return right - left, bottom - top

    def click_title(self, title, count=1):
        self.click(title, self.size(title)[0] // 3, TITLE_Y, count)

    def click_button(self, title, from_right):
        self.click(title, self.size(title)[0] - from_right, TITLE_Y)

    def converts(self, value, expected):
        """Types value over the input and copies the output: the clipboard must say expected."""
        self.click_title(MAIN_TITLE)  # the keyboard focus: wl-paste takes it to read
        self.keys("Home", "shift+End")
        xdotool("type", "--delay", "60", value)
        self.keys("alt+c")
        wait_for(f"'{expected}' on the clipboard for input {value}",
                 lambda: self.clipboard() == expected)
        self.alive()

    def maximize_and_restore(self, title):
        """Clicks the maximize button of Qt's title bar, then again to restore."""
        design = self.size(title)
        self.click_button(title, MAXIMIZE_FROM_RIGHT)

        def resized():
            self.alive()
            return self.size(title) != design
        try:
            wait_for(f"'{title}' to take a new size", resized, timeout=5)
        except Failure:
            self.alive()
            with open(self.client_log, errors="replace") as f:
                if "set_maximized" in f.read():
                    raise
            return f"{title}: no maximize requested (no button there), still running"
        given = self.size(title)
        self.click_button(title, MAXIMIZE_FROM_RIGHT)
        wait_for(f"'{title}' back at {design}", lambda: not resized())
        return (f"{title}: maximized to {given[0]}x{given[1]}, "
                f"restored to {design[0]}x{design[1]}")

    def double_click_title(self, title):
        before = self.size(title)
        self.click_title(title, count=2)
        time.sleep(1)
        self.alive()
        after = self.size(title)
        if after == before:
            return f"double-click on the title bar of '{title}': size kept, still running"
        return f"double-click on the title bar of '{title}': now {after[0]}x{after[1]}, running"


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=10)


def weston_x_window():
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
    match = re.search(r"^\s*(0x[0-9a-f]+) \"Weston Compositor", tree, re.M)
    return match.group(1) if match else None


def steps(session):
    session.start()
    app_id = session.window(MAIN_TITLE)[0]
    yield f"started; weston lists the window under the app id {app_id}"
    if app_id != APP_ID:
        raise Failure(f"app id {app_id}, expected {APP_ID}")

    # Distance, Feet in the right list, then 24 in the input: Inches into Feet.
    session.click_title(MAIN_TITLE)
    session.keys("ctrl+d", "Tab", "Tab", "Tab", "Down", "shift+Tab", "shift+Tab", "shift+Tab")
    session.converts("24", "2")
    yield "typed 24 Inches into Feet: the Clipboard button put 2 on the clipboard (wl-paste)"

    yield session.maximize_and_restore(MAIN_TITLE)
    session.converts("36", "3")
    yield "after the maximize button: 36 Inches into Feet gives 3"

    yield session.double_click_title(MAIN_TITLE)
    session.converts("120", "10")
    yield "after it: 120 Inches into Feet gives 10"

    session.click_title(MAIN_TITLE)
    session.keys("ctrl+b")
    yield f"Ctrl+B opened '{REFERENCE_TITLE}', app id {session.window(REFERENCE_TITLE)[0]}"
    yield session.double_click_title(REFERENCE_TITLE)
    yield session.maximize_and_restore(REFERENCE_TITLE)
    session.click_button(REFERENCE_TITLE, CLOSE_FROM_RIGHT)

    def closed():
        session.alive()
        return REFERENCE_TITLE not in session.windows()
    wait_for(f"'{REFERENCE_TITLE}' to close", closed)
    yield f"its close button closed '{REFERENCE_TITLE}'"
    session.converts("6", "0.5")
    yield "the main window still converts: 6 Inches into Feet gives 0.5"


def main():
    for tool in ("weston", "weston-debug", "xdotool", "xwininfo", "wl-paste"):
        if shutil.which(tool) is None:
            print(f"missing tool {tool} (scripts/deps.sh test installs it)", file=sys.stderr)
            return 1
    with tempfile.TemporaryDirectory() as work:
        os.chmod(work, 0o700)
        session = Session(work)
        try:
            for done in steps(session):
                print("ok:", done, flush=True)
        except Failure as failure:
            print("FAIL:", failure, file=sys.stderr)
            for name, path in (("program", session.client_log), ("weston", session.weston_log)):
                if os.path.exists(path):
                    with open(path, errors="replace") as f:  # without the drawing traffic
                        lines = [line for line in f if not re.search(
                            r"wl_(surface|buffer|callback|display@1\.delete_id)", line)]
                    print(f"--- end of the {name}'s log", *lines[-25:], sep="", file=sys.stderr)
            return 1
        finally:
            session.close()
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
