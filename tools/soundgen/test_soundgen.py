"""Tests of the sound tool's parts that can go wrong quietly: MIDI bytes, note parsing, loop
seams, levels, the manifest, and the content guard. Needs numpy; skipped (77) without it."""

import os
import sys

try:
    import numpy as np
except ImportError:
    # A python earlier on PATH may lack Debian's numpy; the system one may have it.
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    print("numpy is not installed: skipped")
    sys.exit(77)

import math
import shutil
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bank  # noqa: E402
import check_bank  # noqa: E402
import effects  # noqa: E402
import layers  # noqa: E402
import midi  # noqa: E402
import music  # noqa: E402
import score  # noqa: E402
import soundgen  # noqa: E402
import synth  # noqa: E402


class MidiTest(unittest.TestCase):
    def test_variable_length_quantities(self):
        self.assertEqual(midi.VarLen(0), b"\x00")
        self.assertEqual(midi.VarLen(0x7F), b"\x7f")
        self.assertEqual(midi.VarLen(0x80), b"\x81\x00")
        self.assertEqual(midi.VarLen(0x3FFF), b"\xff\x7f")
        self.assertEqual(midi.VarLen(0x200000), b"\x81\x80\x80\x00")

    def test_repeated_note_is_released_before_it_sounds_again(self):
        # Otherwise the synthesiser takes the second note-on as retriggered and the off cuts it.
        track = midi.Track()
        track.Note(0, 480, 0, 60, 100)
        track.Note(480, 480, 0, 60, 100)
        chunk = track.Encode()
        body = chunk[8:]
        self.assertEqual(body[:4], b"\x00\x90\x3c\x64")
        self.assertEqual(body[4:9], b"\x83\x60\x80\x3c\x00")
        self.assertEqual(body[9:13], b"\x00\x90\x3c\x64")

    def test_tracks_last_to_the_end_tick_so_tails_render(self):
        track = midi.Track()
        track.Note(0, 10, 0, 60, 100)
        self.assertTrue(track.Encode(960).endswith(midi.VarLen(950) + b"\xff\x2f\x00"))


class ScoreTest(unittest.TestCase):
    def test_chords_and_notes(self):
        self.assertEqual(score.ChordPitches("Am", 3), [57, 60, 64])
        self.assertEqual(score.ChordPitches("F#m", 3), [54, 57, 61])
        self.assertEqual(score.ChordPitches("B7", 2), [47, 51, 54, 57])
        self.assertEqual(synth.NoteNumber("C4"), 60)
        self.assertEqual(synth.NoteNumber("Eb3"), 51)
        self.assertAlmostEqual(synth.NoteHz("A4"), 440.0)

    def test_melody_timing_with_rests_chords_and_triplets(self):
        notes, length = score.ParseMelody("C4:1/3 r:2/3 E4+G4:2")
        self.assertEqual(length, 3)
        self.assertEqual(notes[1], (1, 2, [64, 67]))

    def test_transpose_keeps_rhythm(self):
        self.assertEqual(music.Transpose("E5:1/2 r:1 B5+D#6:2", 12), "E6:1/2 r:1 B6+D#7:2")

    def test_every_song_section_fills_its_bars(self):
        # A melody longer or shorter than its section drifts against the chords and the loop.
        for song in music.SONGS:
            for section in song["sections"]:
                for part, what in section["play"].items():
                    if "melody" in what:
                        _, beats = score.ParseMelody(what["melody"])
                        self.assertEqual(beats, 4 * len(section["chords"]), (song["name"], part))

    def test_step_patterns_reach_down_an_octave(self):
        writer = score.Writer(120)
        writer.Channel("bass", 0, 38)
        writer.Steps("bass", 0, "C", 3, "0 -0 3", 1)
        track, _ = writer.tracks["bass"]
        keys = [e[2][1] for e in track.events if e[2][0] == 0x90]
        self.assertEqual(keys, [48, 36, 60])


class LoopTest(unittest.TestCase):
    def Tone(self, count):
        t = np.arange(count) / synth.RATE
        wave = 0.5 * np.sin(2 * math.pi * 220 * t)
        return np.stack([wave, wave], axis=1)

    def test_wrapped_tail_makes_the_seam_continuous(self):
        rendered = self.Tone(30000)
        rendered[:5000] *= np.linspace(0, 1, 5000)[:, None]  # silence at the start, as a song begins
        rendered[20000:] *= np.linspace(1, 0, 10000)[:, None]
        looped = soundgen.WrapLoop(rendered, 0, 20000)
        self.assertEqual(len(looped), 20000)
        step = np.max(np.abs(np.diff(rendered[:20000], axis=0)))
        self.assertLessEqual(np.max(np.abs(looped[-1] - looped[0])), step * 1.01)

    def test_late_loop_start_is_continuous_from_the_end_to_both_starts(self):
        rendered = self.Tone(30000)  # the tail outlasts the opening: it must not spill into the loop
        looped = soundgen.WrapLoop(rendered, 8000, 20000)
        step = np.max(np.abs(np.diff(rendered, axis=0)))
        self.assertGreater(np.max(np.abs(rendered[19999] - rendered[8000])), step)
        self.assertLessEqual(np.max(np.abs(looped[-1] - (looped[8000] - rendered[8000]))), step * 1.01)
        self.assertLessEqual(np.max(np.abs(looped[-1] - looped[0])), step * 1.01)

    def test_level_reaches_the_target_and_never_passes_the_ceiling(self):
        rng = np.random.default_rng(1)
        signal = rng.normal(0, 0.1, (40000, 2))
        signal[1000] = 3.0
        out = soundgen.Level(signal + 0.2, -17.0, -3.0)
        self.assertLess(np.max(np.abs(out)), soundgen.Db(-3.0))
        self.assertAlmostEqual(20 * math.log10(np.sqrt(np.mean(out ** 2))), -17.0, delta=0.5)
        self.assertLess(abs(np.mean(out)), 1e-3)


