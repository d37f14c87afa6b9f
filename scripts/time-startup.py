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

from sidebyside import in_turn, load, print_figures, print_ratios, run_once

GOAL = 1.25


def report(key, argv, times):
    print(f"  {key} {' '.join(os.path.basename(x) for x in argv)}")
    print_figures(times)


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
        times, ratios = in_turn(lambda: run_once(a, env), lambda: run_once(b, env), args.runs)
        report("A", a, times["A"])
        report("B", b, times["B"])
        print_ratios(ratios)
        ratio = statistics.median(ratios)
        print(f"load after: {load()}")
        print(f"start-up within {GOAL}x of the bare window" if ratio <= GOAL else f"start-up over {GOAL}x")


if __name__ == "__main__":
    main()
