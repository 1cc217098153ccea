"""cxcfolder.write: checks everything first, then writes the folder whole or not at all."""

import json
import os
import shutil
import tempfile
from pathlib import Path

import numpy as np

from . import _channels

_CLASSES = ("active", "control", "result")


class _Class:
    """One coupling class ready to write: its rows (channel names) and values (n, n, T)."""

    def __init__(self, key, names, values, times):
        self.key, self.names, self.values, self.times = key, names, values, times


def _is_connectivity(obj):
    return callable(getattr(obj, "get_data", None)) and hasattr(obj, "names")


def _values(key, obj, fmin, fmax):
    """The class as (row names or None, values (n, n, T), times or None)."""
    if _is_connectivity(obj):
        return _from_connectivity(key, obj, fmin, fmax)
    if isinstance(obj, (str, bytes)) or not hasattr(obj, "__len__") and not hasattr(obj, "__array__"):
        raise ValueError(f"{key}: must be an array (n, n, T) or (n, n), or a connectivity object, "
                         f"not {type(obj).__name__}")
    try:
        a = np.asarray(obj)
    except ValueError:
        raise ValueError(f"{key}: is not a rectangular array") from None
    if a.ndim == 2:
        a = a[:, :, np.newaxis]
    if a.ndim != 3 or a.shape[0] != a.shape[1] or a.shape[0] < 1 or a.shape[2] < 1:
        raise ValueError(f"{key}: shape {a.shape} is not (n, n, T) or (n, n) with n, T >= 1")
    return None, _real(key, a), None


def _real(key, a):
    if np.iscomplexobj(a):
        raise ValueError(f"{key}: holds complex values; pass a real measure (for example np.abs of coherency)")
    if not (np.issubdtype(a.dtype, np.floating) or np.issubdtype(a.dtype, np.integer) or a.dtype == bool):
        raise ValueError(f"{key}: values of type {a.dtype} are not numbers")
    return a


def _from_connectivity(key, con, fmin, fmax):
    names = [str(n) for n in con.names]
    a = _real(key, np.asarray(con.get_data(output="dense")))
    freqs = getattr(con, "freqs", None)
    times = getattr(con, "times", None)
    freqs = None if freqs is None else np.atleast_1d(np.asarray(freqs, float))
    times = None if times is None else np.atleast_1d(np.asarray(times, float))
    extra = (freqs is not None) + (times is not None)
    if a.ndim != 2 + extra or a.shape[:2] != (len(names), len(names)):
        raise ValueError(f"{key}: get_data(output='dense') gave shape {a.shape}, expected "
                         f"({len(names)}, {len(names)}" + ", freqs" * (freqs is not None)
                         + ", times" * (times is not None) + ") for its names"
                         + (" (epoch-resolved connectivity: combine the epochs first)" if a.ndim == 3 + extra else ""))
    if freqs is not None:
        if a.shape[2] != len(freqs):
            raise ValueError(f"{key}: {a.shape[2]} values along the frequencies for {len(freqs)} freqs")
        if len(freqs) == 1 and fmin is None and fmax is None:
            band = np.ones(1, bool)
        elif fmin is None or fmax is None:
            raise ValueError(f"fmin: {key} holds spectral connectivity at {len(freqs)} frequencies "
                             f"({freqs.min():g} to {freqs.max():g} Hz); give fmin and fmax to average a band")
        else:
            band = (freqs >= fmin) & (freqs <= fmax)
            if not band.any():
                raise ValueError(f"fmin: no frequency of {key} lies in {fmin:g} to {fmax:g} Hz "
                                 f"(it has {freqs.min():g} to {freqs.max():g} Hz)")
        # The mean keeps float32 as float32.
        a = a[:, :, band].mean(axis=2, dtype=a.dtype if a.dtype == np.float32 else np.float64)
    if a.ndim == 2:
        a = a[:, :, np.newaxis]
    if times is not None and a.shape[2] != len(times):
        raise ValueError(f"{key}: {a.shape[2]} samples for {len(times)} times")
    return names, a, times


def _mirror(a):
    """Fills the zero triangle of a one-triangle matrix from the other (NaN is not zero)."""
    lower = np.tril(np.ones(a.shape[:2], bool), -1)
    lo, up = a[lower], a[lower.T]
    lo_zero, up_zero = not np.any(lo != 0) and not np.isnan(lo).any(), not np.any(up != 0) and not np.isnan(up).any()
    if lo_zero == up_zero:
        return a
    a = a.copy()
    # Element (i, j) above the diagonal is (j, i) below it: the transpose moves one onto the other.
    src = a.transpose(1, 0, 2)
    if up_zero:
        a[lower.T] = src[lower.T]
    else:
        a[lower] = src[lower]
    return a