class EffectTest(unittest.TestCase):
    def test_same_seed_same_sound_and_no_clicks_at_the_ends(self):
        entry = next(e for e in effects.EFFECTS if e["event"] == "SFX/Fire/ForwardHit")
        first = layers.Render(entry["recipe"], 1.0, 7)
        self.assertTrue(np.array_equal(first, layers.Render(entry["recipe"], 1.0, 7)))
        self.assertFalse(np.array_equal(first, layers.Render(entry["recipe"], 1.0, 8)))
        self.assertEqual(first[0], 0.0)
        self.assertEqual(first[-1], 0.0)

    def test_every_effect_renders_and_every_variation_has_a_pitch(self):
        for entry in effects.EFFECTS:
            self.assertEqual(len(entry["files"]), len(entry["pitch"]), entry["event"])
            samples = layers.Render(entry["recipe"], entry["pitch"][-1], 0)
            self.assertTrue(np.all(np.isfinite(samples)), entry["event"])
            self.assertGreater(np.max(np.abs(samples)), 1e-3, entry["event"])


class BankTest(unittest.TestCase):
    def test_manifest_forms(self):
        root = ElementTree.fromstring(bank.BankText(effects.EFFECTS, music.SONGS))
        events = {e.get("path"): e for e in root.findall("Event")}
        jump = events["event:/SFX/PlayerJump"]
        self.assertIsNone(jump.get("file"))
        self.assertEqual([f.text for f in jump.findall("File")], ["sfx/jump_1.ogg", "sfx/jump_2.ogg", "sfx/jump_3.ogg"])
        self.assertEqual(events["event:/Error"].get("file"), "sfx/error.ogg")
        self.assertEqual(events["event:/SFX/MenuMove"].findall("File")[0].text, "sfx/menu_move_1.wav")
        self.assertEqual(events["event:/Music/WinScreen"].get("file"), "music/win.ogg")
        self.assertEqual(sorted(k[len("event:/"):] for k in events), sorted(check_bank.REQUIRED))


class CheckBankTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp()
        self.audio = os.path.join(self.root, "res", "audio")
        os.makedirs(os.path.join(self.audio, "sfx"))
        self.addCleanup(shutil.rmtree, self.root)

    def Write(self, events, files):
        with open(os.path.join(self.audio, "bank.xml"), "w") as f:
            f.write("<Bank>%s</Bank>" % events)
        for name, channels in files.items():
            soundgen.WriteWav(os.path.join(self.audio, name), np.zeros(100 * channels), channels)

    def test_finds_missing_events_files_and_wrong_layouts(self):
        self.Write('<Event path="event:/SFX/Gate"><File>sfx/a.wav</File><File>sfx/gone.ogg</File></Event>'
                   '<Event path="event:/Music/MenuMusic" file="sfx/a.wav" volume="2"/>'
                   '<Event path="event:/Error" file="sfx/b.wav" loop="yes"/>', {"sfx/a.wav": 1, "sfx/b.wav": 2})
        problems = check_bank.Check(self.root)
        self.assertIn("sfx/gone.ogg: file is missing", problems)
        self.assertIn("Music/MenuMusic: volume 2 outside 0..1", problems)
        self.assertIn("sfx/a.wav: 1 channels, expected 2", problems)
        self.assertIn("sfx/b.wav: 2 channels, expected 1", problems)
        self.assertIn('Error: loop must be "true" or "false"', problems)
        self.assertIn("SFX/PlayerJump: missing from the bank", problems)

    def test_rejects_a_file_that_only_looks_like_sound(self):
        with open(os.path.join(self.audio, "sfx", "fake.ogg"), "wb") as f:
            f.write(b"OggS" + b"\0" * 100)
        self.assertEqual(check_bank.CheckFile(self.audio, "sfx/fake.ogg", False),
                         ["sfx/fake.ogg: not an OGG Vorbis or PCM WAV file"])

    def test_broken_bank_is_one_problem_not_a_crash(self):
        self.Write("<Event", {})
        problems = check_bank.Check(self.root)
        self.assertEqual(len(problems), 1)
        self.assertTrue(problems[0].startswith("res/audio/bank.xml:"))


if __name__ == "__main__":
    unittest.main()
