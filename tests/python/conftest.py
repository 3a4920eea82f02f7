"""The module and zarv-run from the build: ZARV_BUILD_DIR, else the checkout's build/."""

import os
import pathlib
import subprocess
import sys

import pytest

BUILD = pathlib.Path(os.environ.get("ZARV_BUILD_DIR", pathlib.Path(__file__).parents[2] / "build")).resolve()
PACKAGE_DIR = BUILD / "python"
ZARV_RUN = BUILD / "src" / "tools" / "zarv-run"

sys.path.insert(0, str(PACKAGE_DIR))
# Worker processes (a process pool, Dask's) import the module from here too.
os.environ["PYTHONPATH"] = os.pathsep.join(filter(None, [str(PACKAGE_DIR), os.environ.get("PYTHONPATH")]))


def zarv_run(cwd, *args):
    """zarv-run's standard output; a failed run fails the test with its message."""
    done = subprocess.run([str(ZARV_RUN), *args], cwd=cwd, capture_output=True, text=True)
    assert done.returncode == 0, f"zarv-run {' '.join(args)}: {done.stderr}"
    return done.stdout


@pytest.fixture
def cli(tmp_path):
    return lambda *args: zarv_run(tmp_path, *args)
