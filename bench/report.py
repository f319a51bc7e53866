#!/usr/bin/env python3
"""Prints each converter stage beside its baseline from a Google Benchmark
JSON file (run with --benchmark_repetitions): the median time and
throughput of each, and the ratio stage / baseline of the medians and of the
fastest repetitions. On a shared machine the fastest repetition is the one
least disturbed by others.

usage: bench/report.py results.json
"""
import json
import sys

PAIRS = [
    ("BM_TextImport", "BM_TextImportBaseline"),
    ("BM_BinaryImport", "BM_BinaryImportBaseline"),
    ("BM_Convert", "BM_ConvertBaseline"),
    ("BM_WriteMap", "BM_WriteMapBaseline"),
    ("BM_EndToEnd", "BM_EndToEndBaseline"),
]


def throughput(run):
    if "bytes_per_second" in run:
        return "%.0f MB/s" % (run["bytes_per_second"] / 1e6)
    if "items_per_second" in run:
        return "%.2f M triangles/s" % (run["items_per_second"] / 1e6)
    return ""


def main(path):
    with open(path) as handle:
        runs = json.load(handle)["benchmarks"]
    medians, fastest = {}, {}
    for run in runs:
        name, size = run["run_name"].split("/")[:2]
        key = (name, int(size))
        if run.get("run_type") == "aggregate":
            if run.get("aggregate_name") == "median":
                medians[key] = run
        else:
            fastest[key] = min(fastest.get(key, run["real_time"]), run["real_time"])
            medians.setdefault(key, run)  # without repetitions there is no median
    print("| stage | triangles | median (ms) | throughput | baseline median (ms) | baseline throughput"
          " | ratio of medians | ratio of fastest |")
    print("|---|---:|---:|---:|---:|---:|---:|---:|")
    for stage, baseline in PAIRS:
        for size in sorted({s for (n, s) in medians if n == stage}):
            real, base = medians[(stage, size)], medians.get((baseline, size))
            if base is None:
                continue
            print("| %s | %d | %.1f | %s | %.1f | %s | %.2f | %.2f |" % (
                stage[3:], size, real["real_time"], throughput(real), base["real_time"],
                throughput(base), real["real_time"] / base["real_time"],
                fastest[(stage, size)] / fastest[(baseline, size)]))


if __name__ == "__main__":
    main(sys.argv[1])
