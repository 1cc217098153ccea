"""The built cxcmap program (CXCMAP, else cxcmap on PATH) and small helpers shared by the tests."""

import json
import os
import shutil
import subprocess

import numpy as np
import pytest


class Program:
    def __init__(self, path):
        self.path = path

    def run(self, *args):
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        return subprocess.run([self.path, *map(str, args)], capture_output=True, text=True, env=env)

    def ok(self, *args):
        r = self.run(*args)
        assert r.returncode == 0, r.stderr
        return r.stdout

    def grid(self, folder, out, *args):
        self.ok("grid", "--data", folder, "--out", out, *args)
        return out.read_text()


@pytest.fixture(scope="session")
def cxcmap():
    path = os.environ.get("CXCMAP") or shutil.which("cxcmap")
    if not path:
        pytest.skip("set CXCMAP to the built cxcmap program")
    return Program(os.path.abspath(path))


def dataset(folder):
    return json.loads((folder / "dataset.json").read_text())


def hand_made(folder, channels, values, sample_rate, first=0.0):
    """A folder written as the README's recipe does, without the package."""
    folder.mkdir()
    np.save(folder / "active.npy", values)
    (folder / "dataset.json").write_text(json.dumps({
        "format": "cxc-dataset", "version": 1, "session": folder.name, "sampleRate": sample_rate,
        "firstLatency": first, "channels": channels,
        "trials": [{"name": "trial01", "classes": {"active": {"pairs": list(range(len(channels))),
                                                              "values": "active.npy"}}}]}))
    return folder
