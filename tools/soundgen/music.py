"""The music as note data: three songs built from sections of chords, melodies and patterns.

Each song: "tempo" (beats per minute, 4/4), "parts" (name -> MIDI channel, General MIDI program,
volume, pan, reverb), "sections" (each: "chords", one symbol per bar, and "play", part name ->
what it plays), and "loop_from" (the section the loop returns to; 0 loops the whole song).
What a part plays: {"melody": text} (see score.py), {"steps": pattern, "step": beats, "octave": n},
{"pad": octave} (the bar's chord held), or {"drums": name of a pattern in DRUMS}.
"""

from fractions import Fraction

import score

EIGHTH = Fraction(1, 2)
SIXTEENTH = Fraction(1, 4)

# General MIDI drum keys: 36 kick, 38 snare, 39 clap, 42 closed hat, 46 open hat, 49 crash,
# 70 maracas; one bar of 16 steps each.
DRUMS = {
    "menu_light": {36: "x.......x.......", 42: "o.o.o.o.o.o.o.o."},
    "menu_full": {36: "x.......x..x....", 38: "....x.......x...", 42: "o.x.o.x.o.x.o.x."},
    "menu_turn": {36: "x.......x..x....", 38: "....x.......x.xx", 42: "o.x.o.x.o.x.o.x."},
    "race_intro": {36: "x...x...x...x...", 42: "o.o.o.o.o.o.o.o."},
    "race_full": {36: "x...x...x...x...", 38: "....x.......x...", 39: "....o.......o...",
                  42: "xoxoxoxoxoxoxoxo", 46: "..o...o...o...o."},
    "race_fill": {36: "x...x...x...x...", 38: "....x.......xxxx", 39: "....o.......o...",
                  42: "xoxoxoxoxoxo....", 46: "..o...o...o....."},
    "race_crash": {36: "x...x...x...x...", 38: "....x.......x...", 49: "x...............",
                   42: "..xoxoxoxoxoxoxo", 46: "..o...o...o...o."},
    "win_shaker": {70: "..o.o.o.o.o.o.o.", 36: "....o.....o....."},
}

MENU_A = "C G Am F C G F G".split()
MENU_B = "Am F C G Am F Dm G".split()
MENU_TUNE_A = ("E5:1 G5:1 C6:3/2 B5:1/2 | D6:1 B5:1 G5:2 | A5:1 C6:1 E6:3/2 D6:1/2 | C6:1 A5:1 F5:2 | "
               "E5:1/2 F5:1/2 G5:1 C6:1 E6:1 | D6:3/2 C6:1/2 B5:1 G5:1 | A5:1 C6:1 F6:1 E6:1/2 D6:1/2 | "
               "D6:3 r:1")
MENU_TUNE_B = ("C6:1 B5:1/2 A5:1/2 E5:2 | F5:1 A5:1 C6:2 | G5:1 E5:1 G5:1 C6:1 | B5:1 D6:1 G5:2 | "
               "C6:1/2 D6:1/2 E6:1 A5:1 C6:1 | F6:1 E6:1/2 D6:1/2 C6:2 | D6:1 F6:1 A5:1 D6:1 | "
               "B5:1 D6:1 G6:1 B5:1/2 D6:1/2")

RACE_A = "Em C G D Em C D B".split()
RACE_B = "C D Em Em C D B B".split()
RACE_TUNE_A = ("E5:1/2 G5:1/2 B5:1 A5:1/2 G5:1/2 E5:1 | G5:1/2 E5:1/2 C5:1 E5:1 G5:1 | "
               "D5:1/2 G5:1/2 B5:1 D6:1 B5:1 | A5:3/2 F#5:1/2 D5:2 | E5:1/2 G5:1/2 B5:1 E6:1 D6:1 | "
               "C6:1 B5:1/2 A5:1/2 G5:1 E5:1 | F#5:1 A5:1 D6:1 C6:1 | B5:2 D#5:1 F#5:1")
RACE_TUNE_B = ("E5:1 G5:1 C6:3/2 B5:1/2 | A5:1 F#5:1 D6:2 | B5:1/2 A5:1/2 G5:1/2 A5:1/2 B5:1 E6:1 | "
               "D6:1 B5:1 G5:1 E5:1 | C6:1 E6:1 G6:1 E6:1 | F#6:1 D6:1 A5:1 F#5:1 | "
               "D#6:1 B5:1 F#5:1 B5:1 | D#6:2 F#6:2")

