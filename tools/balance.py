#!/usr/bin/env python3
"""Balance check: many seeded all-computer races per track through the runner, summed up per element.

    tools/balance.py                      # 200 races on every track of res/TrackList.xml
    tools/balance.py --races 40 --tracks watertrack,firetrack --check

Each race has its own seed and hands the elements round the grid in turn (all 24 orders), so an
element's results are not the results of a grid slot. Prints, per track and element: wins, mean
place, mean finish time, respawns, stuck events (25 s without a gate), powers fired and hits
landed; then the race-wide figures and whether each balance target is met. With --check the exit
status is 1 when a target is missed.
"""

import argparse
import itertools
import json
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from concurrent.futures import ThreadPoolExecutor

ELEMENTS = ["fire", "water", "wind", "earth"]
ORDERS = list(itertools.permutations(range(4)))
FRAME_SECONDS = 1.0 / 60.0

# The targets a balanced game meets over many races.
WIN_SHARE = (0.15, 0.35)
MAX_MEAN_GAP_SECONDS = 8.0
RACE_SECONDS = (60.0, 120.0)


def track_names(root):
    """The real track names of res/TrackList.xml, in order."""
    names = ElementTree.parse(os.path.join(root, "res", "TrackList.xml")).getroot().find("RealTrackNames")
    return [t.get("name") for t in (names if names is not None else []) if t.get("name")]


def run_race(sim, root, track, seed, order, frames):
    """One race; its report's race part, or None when the runner failed."""
    with tempfile.TemporaryDirectory() as folder:
        report = os.path.join(folder, "race.json")
        command = [sim, "--root", root, "--track", track, "--seed", str(seed), "--frames", str(frames),
                   "--elements", "".join(str(e) for e in order), "--report", report]
        done = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        if done.returncode != 0 or not os.path.exists(report):
            return None
        with open(report, encoding="utf-8") as text:
            summary = json.load(text)
    race = summary.get("race")
    if race is not None:
        race["race_stats"] = summary.get("race_stats")
    return race


class ElementTally:
    def __init__(self):
        self.races = self.wins = self.finishes = 0
        self.places = self.finish_seconds = 0.0
        self.respawns = self.stuck = self.powers = self.hits = 0

    def add(self, race, player):
        place = race["finish_places"][player]
        frame = race["finish_frames"][player]
        self.races += 1
        self.wins += place == 0
        self.places += (place if place is not None and place >= 0 else 3) + 1
        if frame is not None and frame >= 0:
            self.finishes += 1
            self.finish_seconds += frame * FRAME_SECONDS
        self.stuck += (race.get("stuck") or [0] * 4)[player] or 0
        stats = (race.get("race_stats") or [None] * 4)[player] or {}
        self.respawns += stats.get("respawns", 0)
        self.powers += stats.get("powers", 0)
        self.hits += stats.get("hits", 0)


def summarise(track, races):
    tallies = [ElementTally() for _ in ELEMENTS]
    gaps, lengths, winners, failed = [], [], set(), 0
    for race in races:
        if race is None:
            failed += 1
            continue
        for player, element in enumerate(race["elements"]):
            tallies[element].add(race, player)
        frames = sorted(f for f in race["finish_frames"] if f is not None and f >= 0)
        if frames:
            lengths.append(frames[0] * FRAME_SECONDS)
            gaps.append((frames[-1] - frames[0]) * FRAME_SECONDS)
        winner = [p for p, place in enumerate(race["finish_places"]) if place == 0]
        if winner:
            winners.add(winner[0])
    run = len(races) - failed
    print(f"\n{track}: {run} races" + (f", {failed} runner failures" if failed else ""))
    print(f"  {'element':8} {'wins':>10} {'mean place':>10} {'finish s':>9} {'respawns':>9} "
          f"{'stuck':>6} {'powers':>7} {'hits':>6}")
    for name, t in zip(ELEMENTS, tallies):
        share = t.wins / t.races if t.races else 0.0
        mean_finish = t.finish_seconds / t.finishes if t.finishes else float("nan")
        print(f"  {name:8} {t.wins:4} {share:5.0%} {t.places / max(t.races, 1):10.2f} {mean_finish:9.1f} "
              f"{t.respawns:9} {t.stuck:6} {t.powers:7} {t.hits:6}")
    mean_gap = sum(gaps) / len(gaps) if gaps else float("nan")
    mean_length = sum(lengths) / len(lengths) if lengths else float("nan")
    print(f"  winner's time {mean_length:.1f} s (min {min(lengths, default=0):.1f}, max "
          f"{max(lengths, default=0):.1f}); first-to-last finisher gap {mean_gap:.1f} s; "
          f"winners from {len(winners)} of the 4 grid slots")
    return check(tallies, mean_gap, mean_length, winners, failed)


def check(tallies, mean_gap, mean_length, winners, failed):
    """The targets missed, one line each."""
    missed = []
    for name, t in zip(ELEMENTS, tallies):
        share = t.wins / t.races if t.races else 0.0
        if not WIN_SHARE[0] <= share <= WIN_SHARE[1]:
            missed.append(f"{name} wins {share:.0%}, outside {WIN_SHARE[0]:.0%}-{WIN_SHARE[1]:.0%}")
        if t.stuck:
            missed.append(f"{name} racers were stuck {t.stuck} times")
    if len(winners) < 2:
        missed.append("the same grid slot wins every race: the grid decides the result")
    if not mean_gap < MAX_MEAN_GAP_SECONDS:
        missed.append(f"mean first-to-last gap {mean_gap:.1f} s, not under {MAX_MEAN_GAP_SECONDS:.0f} s")
    if not RACE_SECONDS[0] <= mean_length <= RACE_SECONDS[1]:
        missed.append(f"a race lasts {mean_length:.1f} s, outside {RACE_SECONDS[0]:.0f}-{RACE_SECONDS[1]:.0f} s")
    if failed:
        missed.append(f"{failed} runs failed")
    for line in missed:
        print(f"  MISSED: {line}")
    if not missed:
        print("  every target met")
    return missed


def main():
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=here, help="folder holding res/ (default: the repository)")
    parser.add_argument("--sim", default=os.path.join(here, "build", "release", "src", "vantora-sim"))
    parser.add_argument("--tracks", help="comma-separated track names (default: every track)")
    parser.add_argument("--races", type=int, default=200, help="races per track (default 200)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the first race (default 1)")
    parser.add_argument("--frames", type=int, default=9000, help="frames a race may take (default 9000)")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--check", action="store_true", help="exit 1 when a target is missed")
    args = parser.parse_args()
    if not os.access(args.sim, os.X_OK):
        sys.exit(f"balance: no runner at {args.sim}; build it with ./run.sh or cmake --build build/release")
    tracks = args.tracks.split(",") if args.tracks else track_names(args.root)
    missed = []
    with ThreadPoolExecutor(max_workers=max(args.jobs, 1)) as pool:
        for track in tracks:
            jobs = [pool.submit(run_race, args.sim, args.root, track, args.seed + i, ORDERS[i % len(ORDERS)],
                                args.frames) for i in range(args.races)]
            missed += [f"{track}: {m}" for m in summarise(track, [j.result() for j in jobs])]
    sys.exit(1 if missed and args.check else 0)


if __name__ == "__main__":
    main()
