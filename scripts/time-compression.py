#!/usr/bin/env python3
"""Whole-process timing of kvxtool's compression against gzip -6 on the same input.

Two pairs, each run side by side (A B A B ..., after one warm-up of each):
  mixed:   kvxtool lh5 compress   vs  gzip -6 -c   on 1 MiB of mixed text and binary data
  convert: kvxtool convert --compressed  vs  gzip -6 -c   on the image of the large sample database

For every command it prints the median, minimum and maximum of wall time and of CPU time (user +
system, all threads), and the median of the per-pair ratio of wall times A/B; a ratio <= 1 means
kvxtool was no slower. The inputs come from kvx_bench_inputs (built with the benchmarks), so they are
exactly what the benchmarks compress. The system load before and after is printed: the figures are
only worth quoting from a quiet machine.

convert saves as the editor does, syncing the file to the disk before it replaces the target; gzip -c
does not. To see the figures without the disk's share, give --work a folder on tmpfs (/dev/shm).

usage: scripts/time-compression.py [--build DIR] [--kvxtool PATH] [--runs N] [--work DIR]
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile

from sidebyside import in_turn, load, print_figures, print_ratios, run_once


def compare(name, a, b, runs, work, written_a):
    """Times a against b (b writes to standard output); written_a is the file a writes."""
    out_a = os.path.join(work, "a.stdout")
    out_b = os.path.join(work, "b.stdout")
    times, ratios = in_turn(lambda: run_once(a, stdout_path=out_a), lambda: run_once(b, stdout_path=out_b), runs)
    print(f"\n{name}")
    for key, argv, out in (("A", a, written_a), ("B", b, out_b)):
        print(f"  {key} {' '.join(os.path.basename(x) if i == 0 else x for i, x in enumerate(argv))}")
        print_figures(times[key])
        print(f"    output   {os.path.getsize(out):,} bytes")
    print_ratios(ratios)
    return statistics.median(ratios)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(root, "build"), help="build folder (default build/)")
    parser.add_argument("--runs", type=int, default=11, help="counted runs of each command (default 11)")
    parser.add_argument("--kvxtool", help="the kvxtool to time (default: the build folder's)")
    parser.add_argument("--work", help="folder for inputs and outputs (default: a new temporary folder)")
    args = parser.parse_args()

    kvxtool = args.kvxtool or os.path.join(args.build, "src", "cli", "kvxtool")
    generator = os.path.join(args.build, "tests", "bench", "kvx_bench_inputs")
    for tool in (kvxtool, generator):
        if not os.access(tool, os.X_OK):
            sys.exit(f"{tool} is missing: build the targets kvxtool and kvx_bench_inputs")

    with tempfile.TemporaryDirectory() as temporary:
        work = args.work or temporary
        os.makedirs(work, exist_ok=True)
        mixed = os.path.join(work, "mixed.bin")
        image = os.path.join(work, "sample.kvx")
        subprocess.run([generator, mixed, image], check=True)
        print(f"load before: {load()}   runs: {args.runs}   cores: {os.cpu_count()}")
        stream = os.path.join(work, "mixed.lh5")
        packed = os.path.join(work, "sample.ckvx")
        ratios = [
            compare("mixed (1 MiB)", [kvxtool, "lh5", "compress", "--force", mixed, stream], ["gzip", "-6", "-c", mixed],
                    args.runs, work, stream),
            compare(f"convert (sample image, {os.path.getsize(image):,} bytes)",
                    [kvxtool, "convert", "--compressed", "--force", image, packed], ["gzip", "-6", "-c", image], args.runs,
                    work, packed),
        ]
        print(f"\nload after: {load()}")
        print("kvxtool no slower than gzip -6 in both" if max(ratios) <= 1.0 else "kvxtool slower than gzip -6")


if __name__ == "__main__":
    main()