WIN_BED = "C Am F G C Am Dm G C Am F G".split()
WIN_FANFARE_TRUMPET = "G4:1/3 G4:1/3 G4:1/3 C5:1 G4:1/2 C5:1/2 E5:1 | G5:3 r:1"
WIN_FANFARE_BRASS = "r:2 C4+E4+G4:2 | C4+E4+G4+C5:3 r:1"
WIN_FANFARE_TIMPANI = "C3:1/3 C3:1/3 C3:1/3 G2:1 r:1 C3:1 | C3:1/4 C3:1/4 C3:1/4 C3:1/4 C3:2 r:1"
WIN_BED_TUNE = ("r:2 E5:1 G5:1 | A5:3 G5:1 | F5:2 A5:1 C6:1 | B5:3 r:1 | "
                "r:2 G5:1 C6:1 | C6:2 B5:1 A5:1 | F5:2 A5:1 D6:1 | B5:3 r:1 | "
                "r:2 E5:1 G5:1 | A5:2 C6:1 E6:1 | D6:2 C6:1 A5:1 | G5:4")


def Tune(text):
    """Melody text with bar lines, which are only there for reading."""
    return text.replace("|", " ")


SONGS = [
    {"name": "menu", "event": "Music/MenuMusic", "volume": 0.4, "tempo": 120, "loop_from": 0,
     "parts": {"lead": (0, 80, 78, 64, 50), "arp": (1, 11, 88, 40, 50), "bass": (2, 38, 100, 64, 20),
               "pad": (3, 89, 70, 88, 70), "drums": (9, 0, 96, 64, 30)},
     "sections": [
         {"chords": MENU_A, "play": {"arp": {"steps": "0 1 2 3 2 1 2 3", "step": EIGHTH, "octave": 5},
                                     "bass": {"steps": "0 . 0 2 . 0 2 .", "step": EIGHTH, "octave": 2},
                                     "pad": {"pad": 4}, "drums": {"drums": "menu_light"}}},
         {"chords": MENU_A, "play": {"lead": {"melody": Tune(MENU_TUNE_A)},
                                     "arp": {"steps": "0 1 2 3 2 1 2 3", "step": EIGHTH, "octave": 5},
                                     "bass": {"steps": "0 . 0 2 . 0 2 0", "step": EIGHTH, "octave": 2},
                                     "pad": {"pad": 4}, "drums": {"drums": "menu_full"}}},
         {"chords": MENU_B, "play": {"lead": {"melody": Tune(MENU_TUNE_B)},
                                     "arp": {"steps": "3 2 1 0 1 2 3 4", "step": EIGHTH, "octave": 5},
                                     "bass": {"steps": "0 . 0 2 . 0 2 0", "step": EIGHTH, "octave": 2},
                                     "pad": {"pad": 4}, "drums": {"drums": "menu_full", "last": "menu_turn"}}},
     ]},
    {"name": "race", "event": "Music/RaceMusic", "volume": 0.35, "tempo": 150, "loop_from": 0,
     "parts": {"lead": (0, 81, 84, 64, 40), "arp": (1, 80, 56, 30, 40), "bass": (2, 39, 104, 64, 10),
               "pad": (3, 50, 66, 96, 60), "drums": (9, 0, 100, 64, 20)},
     "sections": [
         {"chords": RACE_A, "play": {"arp": {"steps": "0 1 2 3 0 1 2 3 0 1 2 3 0 1 2 3", "step": SIXTEENTH,
                                             "octave": 5},
                                     "bass": {"steps": "0 0 3 0 0 0 3 0", "step": EIGHTH, "octave": 2},
                                     "drums": {"drums": "race_intro", "last": "race_fill"}}},
         {"chords": RACE_A, "play": {"lead": {"melody": Tune(RACE_TUNE_A)},
                                     "arp": {"steps": "0 1 2 3 0 1 2 3 0 1 2 3 0 1 2 3", "step": SIXTEENTH,
                                             "octave": 5},
                                     "bass": {"steps": "0 0 3 0 0 0 3 0", "step": EIGHTH, "octave": 2},
                                     "pad": {"pad": 4}, "drums": {"drums": "race_full", "first": "race_crash"}}},
         {"chords": RACE_B, "play": {"lead": {"melody": Tune(RACE_TUNE_B)},
                                     "arp": {"steps": "3 2 1 0 3 2 1 0 3 2 1 0 3 2 1 0", "step": SIXTEENTH,
                                             "octave": 5},
                                     "bass": {"steps": "0 0 3 0 2 0 3 2", "step": EIGHTH, "octave": 2},
                                     "pad": {"pad": 4},
                                     "drums": {"drums": "race_full", "first": "race_crash", "last": "race_fill"}}},
         {"chords": RACE_A, "play": {"lead": {"melody": Tune(RACE_TUNE_A), "transpose": 12, "velocity": 84},
                                     "arp": {"steps": "0 1 2 3 4 3 2 1 0 1 2 3 4 3 2 1", "step": SIXTEENTH,
                                             "octave": 5},
                                     "bass": {"steps": "0 0 3 0 0 0 3 0", "step": EIGHTH, "octave": 2},
                                     "pad": {"pad": 4}, "drums": {"drums": "race_full", "first": "race_crash"}}},
         {"chords": RACE_B, "play": {"lead": {"melody": Tune(RACE_TUNE_B)},
                                     "arp": {"steps": "3 2 1 0 3 2 1 0 3 2 1 0 3 2 1 0", "step": SIXTEENTH,
                                             "octave": 5},
                                     "bass": {"steps": "0 0 3 0 2 0 3 2", "step": EIGHTH, "octave": 2},
                                     "pad": {"pad": 4},
                                     "drums": {"drums": "race_full", "first": "race_crash", "last": "race_fill"}}},
     ]},
    {"name": "win", "event": "Music/WinScreen", "volume": 0.45, "tempo": 108, "loop_from": 1,
     "parts": {"trumpet": (0, 56, 110, 54, 60), "brass": (1, 61, 96, 74, 60), "timpani": (2, 47, 110, 64, 50),
               "keys": (3, 4, 84, 44, 60), "pad": (4, 89, 72, 84, 70), "bass": (5, 33, 92, 64, 30),
               "bell": (6, 11, 80, 64, 70), "drums": (9, 0, 80, 64, 40)},
     "sections": [
         {"chords": ["C", "C"], "play": {"trumpet": {"melody": Tune(WIN_FANFARE_TRUMPET), "velocity": 112},
                                         "brass": {"melody": Tune(WIN_FANFARE_BRASS), "velocity": 100},
                                         "timpani": {"melody": Tune(WIN_FANFARE_TIMPANI), "velocity": 110}}},
         {"chords": WIN_BED, "play": {"keys": {"steps": "0 1 2 3 2 1", "step": Fraction(2, 3), "octave": 4,
                                               "velocity": 70},
                                      "pad": {"pad": 4}, "bass": {"steps": "0 . 2 .", "step": 1, "octave": 2},
                                      "bell": {"melody": Tune(WIN_BED_TUNE), "velocity": 76},
                                      "drums": {"drums": "win_shaker"}}},
     ]},
]


