"""Measures the generated files with sox and prints a Markdown table: levels, DC, format, and for
looping music how far the signal jumps at the seam compared with its usual step between samples.

Usage: measure.py [--root REPO]. The loop points are read back from the OGG comments.
"""

import argparse
import glob
import os
import re
import subprocess
import sys

import numpy as np


def SoxStats(path):
    """The overall column of `sox FILE -n stats`, keyed by the row name."""
    text = subprocess.run(["sox", path, "-n", "stats"], capture_output=True, text=True, check=True).stderr
    stats = {}
    for line in text.splitlines():
        match = re.match(r"^(.+?)\s{2,}(\S+)", line)
        if match:
            stats[match.group(1).strip()] = match.group(2)
    return stats


def SoxInfo(path, flag):
    return subprocess.run(["soxi", flag, path], capture_output=True, text=True, check=True).stdout.strip()


def Decode(path):
    channels = int(SoxInfo(path, "-c"))
    raw = subprocess.run(["sox", path, "-t", "f32", "-"], capture_output=True, check=True).stdout
    return np.frombuffer(raw, dtype="<f4").reshape(-1, channels)


def LoopPoints(path, length):
    """(start, end) of the loop from the LOOPSTART/LOOPLENGTH comments, or the whole file."""
    comments = SoxInfo(path, "-a")
    start = re.search(r"LOOPSTART=(\d+)", comments)
    span = re.search(r"LOOPLENGTH=(\d+)", comments)
    if start and span:
        return int(start.group(1)), int(start.group(1)) + int(span.group(1))
    return 0, length


def Seam(samples, start, end):
    """The jump from the last looped sample back to the first, and the median step for scale."""
    jump = float(np.max(np.abs(samples[end - 1] - samples[start])))
    step = float(np.median(np.abs(np.diff(samples, axis=0))))
    return jump, step


def Row(path, root):
    stats = SoxStats(path)
    name = os.path.relpath(path, os.path.join(root, "res/audio"))
    seam = ""
    if name.startswith("music/"):
        samples = Decode(path)
        start, end = LoopPoints(path, len(samples))
        jump, step = Seam(samples, start, end)
        seam = "%.4f (step %.4f)" % (jump, step)
        if start > 0:
            whole, _ = Seam(samples, 0, len(samples))
            seam += "; whole file %.4f" % whole
    return "| %s | %s | %s | %s | %s | %s | %s | %s |" % (
        name, SoxInfo(path, "-r"), SoxInfo(path, "-c"), stats.get("Length s", "?"), stats.get("Pk lev dB", "?"),
        stats.get("RMS lev dB", "?"), stats.get("DC offset", "?"), seam)


def Table(root):
    files = sorted(glob.glob(os.path.join(root, "res/audio/music/*"))) + sorted(
        glob.glob(os.path.join(root, "res/audio/sfx/*")))
    lines = ["| File | Hz | Ch | Length s | Peak dBFS | RMS dBFS | DC | Loop seam jump |",
             "|---|---|---|---|---|---|---|---|"]
    lines += [Row(path, root) for path in files]
    total = sum(os.path.getsize(p) for p in glob.glob(os.path.join(root, "res/audio/**"), recursive=True)
                if os.path.isfile(p))
    lines.append("")
    lines.append("Total size of res/audio: %.2f MB" % (total / 1e6))
    return "\n".join(lines)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=os.path.normpath(os.path.join(here, "../..")))
    args = parser.parse_args()
    print(Table(args.root))
    return 0


if __name__ == "__main__":
    sys.exit(main())
