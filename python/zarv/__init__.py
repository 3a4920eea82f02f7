"""ZARV's flight calculation for Python.

    import zarv
    flight = zarv.Flight.preset("8:0")          # or zarv.Flight.load("my.zarv")
    flight.set(dt0=0.001, Schub=2.8e5)
    result = flight.run()
    result.samples["H"], result.summary["range"], result.to_pandas()

    study = zarv.Study(flight).monte_carlo(1000, vary={"Schub": "normal:3%"}, seed=7)
    table = study.run().to_pandas()            # every core; .run(executor) for a pool or Dask

The numbers are those of zarv-run and the window: the same engine computes them.
"""

from ._zarv import (
    DEFAULT_SEED,
    SAMPLE_MEANINGS,
    SAMPLE_UNITS,
    VERSION as __version__,
    Flight,
    Result,
    presets,
    validate,
)
from .errors import Diverged, Error, FlightFileError, RejectedInput
from .study import Study, StudyResult

Flight.__module__ = __name__
Result.__module__ = __name__

__all__ = [
    "DEFAULT_SEED",
    "SAMPLE_MEANINGS",
    "SAMPLE_UNITS",
    "Diverged",
    "Error",
    "Flight",
    "FlightFileError",
    "RejectedInput",
    "Result",
    "Study",
    "StudyResult",
    "presets",
    "validate",
]