def _rate(sfreq, tmin, classes, channels_info, samples):
    """Sample rate and first latency: the arguments, else the connectivity times, else the info."""
    times = [c for c in classes if c.times is not None]
    for c in times[1:]:
        if c.times.shape != times[0].times.shape or not np.allclose(c.times, times[0].times):
            raise ValueError(f"{c.key}: its times differ from those of {times[0].key}; a data folder holds one time axis")
    rate, first = None, None
    if times and len(times[0].times) > 1:
        step = np.diff(times[0].times)
        if not (np.all(np.isfinite(step)) and step[0] > 0 and np.allclose(step, step[0], rtol=1e-6, atol=0)):
            raise ValueError(f"{times[0].key}: its times are not evenly spaced and increasing")
        rate = 1.0 / float(np.mean(step))
    if times:
        first = float(times[0].times[0])
    if rate is None and channels_info is not None:
        rate = float(channels_info["sfreq"])
    if sfreq is not None:
        rate = _number("sfreq", sfreq)
    if tmin is not None:
        first = _number("tmin", tmin)
    if rate is None:
        if samples > 1:
            raise ValueError(f"sfreq: needed for {samples} samples (or pass info= or connectivity with times)")
        rate = 1.0
    if not rate > 0:
        raise ValueError(f"sfreq: must be above 0, not {rate!r}")
    if first is None or not np.isfinite(first):
        first = 0.0 if first is None else _number("tmin", first)
    return rate, first


def _number(arg, value):
    try:
        v = float(value)
    except (TypeError, ValueError):
        raise ValueError(f"{arg}: must be a number, not {value!r}") from None
    if not np.isfinite(v):
        raise ValueError(f"{arg}: must be finite, not {v!r}")
    return v


def _rows(channels, c):
    """The channel indices of a class's rows, leaving out rows of channels the folder leaves out."""
    names = c.names
    if names is None:
        n = c.values.shape[0]
        if n == len(channels):
            return list(range(n)), c.values
        total = len(channels) + len(channels.dropped)
        if channels.all_names is not None and n == total:
            names = channels.all_names
        else:
            raise ValueError(f"{c.key}: {n} rows for {len(channels)} channels"
                             + (f" ({total} with those left out)" if channels.dropped else ""))
    unknown = [n for n in names if n not in channels.index and n not in channels.dropped]
    if unknown:
        raise ValueError(f"{c.key}: names channels the channel list lacks: {_channels._few(unknown)}")
    if len(set(names)) != len(names):
        raise ValueError(f"{c.key}: its names list a channel twice")
    keep = [k for k, n in enumerate(names) if n in channels.index]
    if not keep:
        raise ValueError(f"{c.key}: holds none of the MEG and EEG channels")
    values = c.values if len(keep) == len(names) else c.values[np.ix_(keep, keep)]
    return [channels.index[names[k]] for k in keep], values


