#!/usr/bin/python3
"""The frame solve against dense solves of the same size, measured in one run.

Runs build/bench/frame_solve_bench for AnalyseModel and the dense GaussSolve on
the 50 x 50 grid frame, then numpy.linalg.solve (LAPACK dgesv, partial pivoting,
one thread) on a dense system with as many unknowns, and prints time, memory and
the ratios. Needs Debian's python3-numpy; the tests do not.

usage: bench/compare_dense_solvers.py [BUILD_DIR] [FIELDS]
"""

import json
import os
import resource
import subprocess
import sys
import time

# LAPACK gets one thread like the frame solver, so the ratio compares methods.
os.environ.setdefault("OPENBLAS_NUM_THREADS", "1")
os.environ.setdefault("OMP_NUM_THREADS", "1")
import numpy  # noqa: E402  (after the thread settings)


def run_benchmarks(build, fields):
    program = os.path.join(build, "bench", "frame_solve_bench")
    pattern = "BM_(AnalyseModel|DenseGaussSolve)/%d" % fields
    out = subprocess.run([program, "--benchmark_filter=" + pattern, "--benchmark_format=json"],
                         check=True, capture_output=True, text=True).stdout
    return {b["name"].split("/")[0]: b for b in json.loads(out)["benchmarks"]}


def numpy_solve(unknowns):
    """Seconds and megabytes of numpy.linalg.solve on a regular dense system."""
    rng = numpy.random.default_rng(7)
    a = rng.standard_normal((unknowns, unknowns))
    a[numpy.diag_indices(unknowns)] += unknowns  # regular and well conditioned
    b = rng.standard_normal(unknowns)
    before = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    start = time.process_time()
    x = numpy.linalg.solve(a, b)
    seconds = time.process_time() - start
    peak = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    assert numpy.allclose(a @ x, b)
    # The matrix itself plus what the solve added on top of the process's peak.
    return seconds, (a.nbytes + max(0, peak - before) * 1024) / 1e6


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    fields = int(sys.argv[2]) if len(sys.argv) > 2 else 50
    results = run_benchmarks(build, fields)
    banded = results["BM_AnalyseModel"]
    dense = results["BM_DenseGaussSolve"]
    unknowns = int(dense["unknowns"])
    lapack_s, lapack_mb = numpy_solve(unknowns)
    rows = [
        ("AnalyseModel (banded elimination)", banded["cpu_time"] / 1e3, banded["peak_heap_MB"]),
        ("GaussSolve, dense compacted system", dense["cpu_time"] / 1e3, dense["peak_heap_MB"]),
        ("numpy.linalg.solve (LAPACK dgesv, 1 thread)", lapack_s, lapack_mb),
    ]
    print("%d x %d grid frame, %d unknowns solved" % (fields, fields, unknowns))
    print("%-46s %10s %10s %12s" % ("", "CPU s", "peak MB", "time ratio"))
    for name, seconds, mb in rows:
        print("%-46s %10.3f %10.1f %12.1f" % (name, seconds, mb, seconds / rows[0][1]))


if __name__ == "__main__":
    main()
