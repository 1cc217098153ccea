"""Random inputs with a fixed seed: each good one gives a folder cxcmap opens with its counts; each
bad one raises one ValueError naming the argument, and nothing is left on disk."""

import os
import random

import numpy as np
import pytest

import cxcfolder

ROUNDS = 40


def good_case(rng):
    n, t = rng.randint(1, 9), rng.randint(1, 6)
    kinds = [rng.choice(["MEG", "EEG", "meg", "grad", "mag", "eeg"]) for _ in range(n)]
    shape = (n, n) if t == 1 and rng.random() < 0.5 else (n, n, t)
    values = np.random.default_rng(rng.randint(0, 99)).normal(size=shape).astype(rng.choice([np.float32, np.float64]))
    args = {"active": values, "names": [f"ch{k}" for k in range(n)], "types": kinds,
            "positions": np.random.default_rng(n).normal(0, 0.1, (n, 3)), "sfreq": rng.choice([100.0, 600.0])}
    for key in rng.sample(["control", "result"], rng.randint(0, 2)):
        args[key] = values * 0.5
    return args


def set_to(key, value):
    return lambda a, rng: a.update({key: value})


def spoil_position(a, rng):
    a["positions"] = a["positions"].copy()
    a["positions"][rng.randrange(len(a["names"])), rng.randrange(3)] = rng.choice([np.nan, np.inf, -np.inf])


def spoil_name(a, rng):
    if len(a["names"]) > 1:
        a["names"] = a["names"][:-1] + [a["names"][0]]
    else:
        a["names"] = a["names"][0]  # one string, not a list


def grow(key):
    def change(a, rng):
        v = np.asarray(a["active"])
        a[key] = np.zeros((v.shape[0] + 1,) * 2 + v.shape[2:]) if rng.random() < 0.5 else np.zeros(v.shape[:1] + (v.shape[0] + 2, 1))
    return change


def without_time(a, rng):
    t = rng.randint(2, 5)
    for key in ("active", "control", "result"):
        if key in a:
            a[key] = np.zeros((len(a["names"]),) * 2 + (t,))
    a.pop("sfreq")


# (what is spoiled, the argument the message names)
SPOILERS = [
    (spoil_position, "positions"),
    (lambda a, rng: a.update(positions=a["positions"][:, :2]), "positions"),
    (spoil_name, "names"),
    (lambda a, rng: a["types"].__setitem__(rng.randrange(len(a["types"])), rng.choice(["misc", "stim", ""])), "types"),
    (lambda a, rng: a.update(types=a["types"] + ["EEG"]), "types"),
    (grow("active"), "active"),
    (grow("control"), "control"),
    (lambda a, rng: a.update(active=a["active"] * 1j), "active"),
    (lambda a, rng: a.update(active=np.zeros((len(a["names"]),) * 2 + (0,))), "active"),
    (lambda a, rng: a.update(active=None, control=None, result=None), "active"),
    (set_to("sfreq", 0.0), "sfreq"),
    (set_to("sfreq", float("nan")), "sfreq"),
    (set_to("tmin", float("inf")), "tmin"),
    (set_to("dtype", "int16"), "dtype"),
    (without_time, "sfreq"),
]


def test_good_inputs_open_with_their_counts(tmp_path, cxcmap):
    rng = random.Random(17)
    for k in range(ROUNDS):
        args = good_case(rng)
        folder = cxcfolder.write(tmp_path / f"f{k}", **args)
        n = len(args["names"])
        meg = sum(t.lower() != "eeg" for t in args["types"])
        classes = 3 if "control" in args and "result" not in args else 1 + ("control" in args) + ("result" in args)
        t = args["active"].shape[2] if args["active"].ndim == 3 else 1
        summary = cxcmap.ok("check", "--data", folder)
        assert summary.startswith(f"{folder}: {n} channels ({meg} MEG, {n - meg} EEG), 1 trial, {t} samples, "
                                  f"{classes} class"), summary


def test_each_bad_input_raises_one_value_error_and_writes_nothing(tmp_path):
    rng = random.Random(23)
    for k in range(ROUNDS * 3):
        args = good_case(rng)
        spoil, name = SPOILERS[k % len(SPOILERS)]
        spoil(args, rng)
        target = tmp_path / "out"
        with pytest.raises(ValueError, match=f"^{name}\\b"):
            cxcfolder.write(target, **args)
        assert os.listdir(tmp_path) == [], (k, name)


def test_mne_info_without_finite_positions(tmp_path):
    mne = pytest.importorskip("mne")
    rng = random.Random(5)
    montage = mne.channels.make_standard_montage("standard_1020")
    for _ in range(10):
        names = rng.sample(montage.ch_names, rng.randint(2, 12))
        info = mne.create_info(names, 250.0, [rng.choice(["eeg", "mag"]) for _ in names])
        for ch in info["chs"]:  # MEG sensors placed, EEG electrodes left to the montage
            ch["loc"][:3] = 0.1 if ch["kind"] == 1 else np.nan
        if rng.random() < 0.5 or all(ch["kind"] == 1 for ch in info["chs"]):
            info["chs"][rng.randrange(len(names))]["loc"][rng.randrange(3)] = np.nan
        with pytest.raises(ValueError, match=r"^info: no finite position for .* \(set a montage first"):
            cxcfolder.write(tmp_path / "out", np.zeros((len(names),) * 2), info=info)
        assert os.listdir(tmp_path) == []
