#!/usr/bin/env python3
"""Whole-process timing of the editor's start-up against a bare Qt main window, side by side.

  A: kvxedit FILE, FILE the image of the large sample database (about 1 MiB: 64 networks, 6,000
     transponders, 20,000 programs), ended by KVXEDIT_QUIT_WHEN_PAINTED once its titled window's tree
     was painted
  B: kvx_bare_window, a QMainWindow with a tree, a dock, a menu and a toolbar, ended the same way

Both run on the offscreen platform with fresh settings, in turn (A B A B ..., after one warm-up of
each). It prints the median, minimum and maximum of wall and CPU time, and the median of the per-pair
ratio of wall times A/B; the goal is a ratio of at most 1.25. The system load before and after is
printed: the figures are only worth quoting from a quiet machine.

usage: scripts/time-startup.py [--build DIR] [--runs N]
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

GOAL = 1.25


def run_once(argv, env):
    """Runs argv once; returns (wall seconds, CPU seconds of the process and its threads)."""
    start = time.perf_counter()
    proc = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.perf_counter() - start
    err = proc.stderr.read()
    proc.stderr.close()
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        sys.exit(f"{' '.join(argv)} failed ({code}): {err.decode(errors='replace')}")
    return wall, usage.ru_utime + usage.ru_stime


def report(key, argv, times):
    walls = [t[0] * 1000 for t in times]
    cpus = [t[1] * 1000 for t in times]
    print(f"  {key} {' '.join(os.path.basename(x) for x in argv)}")
    print(f"    wall ms  median {statistics.median(walls):6.1f}  min {min(walls):6.1f}  max {max(walls):6.1f}")
    print(f"    cpu ms   median {statistics.median(cpus):6.1f}  min {min(cpus):6.1f}  max {max(cpus):6.1f}")


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(root, "build"), help="build folder (default build/)")
    parser.add_argument("--runs", type=int, default=21, help="counted runs of each command (default 21)")
    args = parser.parse_args()

    editor = os.path.join(args.build, "src", "kvxedit")
    bare = os.path.join(args.build, "tests", "kvx_bare_window")
    generator = os.path.join(args.build, "tests", "bench", "kvx_bench_inputs")
    for tool in (editor, bare, generator):
        if not os.access(tool, os.X_OK):
            sys.exit(f"{tool} is missing: build the targets kvxedit, kvx_bare_window and kvx_bench_inputs")

    with tempfile.TemporaryDirectory() as work:
        image = os.path.join(work, "sample.kvx")
        subprocess.run([generator, os.path.join(work, "mixed.bin"), image], check=True)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", KVXEDIT_QUIT_WHEN_PAINTED="1",
                   XDG_CONFIG_HOME=os.path.join(work, "config"), XDG_RUNTIME_DIR=work)
        a, b = [editor, image], [bare]
        print(f"load before: {load()}   runs: {args.runs}   cores: {os.cpu_count()}")
        run_once(a, env)
        run_once(b, env)
        times = {"A": [], "B": []}
        ratios = []
        for _ in range(args.runs):
            times["A"].append(run_once(a, env))
            times["B"].append(run_once(b, env))
            ratios.append(times["A"][-1][0] / times["B"][-1][0])
        report("A", a, times["A"])
        report("B", b, times["B"])
        ratio = statistics.median(ratios)
        print(f"  wall A/B median {ratio:.3f}  min {min(ratios):.3f}  max {max(ratios):.3f}")
        print(f"load after: {load()}")
        print(f"start-up within {GOAL}x of the bare window" if ratio <= GOAL else f"start-up over {GOAL}x")


if __name__ == "__main__":
    main()
