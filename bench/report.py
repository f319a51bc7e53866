#!/usr/bin/env python3
"""Prints each converter stage beside its baseline from a Google Benchmark
JSON file: time, throughput and the ratio stage time / baseline time.

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
    # With repetitions, the median stands for the benchmark.
    table = {}
    for run in runs:
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
            continue
        name, size = run["run_name"].split("/")[:2]
        table[(name, int(size))] = run
    print("| stage | triangles | time (ms) | throughput | baseline (ms) | baseline throughput | ratio |")
    print("|---|---:|---:|---:|---:|---:|---:|")
    for stage, baseline in PAIRS:
        for size in sorted({s for (n, s) in table if n == stage}):
            real, base = table[(stage, size)], table.get((baseline, size))
            if base is None:
                continue
            ratio = real["real_time"] / base["real_time"]
            print("| %s | %d | %.1f | %s | %.1f | %s | %.2f |" % (
                stage[3:], size, real["real_time"], throughput(real), base["real_time"],
                throughput(base), ratio))


if __name__ == "__main__":
    main(sys.argv[1])
