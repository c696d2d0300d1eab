#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""mezzurix-convert against GNU units and qalc: one-shot conversions, a batch of random queries on
standard input, and peak resident memory, in interleaved rounds. The same batch is also given to
mezzurix-convert as questions ("how many ft are in 24 in?"), which it reads in full every time:
it keeps the units of plain queries it has read, and not those of questions.

Usage: bench_cli.py MEZZURIX_CONVERT [rounds]
"""
import os
import random
import statistics
import sys
import tempfile
import time

CONVERTER = sys.argv[1]
ROUNDS = int(sys.argv[2]) if len(sys.argv) > 2 else 15
ONE_SHOT_RUNS = 10        # process starts per tool and round
BATCH_QUERIES = 100_000
BATCH_ROUNDS = 5       # the converter's batch takes tens of milliseconds: a burst of load can double one round
QALC_QUERIES = 1_000      # qalc idles about 20 ms a line, so it gets a slice of the batch
SEED = 9

# Units all three programs read under the same names.
UNITS = [["in", "ft", "yd", "mi", "mm", "cm", "m", "km"], ["oz", "lb", "g", "kg"]]

ONE_SHOT = {
    "mezzurix-convert": [CONVERTER, "24", "in", "ft"],
    # Answered from a cache of today's rates, which it reads and never refreshes.
    "mezzurix-convert `100 usd to eur`": [CONVERTER, "100", "usd", "eur"],
    "units": ["units", "-t", "24 in", "ft"],
    "qalc": ["qalc", "-t", "24 in to ft"],
    "true (process start)": ["/bin/true"],
}


def spawn(argv, stdin_path=None, stdout_path=os.devnull):
    """Runs argv to its end; returns wall seconds and user+system seconds."""
    stdin = os.open(stdin_path or os.devnull, os.O_RDONLY)
    stdout = os.open(stdout_path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
    devnull = os.open(os.devnull, os.O_WRONLY)
    actions = [(os.POSIX_SPAWN_DUP2, stdin, 0), (os.POSIX_SPAWN_DUP2, stdout, 1),
               (os.POSIX_SPAWN_DUP2, devnull, 2)]
    start = time.perf_counter()
    pid = os.posix_spawnp(argv[0], argv, os.environ, file_actions=actions)
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    for fd in (stdin, stdout, devnull):
        os.close(fd)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{argv[0]} failed with {status}")
    return wall, usage.ru_utime + usage.ru_stime


def peak_memory(argv, stdin_path=None):
    """Peak resident memory in KiB, as /usr/bin/time -f %M reports it (a run of its own: the
    spawning process's own memory would count in a child that has not yet called exec)."""
    with tempfile.NamedTemporaryFile("r") as report:
        spawn(["/usr/bin/time", "-f", "%M", "-o", report.name, *argv], stdin_path)
        return int(report.read().split()[-1])


def write_queries(folder):
    rng = random.Random(SEED)
    queries = []
    for _ in range(BATCH_QUERIES):
        group = rng.choice(UNITS)
        queries.append((f"{rng.uniform(0, 1000):.3f}", rng.choice(group), rng.choice(group)))
    paths = {name: os.path.join(folder, name) for name in ("typed", "questions", "units", "qalc")}
    with open(paths["typed"], "w") as f:
        f.writelines(f"{v} {a} to {b}\n" for v, a, b in queries)
    with open(paths["questions"], "w") as f:
        f.writelines(f"how many {b} are in {v} {a}?\n" for v, a, b in queries)
    with open(paths["units"], "w") as f:  # units -t: a "have" line, then a "want" line
        f.writelines(f"{v} {a}\n{b}\n" for v, a, b in queries)
    with open(paths["qalc"], "w") as f:
        f.writelines(f"{v} {a} to {b}\n" for v, a, b in queries[:QALC_QUERIES])
    return paths


def first_number(line):
    """The answer's number; None for qalc's mixed units (1 lb + 5.63 oz) and anything else."""
    words = line.split()
    if not words or "+" in words:
        return None
    try:
        return float(words[0])
    except ValueError:
        return None


def agreement(path_a, path_b, count):
    """Of the answers both programs give as one number: how many, and how many differ by more
    than one part in a million."""
    with open(path_a) as a, open(path_b) as b:
        pairs = list(zip(a.read().splitlines()[:count], b.read().splitlines()[:count]))
    compared = differ = 0
    for x, y in pairs:
        u, v = first_number(x), first_number(y)
        if u is None or v is None:
            continue
        compared += 1
        if abs(u - v) > 1e-6 * max(abs(u), abs(v), 1e-300):
            differ += 1
    return differ, compared


def cache_rates(folder):
    """Today's rates in a cache of their own under `folder`, and no fetch: the currency query
    reads them and asks nothing of the network."""
    os.makedirs(os.path.join(folder, "mezzurix"))
    today = time.strftime("%Y-%m-%d", time.gmtime())
    with open(os.path.join(folder, "mezzurix", "exchange-rates"), "w") as f:
        f.write(f"mezzurix exchange rates 1\ndate {today}\nfetched {int(time.time())}\nUSD 1.0833\nGBP 0.84580\n")
    os.environ["XDG_CACHE_HOME"] = folder
    os.environ["MEZZURIX_OFFLINE"] = "1"


def main():
    rates_folder = tempfile.TemporaryDirectory()
    cache_rates(rates_folder.name)
    one_shot = {name: [] for name in ONE_SHOT}
    for round_number in range(ROUNDS + 1):  # round 0 warms the caches and is not counted
        names = list(ONE_SHOT)
        names = names[round_number % len(names):] + names[:round_number % len(names)]
        for _ in range(ONE_SHOT_RUNS):
            for name in names:
                wall, _ = spawn(ONE_SHOT[name])
                if round_number > 0:
                    one_shot[name].append(wall)
    one_shot_memory = {name: statistics.median(peak_memory(argv) for _ in range(3)) for name, argv in ONE_SHOT.items()}

    with tempfile.TemporaryDirectory() as folder:
        paths = write_queries(folder)
        outputs = {name: os.path.join(folder, name + ".out")
                   for name in ("mezzurix-convert", "mezzurix-convert, questions", "units", "qalc")}
        batch = {
            "mezzurix-convert": ([CONVERTER, "-t"], paths["typed"], BATCH_QUERIES),
            "mezzurix-convert, questions": ([CONVERTER, "-t"], paths["questions"], BATCH_QUERIES),
            "units": (["units", "-t"], paths["units"], BATCH_QUERIES),
            "qalc": (["qalc", "-t", "-f", "-"], paths["qalc"], QALC_QUERIES),
        }
        timing = {name: [] for name in batch}
        for round_number in range(BATCH_ROUNDS):
            names = list(batch)
            for name in names[round_number % len(names):] + names[:round_number % len(names)]:
                argv, stdin, count = batch[name]
                wall, cpu = spawn(argv, stdin, outputs[name])
                timing[name].append((wall, cpu))
        batch_memory = {name: peak_memory(argv, stdin) for name, (argv, stdin, _) in batch.items()}
        with open(outputs["mezzurix-convert"]) as plain, open(outputs["mezzurix-convert, questions"]) as asked:
            questions_agree = plain.read() == asked.read()
        differ_units = agreement(outputs["mezzurix-convert"], outputs["units"], BATCH_QUERIES)
        differ_qalc = agreement(outputs["mezzurix-convert"], outputs["qalc"], QALC_QUERIES)

    print(f"One-shot `24 in to ft` (and a currency query), median of {ROUNDS} interleaved rounds x {ONE_SHOT_RUNS} process starts:")
    print()
    print("| program | wall time | time / units | peak resident memory |")
    print("| --- | --- | --- | --- |")
    units_time = statistics.median(one_shot["units"])
    for name in ONE_SHOT:
        median = statistics.median(one_shot[name])
        print(f"| {name} | {median * 1e3:.2f} ms | {median / units_time:.2f} | {one_shot_memory[name] / 1024:.1f} MiB |")
    print()
    print(f"Batch of random queries on standard input (seed {SEED}), best of {BATCH_ROUNDS} interleaved rounds:")
    print()
    print("| program | queries | wall time | per query | CPU per query | queries/s | throughput / units"
          " | peak resident memory |")
    print("| --- | --- | --- | --- | --- | --- | --- | --- |")
    best = {name: min(runs) for name, runs in timing.items()}
    units_rate = BATCH_QUERIES / best["units"][0]
    for name, (wall, cpu) in best.items():
        count = batch[name][2]
        rate = count / wall
        print(f"| {name} | {count:,} | {wall:.3f} s | {wall / count * 1e6:.2f} µs | {cpu / count * 1e6:.2f} µs |"
              f" {rate:,.0f} | {rate / units_rate:.2f} | {batch_memory[name] / 1024:.1f} MiB |")
    print()
    print(f"Answers that differ by more than 1e-6 from units: {differ_units[0]} of {differ_units[1]};"
          f" from qalc: {differ_qalc[0]} of {differ_qalc[1]} (qalc's mixed-unit answers left out).")
    print(f"The questions' answers {'are' if questions_agree else 'are NOT'} those of the plain queries.")


main()
