"""The Python module's cost next to the C++ it wraps.

    /usr/bin/python3 bench/python_bench.py [--build build] [--repeats 5] [--cases 10000]

1. One run of the V-2 preset through zarv.Flight.run() against the same run in C++ on one
   calculation (as BM_V2Preset of build/bench/zarv_bench_run runs it), in turns in one
   process: the module's overhead per run.
2. A Monte Carlo study of the V-2 through a Dask LocalCluster of 2 worker processes against
   zarv-run with 2 threads, both writing the table; the tables must be the same bytes. The
   cluster is started once, as a notebook starts it, and its start is reported apart.

Medians of the repeats; goals: an overhead under 5 % and Dask within 1.3 x of zarv-run.
"""

import argparse
import os
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time

VARY = {"Schub": "normal:3%", "MassaStart": "uniform:12000:13000"}
SEED = 7


def run_overheads(zarv, pairs, runs=20):
    """Per pair: the C++ run and zarv.Flight.run() of the V-2, each timed over `runs` runs,
    one right after the other in this process, so that a machine busy for a while weighs on
    both alike."""
    flight = zarv.Flight.preset("8:0")
    flight.run()
    cpp, module = [], []
    for _ in range(pairs):
        cpp.append(zarv._zarv._bare_runs(flight, runs) / runs * 1e3)
        start = time.perf_counter()
        for _ in range(runs):
            flight.run()
        module.append((time.perf_counter() - start) / runs * 1e3)
    return cpp, module


def cli_study_s(build, work, cases):
    args = [str(build / "src" / "tools" / "zarv-run"), "--preset", "8:0", "--monte-carlo", str(cases),
            "--seed", str(SEED), "--threads", "2", "--out", "cli.csv"]
    for name, draw in VARY.items():
        args += ["--vary", f"{name}={draw}"]
    start = time.perf_counter()
    subprocess.run(args, cwd=work, stdout=subprocess.DEVNULL, check=True)
    return time.perf_counter() - start


def dask_study_s(zarv, client, work, cases):
    start = time.perf_counter()
    study = zarv.Study(zarv.Flight.preset("8:0")).monte_carlo(cases, vary=VARY, seed=SEED)
    study.run(client.get_executor()).write_csv(work / "dask.csv")
    return time.perf_counter() - start


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", type=pathlib.Path, default=pathlib.Path(__file__).parents[1] / "build")
    parser.add_argument("--repeats", type=int, default=5)
    parser.add_argument("--cases", type=int, default=10000, help="0: the runs alone")
    options = parser.parse_args()
    build = options.build.resolve()
    sys.path.insert(0, str(build / "python"))
    os.environ["PYTHONPATH"] = os.pathsep.join(filter(None, [str(build / "python"), os.environ.get("PYTHONPATH")]))
    import zarv

    cpp, module = run_overheads(zarv, 20 * options.repeats + 1)
    overhead = statistics.median(m / c - 1 for m, c in zip(module, cpp))
    print(f"V-2 run: C++ {statistics.median(cpp):.3f} ms, zarv.Flight.run() {statistics.median(module):.3f} ms, "
          f"overhead {100 * overhead:+.1f} % (median of {len(cpp)} pairs; goal: under 5 %)")

    if options.cases == 0:
        return
    # Imported after the runs are timed: its threads are no part of a run's cost.
    import distributed

    with tempfile.TemporaryDirectory() as directory:
        work = pathlib.Path(directory)
        start = time.perf_counter()
        with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, host="127.0.0.1",
                                      dashboard_address=None) as cluster, distributed.Client(cluster) as client:
            started = time.perf_counter() - start
            dask_study_s(zarv, client, work, 64)
            cli, dask = [], []
            for _ in range(options.repeats):
                cli.append(cli_study_s(build, work, options.cases))
                dask.append(dask_study_s(zarv, client, work, options.cases))
        if (work / "cli.csv").read_bytes() != (work / "dask.csv").read_bytes():
            sys.exit("the tables differ")
    c, d = statistics.median(cli), statistics.median(dask)
    print(f"{options.cases} cases: zarv-run --threads 2 {c:.2f} s, Dask on 2 workers {d:.2f} s, "
          f"{d / c:.2f} x (goal: within 1.3 x); the cluster took {started:.2f} s to start")


if __name__ == "__main__":
    main()
