"""Channel tables: from an MNE Info, from plain lists, and 2-D layouts from MNE layouts."""

import re
import warnings

import numpy as np

# FIFF constants, as MNE's Info stores them (mne.io.constants.FIFF); written out so that plain
# NumPy users never import MNE.
_FIFFV_MEG_CH = 1
_FIFFV_EEG_CH = 2

# Plane units of a layout: the size the program scans projected sensor planes to.
_PLANE_SIZE = 100.0


class Channels:
    """The folder's channel list: names, "MEG"/"EEG" types, head positions (m), good flags,
    optional 2-D layout positions, and the names of channels left out (other kinds)."""

    def __init__(self, names, types, positions, good=None, dropped=()):
        self.names = list(names)
        self.types = list(types)
        self.positions = positions
        self.good = list(good) if good is not None else [True] * len(self.names)
        self.layout = None
        self.dropped = set(dropped)
        self.index = {name: i for i, name in enumerate(self.names)}

    def __len__(self):
        return len(self.names)


def is_mne_info(obj):
    return type(obj).__module__.startswith("mne") and hasattr(obj, "keys") and "chs" in obj


def from_info(info):
    if not is_mne_info(info):
        raise ValueError(f"info: must be an mne.Info, not {type(info).__name__}")
    names, types, positions, good, dropped = [], [], [], [], []
    trans = info.get("dev_head_t")
    bads = set(info.get("bads") or ())
    for ch in info["chs"]:
        name = ch["ch_name"]
        if ch["kind"] == _FIFFV_MEG_CH:
            if trans is None:
                raise ValueError("info: has MEG channels but no dev_head_t (the device-to-head transform)")
            pos = np.asarray(trans["trans"], float) @ np.append(np.asarray(ch["loc"][:3], float), 1.0)
            types.append("MEG")
            positions.append(pos[:3])
        elif ch["kind"] == _FIFFV_EEG_CH:
            types.append("EEG")
            positions.append(np.asarray(ch["loc"][:3], float))
        else:
            dropped.append(name)
            continue
        names.append(name)
        good.append(name not in bads)
    if dropped:
        warnings.warn(f"cxcfolder: left out {len(dropped)} channel(s) neither MEG nor EEG: "
                      + ", ".join(dropped), stacklevel=3)
    if not names:
        raise ValueError("info: holds no MEG or EEG channel")
    positions = np.array(positions, float).reshape(len(names), 3)
    bad = [n for n, p in zip(names, positions) if not np.all(np.isfinite(p))]
    if bad:
        raise ValueError(f"info: no finite position for {_few(bad)} (set a montage first, e.g. "
                         "info.set_montage(mne.channels.make_standard_montage('standard_1020')))")
    return Channels(names, types, positions, good, dropped)


def from_lists(names, types, positions):
    for arg, value in (("names", names), ("types", types), ("positions", positions)):
        if value is None:
            raise ValueError(f"{arg}: needed without info (or pass info=)")
    names = [str(n) for n in names] if not isinstance(names, str) else None
    if names is None:
        raise ValueError("names: must be a list of channel names, not one string")
    if isinstance(types, str):
        types = [types] * len(names)
    types = list(types)
    if len(types) != len(names):
        raise ValueError(f"types: {len(types)} types for {len(names)} names")
    kinds = []
    for i, t in enumerate(types):
        kind = {"meg": "MEG", "mag": "MEG", "grad": "MEG", "eeg": "EEG"}.get(str(t).lower())
        if kind is None:
            raise ValueError(f"types[{i}]: {t!r} is neither 'MEG' nor 'EEG'")
        kinds.append(kind)
    try:
        positions = np.array(positions, dtype=float)
    except (TypeError, ValueError):
        raise ValueError("positions: must be numbers of shape (n, 3)") from None
    if positions.shape != (len(names), 3):
        raise ValueError(f"positions: shape {positions.shape} does not match the {len(names)} names "
                         f"(expected ({len(names)}, 3), metres)")
    bad = [n for n, p in zip(names, positions) if not np.all(np.isfinite(p))]
    if bad:
        raise ValueError(f"positions: not finite for {_few(bad)}")
    return Channels(names, kinds, positions)


def check_names(channels, arg):
    if not channels.names:
        raise ValueError(f"{arg}: no channels")
    seen, twice = set(), []
    for n in channels.names:
        if n in seen:
            twice.append(n)
        seen.add(n)
    if twice:
        raise ValueError(f"{arg}: channel names must be unique ({_few(twice)} twice)")


def apply_layout(channels, layout):
    """Gives each channel of the modalities the layout covers its 2-D position (plane units)."""
    if isinstance(layout, str):
        try:
            import mne
        except ImportError:
            raise ImportError("a layout name needs MNE: on Debian 12, sudo apt-get install python3-mne "
                              "(or pip install mne)") from None

        try:
            layout = mne.channels.read_layout(layout)
        except Exception as e:  # MNE raises several kinds for an unknown name
            raise ValueError(f"layout: MNE knows no layout {layout!r} ({e})") from None
    if not (hasattr(layout, "pos") and hasattr(layout, "names")):
        raise ValueError(f"layout: must be an mne.channels.Layout or a layout name, not {type(layout).__name__}")
    pos = np.asarray(layout.pos, float)
    if pos.ndim != 2 or pos.shape[0] != len(layout.names) or pos.shape[1] < 2 or not np.all(np.isfinite(pos)):
        raise ValueError("layout: its positions are not finite (n, 2) or (n, 4) numbers")
    # The channel sits in the middle of its box.
    centre = pos[:, :2] + (pos[:, 2:4] / 2 if pos.shape[1] >= 4 else 0)
    where = {_clean(n): k for k, n in enumerate(layout.names)}
    found = {i: where.get(_clean(n)) for i, n in enumerate(channels.names)}
    covered = {channels.types[i] for i, k in found.items() if k is not None}
    if not covered:
        raise ValueError("layout: names none of the channels")
    missing = [channels.names[i] for i, k in found.items() if k is None and channels.types[i] in covered]
    if missing:
        raise ValueError(f"layout: has no position for {_few(missing)}; a modality's map uses a layout "
                         "only when it places all its channels")
    used = np.array([centre[k] for k in found.values() if k is not None])
    low = used.min(axis=0)
    span = max(float(np.max(used.max(axis=0) - low)), 1e-12)
    channels.layout = [None if k is None else (centre[k] - low) * (_PLANE_SIZE / span)
                       for k in found.values()]


def _clean(name):
    """A name as layouts and recordings both spell it: "MEG 0111" is "MEG0111", and CTF's
    "MLC11-2622" (sensor and system number) is "MLC11"."""
    return re.sub(r"-\d+$", "", str(name).replace(" ", ""))


def _few(names, most=5):
    names = list(names)
    text = ", ".join(str(n) for n in names[:most])
    return text + (f" and {len(names) - most} more" if len(names) > most else "")
