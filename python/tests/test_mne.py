"""Folders from real MNE objects (Debian's python3-mne): the channels, positions and layouts cxcmap
uses are the Info's and the layout's."""

import numpy as np
import pytest

import cxcfolder
from conftest import dataset, hand_made

mne = pytest.importorskip("mne")
EEG = ["Fp1", "Fp2", "F7", "F3", "Fz", "F4", "F8", "T7", "C3", "Cz", "C4", "T8", "P7", "P3", "Pz", "P4", "P8",
       "O1", "Oz", "O2"]


def coupling(n, t, seed=1):
    """Symmetric coupling that varies over the head, so the contour grid has a field."""
    rng = np.random.default_rng(seed)
    a = rng.uniform(-0.9, 0.9, (n, n, t))
    return (a + a.transpose(1, 0, 2)) / 2


def same_grid(cxcmap, tmp_path, ours, theirs, modality):
    for row in (0, 5):
        args = ("--modality", modality, "--row", row)
        assert cxcmap.grid(ours, tmp_path / "a.csv", *args) == cxcmap.grid(theirs, tmp_path / "b.csv", *args)


def test_eeg_info_with_montage(tmp_path, cxcmap):
    info = mne.create_info(EEG + ["EOG061", "STI 014"], 500.0, ["eeg"] * len(EEG) + ["eog", "stim"])
    info.set_montage(mne.channels.make_standard_montage("standard_1020"))
    info["bads"] = ["Cz"]
    values = coupling(len(EEG) + 2, 25)  # rows of every channel of the Info, the left-out ones too
    with pytest.warns(UserWarning, match=r"left out 2 channel\(s\) neither MEG nor EEG: EOG061, STI 014"):
        folder = cxcfolder.write(tmp_path / "eeg", values, info=info, tmin=-0.2)
    ds = dataset(folder)
    head = info.get_montage().get_positions()["ch_pos"]  # head coordinates, metres
    expected = [{"name": n, "type": "EEG", "position": list(head[n]), **({"good": False} if n == "Cz" else {})}
                for n in EEG]
    assert [{k: v for k, v in c.items() if k != "position"} for c in ds["channels"]] == \
        [{k: v for k, v in c.items() if k != "position"} for c in expected]
    np.testing.assert_allclose([c["position"] for c in ds["channels"]], [head[n] for n in EEG], atol=1e-12)
    assert (ds["sampleRate"], ds["firstLatency"]) == (500.0, -0.2)
    kept = values[: len(EEG), : len(EEG)]
    np.testing.assert_array_equal(np.load(folder / "active.npy"), kept)
    theirs = hand_made(tmp_path / "hand", expected, kept, 500.0, -0.2)
    same_grid(cxcmap, tmp_path, folder, theirs, "eeg")
    assert cxcmap.ok("report", "--data", folder, "--modality", "eeg") == \
        cxcmap.ok("report", "--data", theirs, "--modality", "eeg")


def helmet(n, seed=2):
    """n sensor positions on the upper half of a 0.12 m sphere (device coordinates)."""
    rng = np.random.default_rng(seed)
    theta, phi = rng.uniform(0.1, 1.3, n), rng.uniform(0, 2 * np.pi, n)
    return 0.12 * np.c_[np.sin(theta) * np.cos(phi), np.sin(theta) * np.sin(phi), np.cos(theta)]


def meg_info(names, kinds, device):
    info = mne.create_info(names, 600.0, kinds)
    for ch, xyz in zip(info["chs"], device):
        ch["loc"][:3] = xyz
    return info


def test_meg_positions_go_through_the_device_to_head_transform(tmp_path, cxcmap):
    names = [f"MEG{k:03d}" for k in range(24)]
    device = helmet(len(names))
    info = meg_info(names, ["mag", "grad"] * 12, device)
    rotation = mne.transforms.rotation(0.1, -0.2, 0.3)
    rotation[:3, 3] = [0.002, -0.01, 0.04]
    with info._unlock():
        info["dev_head_t"] = mne.transforms.Transform("meg", "head", rotation)
    folder = cxcfolder.write(tmp_path / "meg", coupling(len(names), 10), info=info)
    ds = dataset(folder)
    head = mne.transforms.apply_trans(info["dev_head_t"], device)
    assert {c["type"] for c in ds["channels"]} == {"MEG"}
    np.testing.assert_allclose([c["position"] for c in ds["channels"]], head, atol=1e-12)
    theirs = hand_made(tmp_path / "hand", [{"name": n, "type": "MEG", "position": list(p)} for n, p in zip(names, head)],
                       coupling(len(names), 10), 600.0)
    same_grid(cxcmap, tmp_path, folder, theirs, "meg")


@pytest.mark.parametrize("name, spell", [
    ("CTF-275", lambda n: n.split("-")[0]),          # MLC11-2622 recorded as MLC11
    ("Vectorview-mag", lambda n: n.replace(" ", "")),  # MEG 0111 recorded as MEG0111
])
def test_mne_layouts_place_the_channels(tmp_path, cxcmap, name, spell):
    layout = mne.channels.read_layout(name)
    names = [spell(n) for n in layout.names]
    info = meg_info(names, "mag", helmet(len(names)))
    info = mne.pick_info(info, list(range(len(names) - 1)))  # one sensor missing from the recording
    for i, given in enumerate((name, layout)):
        folder = cxcfolder.write(tmp_path / f"l{i}", coupling(len(names) - 1, 3), info=info, layout=given)
        plane = np.array([c["layout"] for c in dataset(folder)["channels"]])
        centre = layout.pos[:-1, :2] + layout.pos[:-1, 2:] / 2
        # The layout's picture, moved and scaled as a whole into the plane's units.
        fit, *_ = np.linalg.lstsq(np.c_[centre, np.ones(len(centre))], plane, rcond=None)
        np.testing.assert_allclose(np.c_[centre, np.ones(len(centre))] @ fit, plane, atol=1e-9)
        assert fit[0, 0] == pytest.approx(fit[1, 1]) and fit[0, 0] > 0 and np.allclose([fit[0, 1], fit[1, 0]], 0)
        assert plane.min() == 0 and plane.max() == pytest.approx(100)
        cxcmap.ok("render", "--data", folder, "--out", tmp_path / "pictures", "--only", "showDlgCxcMegActLink2DMap")
        cxcmap.ok("grid", "--data", folder, "--out", tmp_path / "grid.csv")
    with pytest.raises(ValueError, match=r"^layout: has no position for EEG001"):
        cxcfolder.write(tmp_path / "x", np.ones((2, 2)), info=meg_info(["EEG001", names[0]], ["mag", "mag"], helmet(2)),
                        layout=layout)
    with pytest.raises(ValueError, match=r"^layout: MNE knows no layout 'Nowhere-7'"):
        cxcfolder.write(tmp_path / "x", np.ones((2, 2)), info=info, layout="Nowhere-7")
