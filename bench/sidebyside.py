#!/usr/bin/env python3
"""The module's play paths and a Python peer doing the same work, measured in one run.

Runs the benchmark binary on the 275-sensor cases (medians of five repetitions) and, when Debian's
python3-matplotlib, python3-mne and python3-networkx are installed, the peer's figures at 800 x 800
drawn on matplotlib's Agg canvas without PNG encoding, then prints one Markdown table.

    python3 bench/sidebyside.py [--bench build/release/bench/cxcmap_bench] [--repeat 15]
    bash run.sh compare          (installs the packages and builds first)
"""
import argparse
import json
import os
import platform
import statistics
import subprocess
import sys
import time

# (row, benchmark name, peer key): the peer key names a function of PEERS below, or None.
ROWS = [
    ("link map paint, ~190 links", "MegLinkPaintSigned/275", "links"),
    ("link play tick (37,675 new means, then paint)", "MegLinkTick/275", None),
    ("patch map paint", "MegPatchPaint/275", "patches"),
    ("contour step, field and lines", "MegContourStepBoth/275", "topomap"),
    ("matrix paint, every cell", "MatrixCells2", "matrix"),
    ("matrix paint, 3-px cells", "MatrixCells3", None),
    ("matrix play tick, 3-px cells", "MatrixCells3Tick", None),
    ("graph report, threshold on (~190 links)", "MegGraphReportThreshold/275", "graph"),
    ("graph report, threshold off (all pairs)", "MegGraphReportAll/275", None),
]
SENSORS, SAMPLES, SELECTION = 275, 1000, 100