def Compose(song):
    """MIDI bytes of a song and its loop span (start, end) in seconds."""
    writer = score.Writer(song["tempo"])
    for name, (channel, program, volume, pan, reverb) in song["parts"].items():
        writer.Channel(name, channel, program, volume, pan, reverb)
    beat = Fraction(0)
    loopStart = Fraction(0)
    for index, section in enumerate(song["sections"]):
        if index == song["loop_from"]:
            loopStart = beat
        for name, what in section["play"].items():
            PlayPart(writer, name, what, beat, section["chords"])
        beat += 4 * len(section["chords"])
    secondsPerBeat = Fraction(60) / song["tempo"]
    return writer, float(loopStart * secondsPerBeat), float(beat * secondsPerBeat)


def PlayPart(writer, name, what, start, chords):
    """Writes one part of one section."""
    if "melody" in what:
        text = what["melody"]
        if what.get("transpose"):
            text = Transpose(text, what["transpose"])
        writer.Melody(name, start, text, what.get("velocity", 96))
        return
    for bar, chord in enumerate(chords):
        at = start + 4 * bar
        if "steps" in what:
            writer.Steps(name, at, chord, what["octave"], what["steps"], what["step"], what.get("velocity", 90))
        elif "pad" in what:
            writer.Pad(name, at, chord, what["pad"], 4)
        elif "drums" in what:
            pattern = what["drums"]
            if bar == 0 and "first" in what:
                pattern = what["first"]
            if bar == len(chords) - 1 and "last" in what:
                pattern = what["last"]
            writer.Drums(name, at, DRUMS[pattern])


def Transpose(text, semitones):
    """A melody text moved by semitones (note names come back with sharps)."""
    names = ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]
    out = []
    for token in text.split():
        pitch, _, length = token.partition(":")
        if pitch != "r":
            keys = [score.NoteNumber(p) + semitones for p in pitch.split("+")]
            pitch = "+".join("%s%d" % (names[k % 12], k // 12 - 1) for k in keys)
        out.append(pitch + ":" + length if length else pitch)
    return " ".join(out)
