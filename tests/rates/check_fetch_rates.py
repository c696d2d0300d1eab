#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""mezzurix-fetch-rates against a local HTTP server: offline and no rates yet, a fetch and what it
sends, every refused, broken, oversized, hanging or failing answer (the cached rates survive each
byte for byte, and the failure is recorded), a failure forgotten after a fetch, and two helpers
refreshing at once while the cache is read (it is never torn). Loose time bounds only.

Usage: check_fetch_rates.py PATH_TO_HELPER RESPONSES_DIR VERSION
"""
import hashlib
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import threading
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, str(pathlib.Path(__file__).parent))
from rates_server import RatesServer, helper_environment  # noqa: E402

HELPER, RESPONSES, VERSION = sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3]
NAME = "mezzurix-fetch-rates"
# The helper's exit statuses, which never change meaning.
FETCHED, USAGE, OFFLINE, NETWORK, REFUSED, NOT_WRITTEN = range(6)
# Far above any of these runs' real time: only a hang would reach it.
WELL_UNDER = 10
ROUNDS_AT_ONCE = 30

failures = []
checked = 0


def check(name, ok, detail=""):
    global checked
    checked += 1
    if not ok:
        failures.append(f"{name}: {detail}")


def fetch(server, cache, path, timeout="3", offline=None, args=None):
    env = helper_environment(cache, server.url(path) if server else path)
    if offline is not None:
        env["MEZZURIX_OFFLINE"] = offline
    started = time.monotonic()
    run = subprocess.run([HELPER, *(args if args is not None else ["--timeout", timeout])], env=env,
                         capture_output=True, timeout=60)
    return run, time.monotonic() - started


def rate_lines(xml: bytes):
    return [f"{code} {rate}" for code, rate in re.findall(r"currency='([A-Z]{3})' rate='([0-9.]+)'", xml.decode())]


def cache_lines(text: str):
    """The rate lines of a whole cache file, or None when it is not whole."""
    lines = text.split("\n")
    if len(lines) < 5 or lines[-1] != "" or lines[0] != "mezzurix exchange rates 1" or not lines[1].startswith("date ") \
            or not re.fullmatch(r"fetched \d+", lines[2]):
        return None
    return lines[3:-1]


def digest(path: pathlib.Path):
    return hashlib.sha256(path.read_bytes()).hexdigest() if path.exists() else None


with RatesServer(RESPONSES) as server, tempfile.TemporaryDirectory() as scratch:
    scratch = pathlib.Path(scratch)
    recorded = rate_lines(server.recorded)
    later = rate_lines(server.later)

    # Offline with no rates yet: no request, nothing written.
    cache = scratch / "offline"
    run, _ = fetch(server, cache, "rates.xml", offline="1")
    check("offline status", run.returncode == OFFLINE, run)
    check("offline message", run.stderr.decode().startswith(f"{NAME}: MEZZURIX_OFFLINE is set"), run.stderr)
    check("offline writes nothing", not cache.exists())
    for args in (["--timeout", "0"], ["--timeout"], ["--bogus"]):
        run, _ = fetch(server, cache, "rates.xml", args=args)
        check(f"usage {args}", run.returncode == USAGE and run.stderr.decode().startswith(f"{NAME}: usage:"), run)
    check("no request offline or on a usage error", server.requests == [], server.requests)

    # A fetch: the recorded rates, dated and timed, and nothing sent beyond the plain request.
    cache = scratch / "cache"
    rates_file = cache / "mezzurix" / "exchange-rates"
    failure_file = cache / "mezzurix" / "exchange-rates-failure"
    before = int(time.time())
    run, _ = fetch(server, cache, "rates.xml")
    after = int(time.time())
    check("fetch status", run.returncode == FETCHED and run.stderr == b"", run)
    text = rates_file.read_text()
    check("fetched rates", cache_lines(text) == recorded, text)
    check("fetched date", "\ndate 2026-12-08\n" in text, text)
    fetched = int(re.search(r"\nfetched (\d+)\n", text).group(1))
    check("fetched time", before <= fetched <= after, fetched)
    path, headers = server.requests[-1]
    check("one request", len(server.requests) == 1, server.requests)
    check("the request's headers", sorted(headers) == ["Accept", "Host", "User-Agent"], headers)
    check("user agent", headers.get("User-Agent") == f"mezzurix/{VERSION}", headers)
    check("no failure recorded", not failure_file.exists())
    kept = digest(rates_file)

    # Every answer that must be refused or fails: the rates stay byte for byte, the failure is
    # recorded with its time, and no file of the helper's own is left behind.
    answers = [(f"refused/{p.name}", REFUSED, "3") for p in sorted((RESPONSES / "refused").iterdir())]
    answers += [("oversized-with-length", REFUSED, "3"), ("oversized-streamed", REFUSED, "3"),
                ("status/404", NETWORK, "3"), ("status/500", NETWORK, "3"), ("redirect-to-http", NETWORK, "3"),
                ("hang", NETWORK, "1"), ("trickle", NETWORK, "1")]
    answers.append(("http://127.0.0.1:1/rates.xml", NETWORK, "3"))  # nobody listens on port 1
    for path, status, timeout in answers:
        before = int(time.time())
        run, took = fetch(server if "://" not in path else None, cache, path, timeout=timeout)
        after = int(time.time())
        message = run.stderr.decode()
        check(f"{path}: status", run.returncode == status, run)
        check(f"{path}: message", message.startswith(f"{NAME}: ") and message.endswith("; the cached rates are kept\n")
              and message.count("\n") == 1, message)
        check(f"{path}: rates kept byte for byte", digest(rates_file) == kept)
        failure = failure_file.read_text().split("\n") if failure_file.exists() else ["0"]
        check(f"{path}: failure recorded", before <= int(failure[0]) <= after and failure[1] in message, failure)
        check(f"{path}: no stray file", sorted(os.listdir(rates_file.parent)) ==
              ["exchange-rates", "exchange-rates-failure"], os.listdir(rates_file.parent))
        check(f"{path}: well under {WELL_UNDER} s", took < WELL_UNDER, took)

    # Offline with rates: they stay, and so does the failure record.
    run, _ = fetch(server, cache, "later.xml", offline="yes")
    check("offline keeps the rates", run.returncode == OFFLINE and digest(rates_file) == kept, run)

    # The next good fetch replaces the rates and forgets the failure.
    run, _ = fetch(server, cache, "later.xml")
    check("fetch after failures", run.returncode == FETCHED and cache_lines(rates_file.read_text()) == later, run)
    check("failure forgotten", not failure_file.exists())

    # A cache folder that cannot be made.
    (scratch / "a-file").write_text("")
    run, _ = fetch(server, scratch / "a-file", "rates.xml")
    check("cache not written", run.returncode == NOT_WRITTEN and run.stderr.decode().startswith(f"{NAME}: "), run)

    # Two helpers at once, each fetching another day, while the cache is read without pause: every
    # read is one of the two files whole.
    cache = scratch / "both"
    rates_file = cache / "mezzurix" / "exchange-rates"
    reads, torn, done = [0], [], threading.Event()

    def read_without_pause():
        while not done.is_set():
            try:
                text = rates_file.read_text()
            except FileNotFoundError:
                continue
            reads[0] += 1
            if cache_lines(text) not in (recorded, later):
                torn.append(text)

    reader = threading.Thread(target=read_without_pause)
    reader.start()
    for _ in range(ROUNDS_AT_ONCE):
        helpers = [subprocess.Popen([HELPER, "--timeout", "3"], env=helper_environment(cache, server.url(day)),
                                    stderr=subprocess.PIPE) for day in ("rates.xml", "later.xml")]
        for helper in helpers:
            _, errors = helper.communicate(timeout=60)
            check("at once: status", helper.returncode == FETCHED, errors)
    done.set()
    reader.join()
    check("at once: never torn", not torn, torn[:1])
    check("at once: the cache was read", reads[0] > 0, reads)
    check("at once: no stray file", os.listdir(rates_file.parent) == ["exchange-rates"], os.listdir(rates_file.parent))

print(f"{checked} checks, {len(failures)} failed")
for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
