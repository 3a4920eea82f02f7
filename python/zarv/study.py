"""Sweeps and Monte Carlo studies of a flight: on every core in C++, or in chunks on any
concurrent.futures executor (a process pool, a Dask client's get_executor()). Case k is
the same case as zarv-run's case k, wherever it runs."""

import math
import operator

import numpy

from . import _zarv

# Chunks an executor gets by default: enough to spread over a cluster, few enough that
# handing them out costs nothing next to the cases.
_CHUNKS = 256
_MIN_CHUNK = 32


def _run_chunk(plan, first, count):
    """Runs cases first .. first + count - 1 on one thread (an executor's task)."""
    arrays, _ = plan.run(first, count, 1)
    return arrays


def _joined(parts, case_count, input_count):
    arrays = {
        "case": numpy.concatenate([p["case"] for p in parts]),
        "inputs": numpy.concatenate([p["inputs"] for p in parts]).reshape(-1, input_count),
        "values": numpy.concatenate([p["values"] for p in parts]).reshape(-1, len(_zarv.OUTCOME_KEYS)),
        "kinds": numpy.concatenate([p["kinds"] for p in parts]),
        "reasons": [r for p in parts for r in p["reasons"]],
    }
    # An executor that lost or repeated a chunk must not pass for a whole study.
    if not numpy.array_equal(arrays["case"], numpy.arange(case_count, dtype=numpy.uint64)):
        raise RuntimeError("the executor returned the cases incomplete or out of order")
    return arrays


class Study:
    """A sweep or a Monte Carlo study around a flight, in zarv-run's terms.

    Reasons of failed cases and the summary are worded in ``lang`` ("en", "de", "ru")."""

    def __init__(self, flight, lang="en"):
        self._flight = flight.copy()
        self._lang = lang
        self._sweeps = []
        self._varies = []
        self._count = 0
        self._seed = _zarv.DEFAULT_SEED

    def sweep(self, *texts, **inputs):
        """Adds swept inputs, the first one outermost: ``"Schub=290000:330000:5"`` as
        zarv-run's --sweep takes it, ``Schub="290000:330000:5"`` (FROM:TO:N, both ends
        included) or ``Schub=[290000, 310000]``. Returns the study."""
        if self._count:
            raise ValueError("a study is a sweep or a Monte Carlo, not both")
        added = [str(t) for t in texts]
        for name, values in inputs.items():
            if not isinstance(values, str):
                values = ",".join(repr(float(v)) for v in values)
            added.append(f"{name}={values}")
        self._check(sweeps=self._sweeps + added)
        self._sweeps += added
        return self

    def monte_carlo(self, n, vary, seed=None):
        """n cases, each input of ``vary`` drawn around the flight's value:
        ``{"Schub": "normal:3%", "MassaStart": "uniform:12000:13000"}`` or
        ``["Schub=normal:3%"]`` as --vary takes them (SD absolute or in %). The seed
        defaults to zarv-run's. Returns the study."""
        if self._sweeps:
            raise ValueError("a study is a sweep or a Monte Carlo, not both")
        n = operator.index(n)
        seed = _zarv.DEFAULT_SEED if seed is None else operator.index(seed)
        if n < 1 or seed < 0:
            raise ValueError("n is a whole number >= 1 and the seed one >= 0")
        if isinstance(vary, dict):
            texts = [f"{name}={draw}" for name, draw in vary.items()]
        else:
            texts = [vary] if isinstance(vary, str) else [str(v) for v in vary]
        self._check(varies=texts, count=n, seed=seed)
        self._varies, self._count, self._seed = texts, n, seed
        return self

    @property
    def case_count(self):
        return self._plan().case_count

    def run(self, executor=None, *, chunk_size=None, threads=0):
        """Runs every case and returns a StudyResult.

        Without an executor the cases run in C++ on ``threads`` threads (0: every core),
        without the GIL. With a concurrent.futures.Executor they go out in chunks of
        ``chunk_size`` cases (by default about 256 chunks) and come back in case order."""
        plan = self._plan()
        n = plan.case_count
        if executor is None:
            arrays, summary = plan.run(0, n, threads)
            return StudyResult(plan, arrays, summary)
        size = chunk_size or max(_MIN_CHUNK, math.ceil(n / _CHUNKS))
        futures = [executor.submit(_run_chunk, plan, first, min(size, n - first)) for first in range(0, n, size)]
        try:
            parts = [f.result() for f in futures]
        finally:
            for f in futures:
                f.cancel()
        arrays = _joined(parts, n, len(plan.names))
        return StudyResult(plan, arrays, plan.summarize(arrays["values"], arrays["kinds"]))

    def _check(self, sweeps=None, varies=None, count=None, seed=None):
        self._plan(sweeps, varies, count, seed)

    def _plan(self, sweeps=None, varies=None, count=None, seed=None):
        sweeps = self._sweeps if sweeps is None else sweeps
        count = self._count if count is None else count
        if not sweeps and not count:
            raise ValueError("add a sweep or a Monte Carlo to the study first")
        return _zarv.StudyPlan(self._flight, sweeps, self._varies if varies is None else varies, count,
                               self._seed if seed is None else seed, self._lang)


class StudyResult:
    """The rows of a study in case order and its summary."""

    def __init__(self, plan, arrays, summary):
        self._plan = plan
        self._arrays = arrays
        self._summary = summary

    @property
    def names(self):
        """The varied inputs, in table order."""
        return list(self._plan.names)

    @property
    def description(self):
        """The table's first line, e.g. '# monte carlo, 1000 cases, seed 7: ...'."""
        return self._plan.description

    def __len__(self):
        return len(self._arrays["case"])

    def table(self):
        """The rows as a numpy structured array: case, the varied inputs, the outcome numbers
        (flight_time s, range m, peak_altitude m, peak_speed m/s, peak_nx, peak_q Pa,
        final_speed m/s; NaN for unfinished cases), outcome and reason."""
        a = self._arrays
        keys = [k.replace("-", "_") for k in _zarv.OUTCOME_KEYS]
        words = numpy.array(_zarv.OUTCOME_WORDS)
        longest = max([1] + [len(r) for r in a["reasons"]])
        dtype = ([("case", "u8")] + [(n, "f8") for n in self._plan.names] + [(k, "f8") for k in keys] +
                 [("outcome", f"U{max(len(w) for w in words)}"), ("reason", f"U{longest}")])
        table = numpy.empty(len(self), dtype=dtype)
        table["case"] = a["case"]
        for i, name in enumerate(self._plan.names):
            table[name] = a["inputs"][:, i]
        for i, key in enumerate(keys):
            table[key] = a["values"][:, i]
        table["outcome"] = words[a["kinds"]]
        table["reason"] = a["reasons"]
        return table

    def to_pandas(self):
        """The table as a pandas DataFrame indexed by case."""
        import pandas

        return pandas.DataFrame(self.table()).set_index("case")

    def summary(self):
        """Counts per outcome and the statistics of each outcome, as zarv-run prints them."""
        return self._summary

    def write_csv(self, path):
        """Writes the table as zarv-run --out does, replacing the file whole."""
        self._plan.write_table(path, self._arrays)

    def __repr__(self):
        return f"<zarv.StudyResult {self.description.lstrip('# ')}>"
