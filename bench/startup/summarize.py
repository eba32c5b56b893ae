#!/usr/bin/python3
"""Summarises the rows of startup_probe: median, min and max per program, and every other
program's figures as ratios of the baseline's ("minimal") measured in the same run.

Two ratios are given: of the medians, and the median of the per-round ratios (each program's run
against the baseline's run of the same round), which follows the load of the machine less."""

import csv
import statistics
import sys

BASELINE = "minimal"
COLUMNS = [
    ("first_window_ms", "exec -> welcome box mapped", "ms"),
    ("box_to_main_ms", "Return on box -> main window mapped", "ms"),
    ("first_window_cpu_ms", "CPU time to welcome box mapped", "ms"),
    ("box_to_main_cpu_ms", "CPU time, Return -> main window mapped", "ms"),
    ("rss_kb", "VmRSS after 1 s idle", "kB"),
    ("pss_kb", "Pss after 1 s idle", "kB"),
    ("private_kb", "Private (clean + dirty) after 1 s idle", "kB"),
    ("cpu_ms", "CPU time, user + system, whole run", "ms"),
]


def value(row: dict[str, str], column: str) -> float | None:
    number = float(row.get(column) or -1)
    return number if number >= 0 else None


def main() -> int:
    rows = list(csv.DictReader(sys.stdin, delimiter="\t"))
    by_program: dict[str, dict[int, dict[str, str]]] = {}
    for row in rows:
        by_program.setdefault(row["program"], {})[int(row["round"])] = row

    medians: dict[tuple[str, str], float] = {}
    for program, runs in by_program.items():
        print(f"{program} ({len(runs)} runs)")
        for column, title, unit in COLUMNS:
            values = [v for run in runs.values() if (v := value(run, column)) is not None]
            if not values:
                print(f"  {title:40} no value")
                continue
            median = statistics.median(values)
            medians[(program, column)] = median
            print(f"  {title:40} median {median:9.1f} {unit}   min {min(values):9.1f}"
                  f"   max {max(values):9.1f}")

    baseline = by_program.get(BASELINE)
    for program, runs in by_program.items():
        if program == BASELINE or baseline is None:
            continue
        print(f"ratios {program}/{BASELINE}: of medians, median of per-round ratios")
        for column, title, _ in COLUMNS:
            b = medians.get((BASELINE, column))
            a = medians.get((program, column))
            paired = []
            for round_, run in runs.items():
                other = baseline.get(round_)
                x = value(run, column)
                y = value(other, column) if other else None
                if x is not None and y:
                    paired.append(x / y)
            if a is not None and b and paired:
                print(f"  {title:40} {a / b:6.3f}   {statistics.median(paired):6.3f}")

    failed = [row for row in rows if value(row, "pss_kb") is None]
    if failed:
        print(f"{len(failed)} run(s) failed")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
