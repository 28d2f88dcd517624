"""Puts startup_bench's JSON results side by side: per program the median, the
quartiles and the extremes of its start-up time and its memory, and the ratio
orvandel / minimal window of the medians.
Usage: python3 bench/summarize.py RESULTS.json"""

import json
import statistics
import sys

AIM = 1.10  # orvandel should cost at most this much more than the minimal program


def quartiles(values):
    if len(values) < 2:
        return values[0], values[0]
    low, _, high = statistics.quantiles(values, n=4)
    return low, high


def main(path):
    with open(path) as results:
        runs = json.load(results)["benchmarks"]
    measured = {}
    for run in runs:
        if run.get("run_type") == "iteration" and not run.get("error_occurred"):
            name = run["run_name"].split("/")[1]  # startup/NAME/...
            seconds = run["real_time"] * {"ms": 1e-3, "us": 1e-6, "ns": 1e-9, "s": 1.0}[run["time_unit"]]
            measured.setdefault(name, {"time": [], "rss": []})
            measured[name]["time"].append(seconds * 1000)
            measured[name]["rss"].append(run["rss"] / 2**20)
    if set(measured) != {"orvandel", "minimal_window"}:
        sys.exit(f"summarize: expected results of both programs, got {sorted(measured)}")

    print(f"\n{'':16}{'what':14}{'median':>9}{'quartiles':>19}{'min..max':>19}{'starts':>8}")
    medians = {}
    for name in ("orvandel", "minimal_window"):
        for what, unit in (("time", "ms"), ("rss", "MiB")):
            values = measured[name][what]
            medians[name, what] = median = statistics.median(values)
            low, high = quartiles(values)
            label = "to window" if what == "time" else "resident"
            print(f"{name:16}{label + ' ' + unit:14}{median:9.1f}{low:9.1f}..{high:<8.1f}"
                  f"{min(values):9.1f}..{max(values):<8.1f}{len(values):>6}")
    print()
    for what, label in (("time", "start-up time"), ("rss", "resident memory")):
        ratio = medians["orvandel", what] / medians["minimal_window", what]
        verdict = "within" if ratio <= AIM else "OVER"
        print(f"orvandel / minimal, {label + ':':17} {ratio:.3f}  ({verdict} the aim of {AIM})")


if __name__ == "__main__":
    main(sys.argv[1])
