# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A local HTTP server for the fetch helper's checks and benchmark, on 127.0.0.1 only.

It serves the recorded rates file (/rates.xml), the same file for the next day (/later.xml), each
refused response of responses/refused/ (/refused/NAME.xml), and what only a server can do: hang
(/hang), trickle one byte at a time (/trickle), send more than 1 MB with or without saying so
(/oversized-with-length, /oversized-streamed), fail (/status/404), or redirect to plain HTTP
(/redirect-to-http). Every request's path and headers are kept in `requests`.
"""
import http.server
import os
import pathlib
import re
import threading

MEGABYTE = 1024 * 1024
# A hanging answer is given up by the server itself after this long, so that no thread outlives
# the check for long.
HANG_SECONDS = 60


def helper_environment(cache, url=None):
    """This process's environment for the fetch helper: no proxy, not offline, its cache folder
    and, when given, the URL to fetch."""
    env = {k: v for k, v in os.environ.items() if not k.lower().endswith("_proxy") and k != "MEZZURIX_OFFLINE"}
    env["XDG_CACHE_HOME"] = str(cache)
    if url is not None:
        env["MEZZURIX_RATES_URL"] = url
    return env


def later_day(recorded: bytes) -> bytes:
    """The recorded file as the next day's: another date and every rate one digit higher."""
    text = recorded.decode().replace("time='2026-12-08'", "time='2026-12-09'")
    return re.sub(r"rate='([0-9.]+)'", lambda m: "rate='%s1'" % m.group(1), text).encode()


class RatesServer:
    def __init__(self, responses: pathlib.Path, delay: float = 0.0):
        self.responses = responses
        self.recorded = (responses / "eurofxref-daily.xml").read_bytes()
        self.later = later_day(self.recorded)
        self.delay = delay
        self.requests = []
        self.stopping = threading.Event()
        outer = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def log_message(self, *args):
                pass

            def do_GET(self):
                outer.requests.append((self.path, dict(self.headers.items())))
                try:
                    outer.answer(self)
                except (BrokenPipeError, ConnectionResetError):
                    pass  # the helper gave up, as it should

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.httpd.daemon_threads = True
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)

    def url(self, path: str) -> str:
        return "http://127.0.0.1:%d/%s" % (self.httpd.server_address[1], path)

    def __enter__(self):
        self.thread.start()
        return self

    def __exit__(self, *exc):
        self.stopping.set()
        self.httpd.shutdown()
        self.httpd.server_close()

    def oversized(self) -> bytes:
        # Well-formed: only its size is wrong.
        return self.recorded + b"<!--" + b"x" * MEGABYTE + b"-->"

    def answer(self, handler):
        path = handler.path.lstrip("/")
        if self.delay:
            self.stopping.wait(self.delay)
        if path == "hang":
            self.stopping.wait(HANG_SECONDS)
            return
        if path == "trickle":
            self.send(handler, 200, None)
            while not self.stopping.wait(0.2):
                handler.wfile.write(b" ")
                handler.wfile.flush()
            return
        if path.startswith("status/"):
            return self.send(handler, int(path[len("status/"):]), b"error page")
        if path == "redirect-to-http":
            handler.send_response(302)
            handler.send_header("Location", self.url("rates.xml"))
            handler.end_headers()
            return
        bodies = {"rates.xml": self.recorded, "later.xml": self.later,
                  "oversized-with-length": self.oversized()}
        if path in bodies:
            return self.send(handler, 200, bodies[path])
        if path == "oversized-streamed":
            # No length: the body ends when the connection closes.
            self.send(handler, 200, None)
            body = self.oversized()
            for start in range(0, len(body), 65536):
                handler.wfile.write(body[start:start + 65536])
            return
        refused = self.responses / path
        if path.startswith("refused/") and refused.is_file():
            return self.send(handler, 200, refused.read_bytes())
        self.send(handler, 404, b"not here")

    @staticmethod
    def send(handler, status, body):
        handler.send_response(status)
        handler.send_header("Content-Type", "text/xml")
        if body is not None:
            handler.send_header("Content-Length", str(len(body)))
        handler.end_headers()
        if body is not None:
            handler.wfile.write(body)
