#!/usr/bin/env python3
"""Times embedgen against `ls -f` on asset folders of growing size.

Usage: bench/bench.py [path/to/embedgen] [--sizes 1000,20000,200000] [--runs 11]

Each folder holds names like asset_0001234.png spread over every asset kind
plus unrelated files, on tmpfs when /dev/shm exists. The commands run
interleaved (one run of each in turn, after warm-up runs), standard output
goes to /dev/null, and the table shows medians. "embedgen" writes the class
file afresh; "up to date" finds it already current.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

EXTENSIONS = ["png", "jpg", "xms", "xma", "anm", "txt"]


def make_folder(root, size):
    forest = os.path.join(root, f"n{size}", "game", "src", "world", "forest")
    os.makedirs(forest)
    for i in range(size):
        with open(os.path.join(forest, f"asset_{i:07d}.{EXTENSIONS[i % len(EXTENSIONS)]}"), "wb"):
            pass
    return forest


def run_once(command, cwd, prepare=None):
    if prepare:
        prepare()
    with open(os.devnull, "wb") as null:
        start = time.perf_counter()
        child = subprocess.Popen(command, cwd=cwd, stdout=null)
        _, status, usage = os.wait4(child.pid, 0)
        elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{command} failed in {cwd} with status {status}")
    return elapsed, usage.ru_maxrss  # seconds, KiB


def peak_memory_kib(command, cwd):
    """The command's own peak resident set. rusage of a child forked from this
    interpreter would count the interpreter's pages too, so let GNU time
    (Debian package `time`), a small process, start it."""
    if not os.path.exists("/usr/bin/time"):
        return float("nan")
    with open(os.devnull, "wb") as null:
        done = subprocess.run(["/usr/bin/time", "-f", "%M"] + command, cwd=cwd, stdout=null,
                              stderr=subprocess.PIPE, check=True)
    return int(done.stderr.split()[-1])


def measure(embedgen, forest, runs, warmup):
    class_file = os.path.join(os.path.dirname(forest), "xForest.as")

    def remove_class():
        if os.path.exists(class_file):
            os.remove(class_file)

    cases = {
        "fresh": ([embedgen], remove_class),
        "up to date": ([embedgen], None),
        "ls -f": (["ls", "-f"], None),
    }
    times = {name: [] for name in cases}
    peak = {name: 0 for name in cases}
    for round_ in range(warmup + runs):
        for name, (command, prepare) in cases.items():
            elapsed, _ = run_once(command, forest, prepare)
            if round_ >= warmup:
                times[name].append(elapsed)
    for name, (command, prepare) in cases.items():
        if prepare:
            prepare()
        peak[name] = peak_memory_kib(command, forest)
    return {name: statistics.median(values) for name, values in times.items()}, peak, os.path.getsize(class_file)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("embedgen", nargs="?", default="build/default/embedgen")
    parser.add_argument("--sizes", default="1000,20000,200000")
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--warmup", type=int, default=3)
    args = parser.parse_args()
    embedgen = os.path.abspath(args.embedgen)
    base = "/dev/shm" if os.path.isdir("/dev/shm") else None
    root = tempfile.mkdtemp(prefix="embedgen-bench-", dir=base)
    try:
        print(f"# {time.strftime('%Y-%m-%d')}, {os.cpu_count()} cores, folders in {os.path.dirname(root)}")
        print("| entries | embedgen | up to date | ls -f | ratio | per entry | peak memory | class file |")
        print("|--:|--:|--:|--:|--:|--:|--:|--:|")
        for size in (int(s) for s in args.sizes.split(",")):
            forest = make_folder(root, size)
            median, peak, class_size = measure(embedgen, forest, args.runs, args.warmup)
            print(f"| {size:,} | {median['fresh'] * 1e3:.1f} ms | {median['up to date'] * 1e3:.1f} ms "
                  f"| {median['ls -f'] * 1e3:.1f} ms | {median['fresh'] / median['ls -f']:.2f} "
                  f"| {median['fresh'] / size * 1e9:.0f} ns | {max(peak['fresh'], peak['up to date']) / 1024:.1f} MiB "
                  f"| {class_size / 2**20:.2f} MiB |", flush=True)
            shutil.rmtree(os.path.join(root, f"n{size}"))
    finally:
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
