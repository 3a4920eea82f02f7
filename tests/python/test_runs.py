"""One flight through the module against zarv-run: the same files, errors as exceptions."""

import concurrent.futures
import csv
import math
import pathlib
import re
import subprocess
import sys
import textwrap

import numpy
import pytest

import zarv
from conftest import ZARV_RUN, zarv_run

# A flight's settings in the module's words and zarv-run's.
SETTINGS = [
    ({}, []),
    ({"earth": "round", "integrator": "rk4"}, ["--earth", "round", "--integrator", "rk4"]),
    ({"integrator": "adaptive", "rtol": 1e-8}, ["--integrator", "adaptive", "--rtol", "1e-8"]),
    ({"dt0": 0.005, "Schub": 2.8e5}, ["--set", "dt0=0.005", "--set", "Schub=280000"]),
]


def test_result_files_equal_zarv_runs_byte_for_byte(tmp_path):
    cases = [(p["id"], {}, []) for p in zarv.presets()]
    cases += [("8:0", changes, args) for changes, args in SETTINGS[1:]] + [("7:2", *SETTINGS[1])]
    differ = []
    for n, (preset, changes, args) in enumerate(cases):
        case_dir = tmp_path / str(n)
        (case_dir / "py").mkdir(parents=True)
        zarv_run(case_dir, "--preset", preset, "--quiet", *args)
        zarv.Flight.preset(preset).set(**changes).run().write_result_file(case_dir / "py")
        if (case_dir / "Zarv_500.txt").read_bytes() != (case_dir / "py" / "Zarv_500.txt").read_bytes():
            differ.append(f"{preset} {args}")
    assert not differ, f"result files that differ from zarv-run's: {differ}"


def test_flight_saved_here_runs_in_zarv_run_to_the_same_file(tmp_path):
    flight = zarv.Flight.preset("8:0").set(dt0=0.02, Mt=8000.0, earth="round", integrator="rk4")
    flight.name, flight.notes = "Heavier V-2", "less propellant"
    flight.save(tmp_path / "v2.zarv")
    zarv_run(tmp_path, "--flight", "v2.zarv", "--quiet")
    loaded = zarv.Flight.load(tmp_path / "v2.zarv")
    (tmp_path / "py").mkdir()
    loaded.run().write_result_file(tmp_path / "py")
    assert (tmp_path / "Zarv_500.txt").read_bytes() == (tmp_path / "py" / "Zarv_500.txt").read_bytes()
    assert (loaded.name, loaded.notes, loaded.preset_id) == ("Heavier V-2", "less propellant", "8:0")
    assert (loaded.earth, loaded.integrator, loaded.dt0, loaded.Mt) == ("round", "rk4", 0.02, 8000.0)


# zarv-run's CSV names each row's unit; the arrays are the same numbers in SI units.
TO_SI = {"s": 1, "min": 60, "h": 3600, "m": 1, "km": 1e3, "m/s": 1, "km/s": 1e3, "Pa": 1, "kPa": 1e3,
         "MPa": 1e6, "N": 1, "kN": 1e3, "kg": 1, "t": 1e3, "deg": 1 / 57.3, "bar": 1e5, "kW/m2": 1e3}
CSV_ROWS = {"t": "row0 ", "V": "row1 ", "q": "row2 ", "H": "row3 ", "theta": "row4 ", "X": "row7 ",
            "nx": "row9 ", "buoyancy": "row12 ", "heat_flux": "row14 ", "thrust": "row15 ", "mass": "row16 ",
            "envelope_volume": "row19 ", "drag": "row21 ", "Mach": "row25 ", "p": "row27 ", "rho": "row28 ",
            "Re_per_m": "row29 "}


@pytest.mark.parametrize("preset", ["8:0", "3:0", "7:1"])
def test_samples_are_zarv_runs_csv_in_si_units(tmp_path, preset):
    zarv_run(tmp_path, "--preset", preset, "--quiet", "--csv", "run.csv")
    lines = [line for line in (tmp_path / "run.csv").read_text().splitlines() if not line.startswith("#")]
    rows = list(csv.reader(lines))
    heading, values = rows[0], numpy.array(rows[1:], dtype=float)
    samples = zarv.Flight.preset(preset).run().samples
    assert set(zarv.SAMPLE_UNITS) == set(samples) and all(len(a) == 500 for a in samples.values())
    for name, row in CSV_ROWS.items():
        column = next(i for i, h in enumerate(heading) if h.startswith(row))
        unit = heading[column].rsplit("[", 1)[1].rstrip("]")
        factor = 1e3 if name == "Re_per_m" else TO_SI.get(unit, 1)
        assert samples[name] == pytest.approx(values[:, column] * factor, rel=1e-12), f"{name} [{unit}]"


REFUSED = [
    ("8:0", {"dt0": -1.0}, zarv.RejectedInput, {"input": "dt0"}),
    ("8:0", {"MassaStart": math.nan}, zarv.RejectedInput, {"input": "MassaStart"}),
    ("8:0", {"Mt": 13000.0}, zarv.RejectedInput, {"input": "Mt"}),
    ("2:0", {"dt0": 50.0}, zarv.Diverged, {"time": 100.0, "cause": "step too large"}),
    ("1:6", {"dt0": 10.0}, zarv.Diverged, {"time": 20.0, "cause": "step too large"}),
    ("1:0", {"V0": 1e160}, zarv.Diverged, {"cause": "inputs out of range", "inputs": ["V0"]}),
]


