"""What the whole-process timing scripts share: one run of a command with its wall and CPU time, two
commands run in turn, and the figures printed the same way."""

import os
import statistics
import subprocess
import sys
import time


def run_once(argv, env=None, stdout_path=None):
    """Runs argv once, its standard output into stdout_path (or nowhere); returns (wall seconds, CPU
    seconds of the process and its threads). A failing command ends the script."""
    out = open(stdout_path, "wb") if stdout_path else subprocess.DEVNULL
    try:
        start = time.perf_counter()
        proc = subprocess.Popen(argv, env=env, stdout=out, stderr=subprocess.PIPE)
        _, status, usage = os.wait4(proc.pid, 0)
        wall = time.perf_counter() - start
    finally:
        if stdout_path:
            out.close()
    err = proc.stderr.read()
    proc.stderr.close()
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        sys.exit(f"{' '.join(argv)} failed ({code}): {err.decode(errors='replace')}")
    return wall, usage.ru_utime + usage.ru_stime


def in_turn(run_a, run_b, runs):
    """After one warm-up of each, runs A B A B ...; returns the times of each and the ratios A/B of
    their wall times, pair by pair."""
    run_a()
    run_b()
    times = {"A": [], "B": []}
    ratios = []
    for _ in range(runs):
        times["A"].append(run_a())
        times["B"].append(run_b())
        ratios.append(times["A"][-1][0] / times["B"][-1][0])
    return times, ratios


def print_figures(times):
    """The median, minimum and maximum of the wall and CPU times, in milliseconds."""
    walls = [t[0] * 1000 for t in times]
    cpus = [t[1] * 1000 for t in times]
    print(f"    wall ms  median {statistics.median(walls):6.1f}  min {min(walls):6.1f}  max {max(walls):6.1f}")
    print(f"    cpu ms   median {statistics.median(cpus):6.1f}  min {min(cpus):6.1f}  max {max(cpus):6.1f}")


def print_ratios(ratios):
    print(f"  wall A/B median {statistics.median(ratios):.3f}  min {min(ratios):.3f}  max {max(ratios):.3f}")


def load():
    """The system's load averages: figures are only worth quoting from a quiet machine."""
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])
