"""cxcfolder.write from NumPy arrays and connectivity objects, as cxcmap reads the folder, and the
check command."""

import os
import subprocess
import sys

import numpy as np
import pytest

import cxcfolder
from conftest import dataset

NAMES = ["MLF11", "MRF11", "MZC01", "Fz", "Cz"]
TYPES = ["MEG", "MEG", "MEG", "EEG", "EEG"]
XYZ = [[-0.031, 0.072, 0.101], [0.031, 0.072, 0.101], [0.0, 0.0, 0.125], [0.0, 0.071, 0.082], [0.0, 0.0, 0.105]]
PLAIN = dict(names=NAMES, types=TYPES, positions=XYZ)


def lower(n, t, seed=0, dtype=np.float64):
    """Undirected coupling as connectivity tools return it: the lower triangle, zeros above."""
    a = np.random.default_rng(seed).uniform(0.1, 0.9, (n, n, t)).astype(dtype)
    a[np.triu_indices(n)] = 0
    return a


class Connectivity:
    """The interface of MNE-Connectivity's result objects that the package reads."""

    def __init__(self, data, names, times=None, freqs=None):
        self.data, self.names, self.times, self.freqs = data, names, times, freqs

    def get_data(self, output="compact"):
        assert output == "dense"
        return self.data


def test_numpy_folder_opens_with_the_summary_and_report_of_its_data(tmp_path, cxcmap):
    active = lower(5, 30, dtype=np.float32)
    folder = cxcfolder.write(tmp_path / "mine", active, control=0.5 * active, sfreq=600.0, tmin=-0.1, **PLAIN)
    assert cxcmap.ok("check", "--data", folder) == (
        f"{folder}: 5 channels (3 MEG, 2 EEG), 1 trial, 30 samples, 3 classes (Active, Control, Act-Ctl)\n")
    ds = dataset(folder)
    assert (ds["sampleRate"], ds["firstLatency"]) == (600.0, -0.1)
    assert [c["name"] for c in ds["channels"]] == NAMES and [c["position"] for c in ds["channels"]] == XYZ
    stored = {k: np.load(folder / f"{k}.npy") for k in ("active", "control", "result")}
    assert all(a.dtype == np.float32 for a in stored.values())
    mirrored = active + active.transpose(1, 0, 2)
    np.testing.assert_array_equal(stored["active"], mirrored)
    np.testing.assert_array_equal(stored["result"], mirrored - 0.5 * mirrored)
    # The program sees the mirrored, symmetric network: the report is that of a hand-mirrored folder.
    same = cxcfolder.write(tmp_path / "same", mirrored, sfreq=600.0, tmin=-0.1, **PLAIN)
    for modality in ("meg", "eeg"):
        assert cxcmap.ok("report", "--data", folder, "--modality", modality) == \
            cxcmap.ok("report", "--data", same, "--modality", modality)


@pytest.mark.parametrize("given, kwargs, stored", [
    (np.float32, {}, np.float32),
    (">f4", {}, np.float32),
    (np.float32, {"dtype": "float64"}, np.float64),
    (np.float64, {}, np.float64),
    (np.int32, {}, np.float64),
    (np.float64, {"dtype": np.float32}, np.float32),
])
def test_value_types_on_disk(tmp_path, given, kwargs, stored):
    folder = cxcfolder.write(tmp_path / "f", np.ones((5, 5), given), **PLAIN, **kwargs)
    a = np.load(folder / "active.npy")
    assert (a.dtype, a.shape) == (np.dtype(stored), (5, 5, 1))


def test_one_sided_and_directed_matrices(tmp_path):
    upper = lower(5, 2).transpose(1, 0, 2).copy()
    directed = lower(5, 2) + 2 * upper
    for values, symmetric, expected in [(upper, True, upper + upper.transpose(1, 0, 2)),
                                        (upper, False, upper),
                                        (directed, True, directed)]:
        folder = cxcfolder.write(tmp_path / "f", values, symmetric=symmetric, sfreq=100, **PLAIN)
        np.testing.assert_array_equal(np.load(folder / "active.npy"), expected)


