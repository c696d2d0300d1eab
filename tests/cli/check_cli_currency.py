#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""mezzurix-convert's currency answers against a local HTTP server serving the recorded rates: no
rates and offline, a fetch, a cached answer that asks nothing, stale rates, a failed fetch answered
from the cache and not tried again within the hour, a hanging server (given up within loose bounds), --update-rates, --json, a batch
fetching once, and a query without a currency that never touches the cache.

Usage: check_cli_currency.py PATH_TO_CONVERTER PATH_TO_FETCH_HELPER RATES_DIR
"""
import datetime
import json
import pathlib
import re
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, sys.argv[3])
from rates_server import RatesServer, helper_environment  # noqa: E402

CONVERTER, HELPER, RATES = sys.argv[1], sys.argv[2], pathlib.Path(sys.argv[3])
NAME = "mezzurix-convert"
NO_RATES = f"{NAME}: no exchange rates yet: connect once, or run {NAME} --update-rates\n"
ANSWER = "100 US dollars = 92.31 euros (ECB reference rate of 2026-12-08)\n"
# The terminal waits 3 s for the helper and 2 s more for its start and the cache: only a hang
# would come near this.
GIVES_UP_WITHIN = 12

failures = []
checked = 0


def check(name, ok, detail=""):
    global checked
    checked += 1
    if not ok:
        failures.append(f"{name}: {detail}")


def convert(server, cache, *args, path="rates.xml", offline=None, stdin=None):
    env = helper_environment(cache, server.url(path))
    env["MEZZURIX_FETCH_RATES"] = HELPER
    env["LC_ALL"] = "C.UTF-8"
    if offline is not None:
        env["MEZZURIX_OFFLINE"] = offline
    started = time.monotonic()
    run = subprocess.run([CONVERTER, *args], env=env, input=stdin, capture_output=True, text=True, timeout=60)
    return run, time.monotonic() - started


def write_cache(cache, date, rates_text):
    """The cache as a fetch on the evening of `date` (or now, for today) leaves it."""
    folder = cache / "mezzurix"
    folder.mkdir(parents=True, exist_ok=True)
    evening = datetime.datetime.combine(date, datetime.time(18), datetime.timezone.utc).timestamp()
    fetched = int(min(evening, time.time()))
    lines = ["mezzurix exchange rates 1", f"date {date.isoformat()}", f"fetched {fetched}", *rates_text, ""]
    (folder / "exchange-rates").write_text("\n".join(lines))


with RatesServer(RATES / "responses") as server, tempfile.TemporaryDirectory() as scratch:
    scratch = pathlib.Path(scratch)
    recorded = [f"{c} {r}" for c, r in re.findall(r"currency='([A-Z]{3})' rate='([0-9.]+)'", server.recorded.decode())]
    today = datetime.datetime.now(datetime.timezone.utc).date()

    # No rates: offline by the environment or by the option, nothing is requested.
    for name, args, offline in [("environment", [], "1"), ("option", ["--offline"], None)]:
        cache = scratch / f"none-{name}"
        run, _ = convert(server, cache, *args, "100 usd to eur", offline=offline)
        check(f"no rates, offline ({name})", run.returncode == 2 and run.stdout == "" and run.stderr == NO_RATES, run)
    check("offline asks nothing", server.requests == [], server.requests)

    # A query without a currency never opens the cache, let alone fetches.
    cache = scratch / "units"
    run, _ = convert(server, cache, "24 in to ft")
    check("units answer", run.returncode == 0 and run.stdout == "24 Inches = 2 Feet\n", run)
    check("units leave the cache alone", not cache.exists() and server.requests == [], server.requests)

    # A fetch, and none again right after it.
    cache = scratch / "fetch"
    run, _ = convert(server, cache, "100 usd to eur")
    check("fetched answer", run.returncode == 0 and run.stdout == ANSWER and run.stderr == "", run)
    check("one request", len(server.requests) == 1, server.requests)
    check("cache written", (cache / "mezzurix" / "exchange-rates").is_file())
    requests = len(server.requests)
    run, _ = convert(server, cache, "£50 in €")
    check("just fetched: not again", run.returncode == 0 and len(server.requests) == requests and
          run.stdout == "50 pounds sterling = 59.12 euros (ECB reference rate of 2026-12-08)\n", (run, server.requests))

    # Rates of today are the latest there can be: answered without a request.
    cache = scratch / "today"
    write_cache(cache, today, recorded)
    requests = len(server.requests)
    run, _ = convert(server, cache, "--json", "20000 yen to dollars")
    answer = json.loads(run.stdout) if run.returncode == 0 else {}
    check("cached answer", answer.get("text") == "133.03" and answer.get("rate_date") == today.isoformat() and
          abs(answer.get("rate", 0) - 1.0833 / 162.87) < 1e-15 and answer.get("from") == "JPY", run)
    check("cached answer asks nothing", len(server.requests) == requests, server.requests)
    run, _ = convert(server, cache, "--json", "1e308 eur to jpy")
    check("result out of range", run.returncode == 2 and json.loads(run.stdout).get("error") == "result-out-of-range", run)
    # A currency the rates kept lack is refused by name.
    partial = scratch / "partial"
    write_cache(partial, today, [line for line in recorded if not line.startswith("JPY ")])
    run, _ = convert(server, partial, "1 eur to yen")
    check("a rate missing", run.returncode == 2 and
          f"the exchange rates of {today.isoformat()} hold no rate for JPY" in run.stderr, run)
    # --update-rates fetches all the same.
    run, _ = convert(server, cache, "--update-rates")
    check("update now", run.returncode == 0 and "2026-12-08" in run.stdout and len(server.requests) == requests + 1, run)
    run, _ = convert(server, cache, "--offline", "--update-rates")
    check("update and offline exclude each other", run.returncode == 1, run)

    # Stale rates are used, offline, and the answer says how old they are.
    cache = scratch / "stale"
    old = today - datetime.timedelta(days=20)
    write_cache(cache, old, recorded)
    run, _ = convert(server, cache, "100 usd to eur", offline="1")
    check("stale answer", run.returncode == 0 and
          run.stdout == f"100 US dollars = 92.31 euros (ECB reference rate of {old.isoformat()}, 20 days old)\n", run)

    # A failed fetch: the cached rates answer, and no new attempt within the hour.
    cache = scratch / "failed"
    write_cache(cache, old, recorded)
    requests = len(server.requests)
    run, _ = convert(server, cache, "100 usd to eur", path="status/404")
    check("cached after a failure", run.returncode == 0 and "20 days old" in run.stdout and
          "could not update the exchange rates" in run.stderr and len(server.requests) == requests + 1, run)
    run, _ = convert(server, cache, "100 usd to eur", path="status/404")
    check("no attempt within the hour", run.returncode == 0 and "20 days old" in run.stdout and
          len(server.requests) == requests + 1, (run, server.requests))

    # A hanging server: the terminal gives up and answers from the cache, or refuses without one.
    cache = scratch / "hang"
    write_cache(cache, old, recorded)
    run, took = convert(server, cache, "100 usd to eur", path="hang")
    check("hang answered from the cache", run.returncode == 0 and "20 days old" in run.stdout and took < GIVES_UP_WITHIN,
          (run, took))
    run, took = convert(server, scratch / "hang-empty", "100 usd to eur", path="hang")
    check("hang without rates refused", run.returncode == 2 and run.stderr.endswith(NO_RATES) and took < GIVES_UP_WITHIN,
          (run, took))

    # A batch asks once, whatever the number of currency queries.
    cache = scratch / "batch"
    requests = len(server.requests)
    run, _ = convert(server, cache, "-t", stdin="100 usd to eur\n24 in ft\n1 eur in jpy\n$20 to chf\n")
    check("batch answers", run.returncode == 0 and run.stdout == "92.31\n2\n163\n17.56\n", run)
    check("batch fetches once", len(server.requests) == requests + 1, server.requests)

print(f"{checked} checks, {len(failures)} failed")
for failure in failures:
    print("FAIL", failure)
sys.exit(1 if failures else 0)