@pytest.mark.parametrize("preset, changes, error, attributes", REFUSED)
def test_refused_runs_raise_what_zarv_run_says(tmp_path, preset, changes, error, attributes):
    flight = zarv.Flight.preset(preset).set(**changes)
    sets = [a for name, value in changes.items() for a in ("--set", f"{name}={value!r}")]
    done = subprocess.run([str(ZARV_RUN), "--preset", preset, *sets, "--lang", "de"], cwd=tmp_path,
                          capture_output=True, text=True)
    with pytest.raises(error) as raised:
        flight.run(lang="de")
    for name, value in attributes.items():
        assert getattr(raised.value, name) == value, name
    assert str(raised.value) in done.stderr, "the message zarv-run prints in the same language"
    with pytest.raises(error):
        flight.check_step()


def test_settings_are_refused_whole():
    flight = zarv.Flight.preset("8:0")
    for bad in ({"dt0": 0.02, "earth": "oval"}, {"Schub": 1.0, "no_such_input": 1.0},
                {"rtol": 0.0}, {"integrator": "rk5"}, {"dt0": "fast"}):
        with pytest.raises((ValueError, AttributeError, TypeError)):
            flight.set(**bad)
        assert (flight.dt0, flight.Schub, flight.earth, flight.rtol) == (0.01, 3e5, "flat", 1e-6), bad
    with pytest.raises(ValueError):
        zarv.Flight.preset("8:99")
    with pytest.raises(ValueError):
        flight.run(lang="fr")


def test_refused_flight_files_name_line_and_key(tmp_path):
    zarv.Flight.preset("8:0").save(tmp_path / "v2.zarv")
    text = (tmp_path / "v2.zarv").read_text()
    (tmp_path / "bad.zarv").write_text(text.replace("dt0 = 0.01", "dt0 = -0.01"))
    with pytest.raises(zarv.FlightFileError) as raised:
        zarv.Flight.load(tmp_path / "bad.zarv")
    assert raised.value.key == "inputs.dt0"
    assert text.splitlines()[raised.value.line - 1].startswith("dt0 = ")
    with pytest.raises(FileNotFoundError):
        zarv.Flight.load(tmp_path / "none.zarv")
    with pytest.raises(zarv.RejectedInput):
        zarv.Flight.preset("8:0").set(dt0=0.0).save(tmp_path / "zero.zarv")
    assert not (tmp_path / "zero.zarv").exists()
    with pytest.raises(NotADirectoryError):
        zarv.Flight.preset("8:0").run().write_result_file(tmp_path / "v2.zarv")


def test_runs_on_several_threads_give_the_sequential_results():
    flights = [zarv.Flight.preset(p).set(dt0=dt0) for p in ("8:0", "7:0", "3:0", "5:0") for dt0 in (0.01, 0.02)]
    alone = [flight.run() for flight in flights]
    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        together = list(pool.map(lambda flight: flight.run(), flights * 3))
    for n, result in enumerate(together):
        expected = alone[n % len(flights)]
        assert result.summary == expected.summary, n
        assert all(numpy.array_equal(result.samples[k], expected.samples[k]) for k in expected.samples), n


def test_step_check_rows_start_from_the_run_itself():
    flight = zarv.Flight.preset("8:0")
    check = flight.check_step(tolerance=0.01)
    summary = flight.run().summary
    assert [row["quantity"] for row in check["rows"]] == list(summary)[:7]
    for row in check["rows"]:
        assert len(row["values"]) == len(check["steps"]) >= 2
        assert row["values"][0] == summary[row["quantity"]], row["quantity"]
    # Euler at the V-2's own step is far from converged.
    assert check["meets"] is False and check["meets"] == all(row["meets"] for row in check["rows"])
    assert check["suggested_step"] < flight.dt0
    assert check["verdict"] and check["verdict"].split() == check["report"].split()[-len(check["verdict"].split()):]


def test_validation_passes_every_row():
    report = zarv.validate()
    assert report["rows"] and report["passed"]
    assert [row for row in report["rows"] if not row["passed"]] == []


def test_warnings_name_a_flat_earth_under_orbital_speed():
    flat = zarv.Flight.preset("7:0").run(lang="de")
    assert [w["code"] for w in flat.warnings] == ["flat_earth"]
    assert "Erde" in flat.warnings[0]["text"]
    assert "flat_earth" not in [w["code"] for w in zarv.Flight.preset("7:0").set(earth="round").run().warnings]


def test_pandas_table_of_the_samples():
    result = zarv.Flight.preset("8:0").run()
    frame = result.to_pandas()
    assert list(frame.columns) == list(result.samples) and len(frame) == 500
    assert frame["H"].max() == pytest.approx(result.summary["peak_altitude"], rel=1e-3)


def test_the_readmes_examples_run(tmp_path):
    """The README's Python blocks as a reader pastes them (the Dask one aside: it starts a cluster)."""
    section = (pathlib.Path(__file__).parents[2] / "README.md").read_text().split("## In Python")[1].split("\n## ")[0]
    blocks = [textwrap.dedent(b) for b in re.findall(r"(?:^ {4}.*\n|^\n)+", section, re.M) if b.strip()]
    examples = [b for b in blocks if "distributed" not in b]
    assert len(examples) == 2, "the README's examples moved"
    for n, example in enumerate(examples):
        done = subprocess.run([sys.executable, "-c", example], cwd=tmp_path, capture_output=True, text=True)
        assert done.returncode == 0, f"example {n}: {done.stderr}"
