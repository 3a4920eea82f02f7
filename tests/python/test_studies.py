"""Studies through the module against zarv-run's table, on every core and on executors."""

import concurrent.futures
import multiprocessing

import numpy
import pandas
import pytest

import zarv

# The same study in the module's words and zarv-run's.
STUDIES = {
    "monte carlo": (
        lambda s: s.monte_carlo(60, vary={"Schub": "normal:3%", "MassaStart": "uniform:12000:13000"}, seed=7),
        ["--monte-carlo", "60", "--vary", "Schub=normal:3%", "--vary", "MassaStart=uniform:12000:13000",
         "--seed", "7"]),
    "sweep grid": (
        lambda s: s.sweep(MassaStart="11000:14000:7").sweep("Schub=250000,270000"),
        ["--sweep", "MassaStart=11000:14000:7", "--sweep", "Schub=250000,270000"]),
    # Rejected and diverged cases: rows without numbers, their reasons quoted.
    "failed cases": (
        lambda s: s.sweep(dt0=[0.01, -1, 0.5]).sweep(V0=[100, 1e160]),
        ["--sweep", "dt0=0.01,-1,0.5", "--sweep", "V0=100,1e160"]),
}
PRESETS = {"monte carlo": "8:0", "sweep grid": "8:0", "failed cases": "1:0"}


def cli_study(cli, tmp_path, name, lang="en"):
    printed = cli("--preset", PRESETS[name], *STUDIES[name][1], "--lang", lang, "--out", "cli.csv")
    return (tmp_path / "cli.csv").read_bytes(), printed


def module_study(name, lang="en"):
    return STUDIES[name][0](zarv.Study(zarv.Flight.preset(PRESETS[name]), lang=lang))


@pytest.mark.parametrize("name", STUDIES)
def test_on_every_core_the_table_and_summary_are_zarv_runs(cli, tmp_path, name):
    table, printed = cli_study(cli, tmp_path, name, lang="de")
    result = module_study(name, lang="de").run()
    result.write_csv(tmp_path / "py.csv")
    assert (tmp_path / "py.csv").read_bytes() == table
    assert printed.endswith(result.summary()) and "Fälle" in result.summary()


def test_table_columns_hold_zarv_runs_values(cli, tmp_path):
    table, _ = cli_study(cli, tmp_path, "failed cases")
    expected = pandas.read_csv(tmp_path / "cli.csv", skiprows=1, keep_default_na=False, na_values=[""],
                               float_precision="round_trip")
    frame = module_study("failed cases").run().to_pandas()
    assert list(frame.index) == list(expected["case"])
    assert list(frame.columns[:2]) == ["dt0", "V0"]
    numbers = expected.columns[1:-2]
    assert numpy.array_equal(frame.iloc[:, :len(numbers)].to_numpy(), expected[numbers].to_numpy(), equal_nan=True)
    assert list(frame["outcome"]) == list(expected["outcome"])
    assert list(frame["reason"]) == list(expected["reason"].fillna(""))
    assert set(frame["outcome"]) == {"ground", "rejected", "diverged"}


def test_through_a_process_pool_the_table_is_zarv_runs(cli, tmp_path):
    table, summary = cli_study(cli, tmp_path, "monte carlo")
    spawn = multiprocessing.get_context("spawn")
    with concurrent.futures.ProcessPoolExecutor(2, mp_context=spawn) as pool:
        # Chunks of 7 leave a short last one.
        result = module_study("monte carlo").run(pool, chunk_size=7)
    result.write_csv(tmp_path / "py.csv")
    assert (tmp_path / "py.csv").read_bytes() == table
    assert summary.endswith(result.summary()), "the summary zarv-run prints last"


def test_through_a_dask_cluster_the_table_is_zarv_runs(cli, tmp_path):
    distributed = pytest.importorskip("distributed")
    table, summary = cli_study(cli, tmp_path, "sweep grid")
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, host="127.0.0.1",
                                  dashboard_address=None) as cluster, distributed.Client(cluster) as client:
        result = module_study("sweep grid").run(client.get_executor(), chunk_size=3)
    result.write_csv(tmp_path / "py.csv")
    assert (tmp_path / "py.csv").read_bytes() == table
    assert summary.endswith(result.summary()), "the summary zarv-run prints last"


class ChunkLosingExecutor(concurrent.futures.ThreadPoolExecutor):
    """Runs every chunk but the second."""

    def submit(self, fn, plan, first, count):
        return super().submit(fn, plan, 0 if first == count else first, count)


def test_an_executor_that_loses_cases_is_an_error():
    with ChunkLosingExecutor(1) as pool, pytest.raises(RuntimeError):
        module_study("monte carlo").run(pool, chunk_size=10)


@pytest.mark.parametrize("make", [
    lambda s: s.sweep(Schub="1:2:0"),
    lambda s: s.sweep(NoSuchInput="1:2:3"),
    lambda s: s.sweep(Schub="1:2:3").sweep(Schub="4:5:6"),
    lambda s: s.monte_carlo(10, vary={"Schub": "lognormal:3"}),
    lambda s: s.monte_carlo(0, vary={"Schub": "normal:3%"}),
    lambda s: s.sweep(Schub="1:2:3").monte_carlo(10, vary={"Schub": "normal:3%"}),
    lambda s: s.run(),
])
def test_a_study_zarv_run_refuses_is_refused_when_made(make):
    with pytest.raises(ValueError):
        make(zarv.Study(zarv.Flight.preset("8:0")))