def run_bench(binary):
    names = [r[1] for r in ROWS] + ["MemoryRead"]
    pattern = "^(" + "|".join(n + "$" for n in names) + ")"
    out = subprocess.run(
        [binary, "--benchmark_filter=" + pattern, "--benchmark_repetitions=5",
         "--benchmark_report_aggregates_only=true", "--benchmark_format=json"],
        check=True, capture_output=True, text=True,
        env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    found = {}
    for b in json.loads(out.stdout)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            scale = {"ms": 1.0, "us": 1e-3, "ns": 1e-6}[b["time_unit"]]
            found[b["run_name"]] = dict(b, cpu_ms=b["cpu_time"] * scale, wall_ms=b["real_time"] * scale)
    return found


def median_ms(fn, repeat):
    fn()  # first call builds caches
    times = []
    for _ in range(repeat):
        # Processor time, as the module's column: a loaded machine stretches wall time for both.
        t = time.process_time()
        fn()
        times.append((time.process_time() - t) * 1e3)
    return statistics.median(times)


def peers(repeat):
    """Each peer returns (median ms, what was timed); missing packages leave the peers out."""
    try:
        import matplotlib
        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
        import numpy as np
        from matplotlib.collections import LineCollection
    except ImportError:
        return {}
    rng = np.random.default_rng(7)
    try:
        import mne
        lay = mne.channels.read_layout("CTF-275")
        pos = lay.pos[:SENSORS, :2] + lay.pos[:SENSORS, 2:] / 2
        names = lay.names[:SENSORS]
    except Exception:  # MNE missing: sensors spread on a disc
        mne = None
        a = rng.uniform(0, 2 * np.pi, SENSORS)
        r = np.sqrt(rng.uniform(0, 1, SENSORS))
        pos = np.c_[r * np.cos(a), r * np.sin(a)]
        names = ["S%03d" % i for i in range(SENSORS)]
    series = rng.normal(0, 0.2, (SENSORS, SAMPLES))
    results = {}

    def figure():
        fig = plt.figure(figsize=(8, 8), dpi=100)
        ax = fig.add_axes([0, 0, 1, 1])
        ax.set_axis_off()
        return fig, ax

    # Links: the selection moves one sample, ~190 links change, the figure is drawn.
    fig, ax = figure()
    # The sensors as circles; the names our map writes beside them are left out, which favours the peer.
    ax.scatter(pos[:, 0], pos[:, 1], s=9, facecolors="none", edgecolors="k")
    links = LineCollection([], linewidths=1)
    ax.add_collection(links)
    ax.set_xlim(pos[:, 0].min() - 0.05, pos[:, 0].max() + 0.05)
    ax.set_ylim(pos[:, 1].min() - 0.05, pos[:, 1].max() + 0.05)
    state = {"step": 0}

    def link_step():
        state["step"] += 1
        pairs = rng.integers(0, SENSORS, (190, 2))
        links.set_segments(pos[pairs])
        links.set_color(np.where(rng.uniform(size=190) > 0.5, "r", "b"))
        fig.canvas.draw()
    results["links"] = (median_ms(link_step, repeat), "matplotlib LineCollection update")
    plt.close(fig)

    # Patches: a small waveform of the selection at every sensor.
    fig, ax = figure()
    ax.set_xlim(pos[:, 0].min() - 0.05, pos[:, 0].max() + 0.05)
    ax.set_ylim(pos[:, 1].min() - 0.05, pos[:, 1].max() + 0.05)
    waves = LineCollection([], linewidths=0.5)
    ax.add_collection(waves)
    x = np.linspace(-0.02, 0.02, SELECTION)

    def patch_step():
        state["step"] = (state["step"] + 1) % (SAMPLES - SELECTION)
        b = state["step"]
        y = series[:, b:b + SELECTION] * 0.02
        waves.set_segments(np.stack([pos[:, None, 0] + x, pos[:, None, 1] + y], axis=2))
        fig.canvas.draw()
    results["patches"] = (median_ms(patch_step, repeat), "matplotlib LineCollection update")
    plt.close(fig)

    # The matrix: every cell of 275 x 275 with the channel names on both axes.
    fig, ax = plt.subplots(figsize=(8, 8), dpi=100)
    image = ax.imshow(rng.normal(size=(SENSORS, SENSORS)), cmap="jet")
    ax.set_xticks(range(SENSORS), names, fontsize=3, rotation=90)
    ax.set_yticks(range(SENSORS), names, fontsize=3)

    def matrix_step():
        image.set_data(rng.normal(size=(SENSORS, SENSORS)))
        fig.canvas.draw()
    results["matrix"] = (median_ms(matrix_step, max(3, repeat // 3)), "imshow with labels, draw only")
    plt.close(fig)

    if mne is not None:
        fig, ax = figure()

        def topomap_step():
            state["step"] = (state["step"] + 1) % SAMPLES
            ax.clear()
            # MNE's default look: sensors as dots, no names (ours writes 275 of them).
            mne.viz.plot_topomap(series[:, state["step"]], pos, axes=ax, show=False, contours=6,
                                 sensors=True)
            fig.canvas.draw()
        results["topomap"] = (median_ms(topomap_step, repeat), "MNE plot_topomap of the new sample, CTF-275, drawn")
        plt.close(fig)

    try:
        import networkx as nx
    except ImportError:
        nx = None
    if nx is not None:
        pairs = rng.integers(0, SENSORS, (190, 2))
        pairs = pairs[pairs[:, 0] != pairs[:, 1]]

        def graph_step():
            g = nx.Graph()
            for a, b in pairs:
                g.add_edge(int(a), int(b), weight=float(series[a, 0] * series[b, 0]),
                           length=float(np.hypot(*(pos[a] - pos[b]))))
            degrees = np.array([d for _, d in g.degree()])
            clustering = np.array(list(nx.clustering(g).values()))
            weights = np.array([w for _, _, w in g.edges(data="weight")])
            lengths = np.array([w for _, _, w in g.edges(data="length")])
            return [(v.min(), v.mean(), v.max(), np.sqrt((v * v).mean()))
                    for v in (degrees, clustering, weights, lengths)]
        results["graph"] = (median_ms(graph_step, repeat), "NetworkX degrees, clustering, edge sums")
    return results


def load():
    try:
        return " ".join(open("/proc/loadavg").read().split()[:3])
    except OSError:
        return "?"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bench", default="build/release/bench/cxcmap_bench")
    parser.add_argument("--repeat", type=int, default=15)
    args = parser.parse_args()
    start = load()
    ours = run_bench(args.bench)
    theirs = peers(args.repeat)
    read = ours.get("MemoryRead")
    bandwidth = read["bytes_per_second"] if read else None
    print("Run of %s on %s, load average %s at the start, %s at the end." %
          (time.strftime("%Y-%m-%d %H:%M UTC", time.gmtime()), platform.node() or "this machine", start, load()))
    if bandwidth:
        print("Memory read bandwidth of the run: %.1f GB/s." % (bandwidth / 1e9))
    print()
    print("| work, 275 MEG sensors | this project CPU (wall) ms | floor, ratio to it | peer CPU ms | peer | ratio |")
    print("|---|---:|---:|---:|---|---:|")
    for label, name, peer in ROWS:
        b = ours.get(name)
        mine = "%.2f (%.2f)" % (b["cpu_ms"], b["wall_ms"]) if b else "-"
        # The play ticks report their own floor: the bytes they must read over the run's bandwidth.
        floor = "%.2f ms, %.1fx" % (b["floor_ms"], b["to_floor"]) if b and "to_floor" in b else "-"
        p = theirs.get(peer) if peer else None
        ratio = "%.0fx" % (p[0] / b["cpu_ms"]) if p and b else "-"
        print("| %s | %s | %s | %s | %s | %s |" % (label, mine, floor, "%.1f" % p[0] if p else "-",
                                                     p[1] if p else "-", ratio))
    if not theirs:
        print("\nThe peer's packages (python3-matplotlib, python3-mne, python3-networkx) are not installed.",
              file=sys.stderr)


if __name__ == "__main__":
    main()
