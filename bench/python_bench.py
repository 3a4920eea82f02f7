"""The Python module's cost next to the C++ it wraps.

    /usr/bin/python3 bench/python_bench.py [--build build] [--repeats 5] [--cases 10000]

1. One run of the V-2 preset through zarv.Flight.run() against the same run in C++
   (BM_V2Preset of build/bench/zarv_bench_run): the module's overhead per run.
2. A Monte Carlo study of the V-2 through a Dask LocalCluster of 2 worker processes against
   zarv-run with 2 threads, both writing the table; the tables must be the same bytes. The
   cluster is started once, as a notebook starts it, and its start is reported apart.

Medians of the repeats; goals: an overhead under 5 % and Dask within 1.3 x of zarv-run.
"""

import argparse
import json
import os
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time

VARY = {"Schub": "normal:3%", "MassaStart": "uniform:12000:13000"}
SEED = 7


def cpp_run_ms(build):
    done = subprocess.run(
        [str(build / "bench" / "zarv_bench_run"), "--benchmark_filter=^BM_V2Preset/",
         "--benchmark_min_time=0.1", "--benchmark_format=json"],
        capture_output=True, text=True, check=True)
    rows = json.loads(done.stdout)["benchmarks"]
    return next(r["real_time"] for r in rows if r.get("aggregate_name") == "median")


def python_run_ms(zarv, repeats=7, runs=40):
    flight = zarv.Flight.preset("8:0")
    flight.run()
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        for _ in range(runs):
            flight.run()
        times.append((time.perf_counter() - start) / runs * 1e3)
    return statistics.median(times)


def cli_study_s(build, work, cases):
    args = [str(build / "src" / "tools" / "zarv-run"), "--preset", "8:0", "--monte-carlo", str(cases),
            "--seed", str(SEED), "--threads", "2", "--out", "cli.csv"]
    for name, spec in VARY.items():
        args += ["--vary", f"{name}={spec}"]
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
    parser.add_argument("--cases", type=int, default=10000)
    options = parser.parse_args()
    build = options.build.resolve()
    sys.path.insert(0, str(build / "python"))
    os.environ["PYTHONPATH"] = os.pathsep.join(filter(None, [str(build / "python"), os.environ.get("PYTHONPATH")]))
    import zarv

    # Taken in turns of about a second each and compared pair by pair, so that a machine
    # busy for a while weighs on both alike.
    cpp, module = [], []
    for _ in range(2 * options.repeats + 1):
        cpp.append(cpp_run_ms(build))
        module.append(python_run_ms(zarv))
    overhead = statistics.median(m / c - 1 for m, c in zip(module, cpp))
    print(f"V-2 run: C++ {statistics.median(cpp):.3f} ms, zarv.Flight.run() {statistics.median(module):.3f} ms, "
          f"overhead {100 * overhead:+.1f} % (median of {len(cpp)} pairs; goal: under 5 %)")

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