def test_connectivity_objects(tmp_path, cxcmap):
    # Rows named in another order than the channel list; times at 250 Hz from -0.1 s.
    order = [4, 0, 3, 1, 2]
    times = -0.1 + np.arange(40) / 250.0
    con = Connectivity(lower(5, 40), [NAMES[k] for k in order], times=times)
    folder = cxcfolder.write(tmp_path / "t", con, **PLAIN)
    ds = dataset(folder)
    assert ds["trials"][0]["classes"]["active"]["pairs"] == order
    assert ds["sampleRate"] == pytest.approx(250.0) and ds["firstLatency"] == pytest.approx(-0.1)
    cxcmap.ok("check", "--data", folder)

    freqs = np.arange(4.0, 31.0)
    spectral = Connectivity(lower(5, len(freqs)), NAMES, freqs=freqs)
    folder = cxcfolder.write(tmp_path / "s", spectral, fmin=8, fmax=12, sfreq=1.0, **PLAIN)
    band = spectral.data[:, :, 4:9].mean(axis=2)
    np.testing.assert_allclose(np.load(folder / "active.npy")[:, :, 0], band + band.T)
    with pytest.raises(ValueError, match=r"^fmin: .* 27 frequencies \(4 to 30 Hz\); give fmin and fmax"):
        cxcfolder.write(tmp_path / "n", spectral, **PLAIN)
    with pytest.raises(ValueError, match=r"^active: names channels the channel list lacks: O1"):
        cxcfolder.write(tmp_path / "n", Connectivity(lower(2, 1)[:, :, 0], ["Fz", "O1"]), **PLAIN)
    assert sorted(os.listdir(tmp_path)) == ["s", "t"]


def test_existing_folder_gets_new_files_and_keeps_others(tmp_path):
    folder = cxcfolder.write(tmp_path / "f", np.ones((5, 5)), control=np.zeros((5, 5)), **PLAIN)
    (folder / "notes.txt").write_text("mine")
    cxcfolder.write(folder, 2 * np.ones((5, 5)), **PLAIN)
    assert list(dataset(folder)["trials"][0]["classes"]) == ["active"]
    assert np.load(folder / "active.npy")[0, 0, 0] == 2 and (folder / "notes.txt").read_text() == "mine"
    assert sorted(os.listdir(tmp_path)) == ["f"]
    (tmp_path / "file").write_text("x")
    with pytest.raises(ValueError, match=r"^folder: .* exists and is not a folder"):
        cxcfolder.write(tmp_path / "file", np.ones((5, 5)), **PLAIN)


def test_failed_write_leaves_nothing(tmp_path, monkeypatch):
    def full_disk(*args, **kwargs):
        raise OSError(28, "No space left on device")
    monkeypatch.setattr(np, "save", full_disk)
    with pytest.raises(OSError):
        cxcfolder.write(tmp_path / "f", np.ones((5, 5)), **PLAIN)
    assert os.listdir(tmp_path) == []


def module(*args, **env):
    environ = {k: v for k, v in os.environ.items() if k != "CXCMAP"}
    environ.update(env, PYTHONPATH=os.path.dirname(os.path.dirname(cxcfolder.__file__)))
    return subprocess.run([sys.executable, "-m", "cxcfolder", *map(str, args)], capture_output=True, text=True,
                          env=environ)


def test_check_command_speaks_with_the_programs_words(tmp_path, cxcmap):
    good = cxcfolder.write(tmp_path / "good", np.ones((5, 5)), **PLAIN)
    bad = tmp_path / "bad"
    bad.mkdir()
    (bad / "dataset.json").write_text('{"format": "cxc-dataset", "version": 1, "sampleRate": 0}')
    for folder, status in [(good, 0), (bad, 1), (tmp_path / "none", 1)]:
        ours, theirs = module("check", folder, CXCMAP=cxcmap.path), cxcmap.run("check", "--data", folder)
        assert (ours.returncode, ours.stdout, ours.stderr) == (status, theirs.stdout, theirs.stderr)
    missing = module("check", good, CXCMAP=str(tmp_path / "nowhere"), PATH="/nonexistent")
    assert missing.returncode == 127 and "apt-get install" in missing.stderr and "CXCMAP" in missing.stderr
    assert module("--help").returncode == 0 and "check" in module("--help").stdout
