"""Turns the note data of music.py into MIDI tracks.

Melodies are written as "NOTE:BEATS" tokens ("E5:1", "C4+E4+G4:2" for a chord, "r:1/2" for a
rest); accompaniment parts follow each bar's chord symbol ("C", "Am", "B7", "F#m") through
patterns: bass and arpeggio patterns are step lists, drum patterns are 16-step strings.
"""

from fractions import Fraction

import midi
from synth import NoteNumber

ROOTS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
QUALITIES = {"": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10), "sus4": (0, 5, 7)}
DRUM_CHANNEL = 9


def ChordPitches(symbol, octave):
    """Semitone pitches of a chord symbol with its root in the given octave ("Am", 3 -> A3 C4 E4)."""
    root = ROOTS[symbol[0]]
    rest = symbol[1:]
    if rest[:1] in ("#", "b"):
        root += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    if rest not in QUALITIES:
        raise ValueError("unknown chord '%s'" % symbol)
    base = 12 * (octave + 1) + root
    return [base + step for step in QUALITIES[rest]]


def ParseMelody(text):
    """(start beat, length in beats, [keys]) for every sounding token; rests only move time."""
    notes = []
    now = Fraction(0)
    for token in text.split():
        pitch, _, length = token.partition(":")
        beats = Fraction(length) if length else Fraction(1)
        if pitch != "r":
            notes.append((now, beats, [NoteNumber(p) for p in pitch.split("+")]))
        now += beats
    return notes, now


class Writer:
    """Collects the parts of one song into MIDI tracks, bar by bar."""

    def __init__(self, tempo, beatsPerBar=4):
        self.tempo = tempo
        self.beatsPerBar = beatsPerBar
        self.tracks = {}

    def Channel(self, name, channel, program, volume=100, pan=64, reverb=40, chorus=0):
        """Declares a part: its MIDI channel, General MIDI program and mix settings."""
        track = midi.Track()
        if channel != DRUM_CHANNEL:
            track.Program(channel, program)
        track.Control(0, channel, 7, volume)
        track.Control(0, channel, 10, pan)
        track.Control(0, channel, 91, reverb)
        track.Control(0, channel, 93, chorus)
        self.tracks[name] = (track, channel)

    def Ticks(self, beats):
        return int(round(beats * midi.TICKS_PER_BEAT))

    def Melody(self, name, startBeat, text, velocity=96, gate=0.9):
        """Plays a melody string from startBeat; gate shortens notes so repeats articulate."""
        track, channel = self.tracks[name]
        notes, _ = ParseMelody(text)
        for at, beats, keys in notes:
            for key in keys:
                track.Note(self.Ticks(startBeat + at), self.Ticks(beats * Fraction(gate)), channel, key, velocity)

    def Steps(self, name, startBeat, chord, octave, pattern, step, velocity=90, gate=0.9):
        """One bar of a step pattern over a chord: numbers index the chord's tones upwards
        (0 root, 1 third, 2 fifth, 3 next root ...), "-N" an octave below, "." a rest."""
        track, channel = self.tracks[name]
        tones = ChordPitches(chord, octave)
        width = 3 if len(tones) == 3 else 4
        for i, token in enumerate(pattern.split()):
            if token == ".":
                continue
            index = int(token.lstrip("-"))
            key = tones[index % width] + 12 * (index // width) - (12 if token.startswith("-") else 0)
            at = self.Ticks(startBeat + i * step)
            track.Note(at, self.Ticks(step * gate), channel, key, velocity)

    def Pad(self, name, startBeat, chord, octave, beats, velocity=70):
        """A held chord for beats."""
        track, channel = self.tracks[name]
        for key in ChordPitches(chord, octave):
            track.Note(self.Ticks(startBeat), self.Ticks(beats) - 10, channel, key, velocity)

    def Drums(self, name, startBeat, patterns):
        """One bar of drums: {GM key: 16-step string}, "x" accented, "o" soft, "." silent."""
        track, channel = self.tracks[name]
        for key, steps in patterns.items():
            for i, mark in enumerate(steps):
                if mark in "xo":
                    at = self.Ticks(startBeat + Fraction(i * self.beatsPerBar, len(steps)))
                    track.Note(at, self.Ticks(Fraction(1, 8)), channel, key, 112 if mark == "x" else 72)

    def Encode(self, endBeat):
        """The MIDI file; the tempo sits in the first track, and every track lasts to endBeat."""
        tracks = [t for t, _ in self.tracks.values()]
        tracks[0].Tempo(0, self.tempo)
        return midi.Encode(tracks, self.Ticks(endBeat))