def write(folder, active=None, control=None, result=None, *, info=None, layout=None, names=None, types=None,
          positions=None, sfreq=None, tmin=None, symmetric=True, fmin=None, fmax=None, dtype=None,
          session=None, measure=None):
    """Writes a data folder that ``cxcmap --data FOLDER`` opens.

    active, control, result: arrays (n, n, T) or (n, n), or connectivity objects with
    ``get_data(output="dense")``, ``names`` and ``times``/``freqs``. ``result`` defaults to
    ``active - control``. info: an ``mne.Info`` (names, kinds, positions, bads, sfreq); without it,
    ``names``, ``types`` ("MEG"/"EEG"), ``positions`` (n, 3 in metres, head coordinates) and ``sfreq``.
    layout: an ``mne.channels.Layout`` or a layout name MNE knows. fmin, fmax: the band (Hz) whose
    frequencies are averaged for spectral connectivity. symmetric: mirror a matrix with one triangle
    all zero. dtype: None keeps float32 as float32, "float64" or "float32" forces one.
    session: the session name; measure: the text shown with the data.

    Every argument is checked before anything is written; a bad one raises ValueError naming it.
    Returns the folder's path.
    """
    folder = Path(os.fspath(folder))
    if folder.exists() and not folder.is_dir():
        raise ValueError(f"folder: {folder} exists and is not a folder")
    if dtype is not None:
        try:
            dtype = np.dtype(dtype)
        except TypeError:
            raise ValueError(f"dtype: {dtype!r} is not a dtype") from None
        if dtype not in (np.float32, np.float64):
            raise ValueError(f"dtype: must be float32 or float64, not {dtype}")
    if fmin is not None:
        fmin = _number("fmin", fmin)
    if fmax is not None:
        fmax = _number("fmax", fmax)
    if fmin is not None and fmax is not None and fmin > fmax:
        raise ValueError(f"fmin: {fmin:g} lies above fmax {fmax:g}")

    if info is not None:
        if any(v is not None for v in (names, types, positions)):
            raise ValueError("info: give info or names/types/positions, not both")
        channels = _channels.from_info(info)
        channels.all_names = [ch["ch_name"] for ch in info["chs"]]
    else:
        channels = _channels.from_lists(names, types, positions)
        channels.all_names = None
    _channels.check_names(channels, "info" if info is not None else "names")
    if layout is not None:
        _channels.apply_layout(channels, layout)

    given = {k: v for k, v in zip(_CLASSES, (active, control, result)) if v is not None}
    if not given:
        raise ValueError("active: at least one class (active, control or result) is needed")
    classes = []
    for key, obj in given.items():
        row_names, values, times = _values(key, obj, fmin, fmax)
        classes.append(_Class(key, row_names, values, times))
    rows = {}
    for c in classes:
        rows[c.key], c.values = _rows(channels, c)
        if symmetric:
            c.values = _mirror(c.values)
    if "result" not in given and "active" in given and "control" in given:
        act, ctl = classes[0], classes[1]
        if rows["active"] != rows["control"] or act.values.shape != ctl.values.shape:
            raise ValueError(f"result: active {act.values.shape} and control {ctl.values.shape} cover other "
                             "channels or samples; give result yourself")
        classes.append(_Class("result", None, act.values - ctl.values, None))
        rows["result"] = rows["active"]
    samples = max(c.values.shape[2] for c in classes)
    rate, first = _rate(sfreq, tmin, classes, info, samples)

    if session is None:
        session = folder.name or "session"
    doc = {
        "format": "cxc-dataset", "version": 1, "session": str(session),
        "sampleRate": rate, "firstLatency": first,
        "channels": [_channel_entry(channels, i) for i in range(len(channels))],
        "trials": [{"name": "trial01", "classes": {
            c.key: {"pairs": rows[c.key], "values": c.key + ".npy",
                    **({"info": str(measure)} if measure is not None else {})}
            for c in classes}}],
    }
    arrays = {c.key + ".npy": _stored(c.values, dtype) for c in classes}
    _replace(folder, doc, arrays)
    return folder


def _channel_entry(channels, i):
    e = {"name": channels.names[i], "type": channels.types[i],
         "position": [float(x) for x in channels.positions[i]]}
    if not channels.good[i]:
        e["good"] = False
    if channels.layout is not None and channels.layout[i] is not None:
        e["layout"] = [max(0.0, float(x)) for x in channels.layout[i]]
    return e


def _stored(a, dtype):
    if dtype is None:
        dtype = np.float32 if a.dtype.kind == "f" and a.dtype.itemsize == 4 else np.float64
    # Little-endian C order, as the program reads it.
    return np.ascontiguousarray(a, dtype=np.dtype(dtype).newbyteorder("<"))


def _json_text(doc):
    """One channel and one trial per line: readable, and diffs stay small."""
    lines = []
    for key, value in doc.items():
        if isinstance(value, list):
            items = ",\n".join("    " + json.dumps(v) for v in value)
            lines.append(f'  "{key}": [\n{items}\n  ]')
        else:
            lines.append(f"  {json.dumps(key)}: {json.dumps(value)}")
    return "{\n" + ",\n".join(lines) + "\n}\n"


def _replace(folder, doc, arrays):
    """Writes into a temporary folder beside the target, then moves it into place."""
    parent = folder.absolute().parent
    parent.mkdir(parents=True, exist_ok=True)
    temp = Path(tempfile.mkdtemp(prefix="." + folder.name + ".", suffix=".tmp", dir=parent))
    try:
        for name, a in arrays.items():
            np.save(temp / name, a, allow_pickle=False)
        (temp / "dataset.json").write_text(_json_text(doc), encoding="utf-8")
        if not folder.exists():
            os.rename(temp, folder)
            return
        # An existing folder keeps its other files; dataset.json comes last, so an interrupted
        # move leaves the old description.
        for name in list(arrays) + ["dataset.json"]:
            os.replace(temp / name, folder / name)
    finally:
        shutil.rmtree(temp, ignore_errors=True)
