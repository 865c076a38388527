"""Makes every sound of the game: effects synthesised from effects.py, music rendered from the
note data of music.py through fluidsynth, then res/audio/bank.xml and the notes beside them.

Usage: soundgen.py [--root REPO] [--only effects|music] [--soundfont FILE]
Runs make-sounds.sh, which installs the tools first. Same data and tools give the same files.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import wave

import numpy as np

import bank
import effects
import layers
import music
import synth

EFFECT_PEAK_DB = -1.5
MUSIC_RMS_DB = -17.0
MUSIC_CEILING_DB = -3.0
DECODED_CEILING_DB = -1.2
LOOP_TAIL_SECONDS = 4.0
# A song that loops whole starts this many samples before its first downbeat (they come from the
# end of the loop): the seam then falls between two samples of one continuous signal instead of
# on the sharp onset of the first drum and bass notes.
SEAM_LEAD = 441
OGG_SERIAL = 20240611  # fixed so the same audio always gives the same bytes
DEFAULT_SOUNDFONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"


def Db(db):
    return 10.0 ** (db / 20.0)


def WriteWav(path, samples, channels):
    """16-bit PCM; samples are floats in -1..1, interleaved when stereo."""
    pcm = np.clip(np.round(samples.reshape(-1) * 32767.0), -32767, 32767).astype("<i2")
    with wave.open(path, "wb") as out:
        out.setnchannels(channels)
        out.setsampwidth(2)
        out.setframerate(synth.RATE)
        out.writeframes(pcm.tobytes())


def EncodeOgg(wavPath, oggPath, quality, comments=()):
    args = ["oggenc", "-Q", "-q", str(quality), "-s", str(OGG_SERIAL), "-o", oggPath]
    for comment in comments:
        args += ["-c", comment]
    subprocess.run(args + [wavPath], check=True)


def DecodedPeak(path):
    """Peak of the file as a player decodes it: Vorbis rings above the source peak by a dB or two."""
    raw = subprocess.run(["sox", path, "-t", "f32", "-"], capture_output=True, check=True).stdout
    return float(np.max(np.abs(np.frombuffer(raw, dtype="<f4"))))


def WriteOgg(samples, channels, scratch, target, quality, comments=()):
    """Encodes, then once more a little quieter if the decoded peak went over the ceiling."""
    wavPath = os.path.join(scratch, os.path.basename(target) + ".wav")
    for _ in range(3):
        WriteWav(wavPath, samples, channels)
        EncodeOgg(wavPath, target, quality, comments)
        peak = DecodedPeak(target)
        if peak <= Db(DECODED_CEILING_DB):
            return
        samples = samples * (Db(DECODED_CEILING_DB - 0.3) / peak)


def MakeEffects(root, scratch):
    """Renders every effect variation, normalised to one peak so bank volumes alone set the balance."""
    for index, entry in enumerate(effects.EFFECTS):
        for variant, (stem, pitch) in enumerate(zip(entry["files"], entry["pitch"])):
            samples = layers.Render(entry["recipe"], pitch, seed=1000 * index + variant)
            samples *= Db(EFFECT_PEAK_DB) / max(np.max(np.abs(samples)), 1e-9)
            fmt = entry.get("format", "ogg")
            target = os.path.join(root, "res/audio/sfx", stem + "." + fmt)
            if fmt == "wav":
                WriteWav(target, samples, 1)
            else:
                WriteOgg(samples, 1, scratch, target, 4)
            print("sfx   %-24s %.2f s" % (os.path.basename(target), len(samples) / synth.RATE))


def RenderMidi(midiBytes, soundfont, scratch, name):
    """fluidsynth renders the file to raw float stereo; returns an (n, 2) array."""
    midiPath = os.path.join(scratch, name + ".mid")
    rawPath = os.path.join(scratch, name + ".raw")
    with open(midiPath, "wb") as f:
        f.write(midiBytes)
    subprocess.run(["fluidsynth", "-ni", "-q", "-g", "0.5", "-r", str(synth.RATE), "-T", "raw", "-O", "float",
                    "-F", rawPath, soundfont, midiPath], check=True, stdout=subprocess.DEVNULL)
    return np.fromfile(rawPath, dtype="<f4").astype(np.float64).reshape(-1, 2)


def WrapLoop(rendered, loopStart, loopEnd):
    """Cuts the song at the loop end and lays what rang on past it over the loop start, as a
    looping player would hear it: the seam then joins two continuous stretches of one signal.
    When the loop starts later than the file, the tail is laid over the file start too, so a
    player that loops the whole file is seamless as well."""
    out = rendered[:loopEnd].copy()
    tail = rendered[loopEnd:]
    n = min(len(tail), loopEnd - loopStart)
    out[loopStart:loopStart + n] += tail[:n]
    if loopStart > 0:
        # Only over the opening: past it the loop already has its own copy of the tail.
        n = min(len(tail), loopStart)
        out[:n] += tail[:n]
    return out


def Level(signal, rmsDb, ceilingDb):
    """Scales to the RMS target, then bends peaks above a knee smoothly under the ceiling."""
    signal = signal - signal.mean(axis=0)
    rms = np.sqrt(np.mean(signal ** 2))
    signal = signal * (Db(rmsDb) / max(rms, 1e-9))
    ceiling = Db(ceilingDb)
    knee = ceiling * 0.7
    over = np.abs(signal) > knee
    bent = knee + (ceiling - knee) * np.tanh((np.abs(signal) - knee) / (ceiling - knee))
    return np.where(over, np.sign(signal) * bent, signal)


def MakeMusic(root, scratch, soundfont):
    """Renders, loops, levels and encodes each song; returns the loop points for the notes."""
    loops = {}
    for song in music.SONGS:
        writer, startSeconds, endSeconds = music.Compose(song)
        endBeat = endSeconds * song["tempo"] / 60.0 + LOOP_TAIL_SECONDS * song["tempo"] / 60.0
        rendered = RenderMidi(writer.Encode(endBeat), soundfont, scratch, song["name"])
        loopStart = int(round(startSeconds * synth.RATE))
        loopEnd = int(round(endSeconds * synth.RATE))
        if len(rendered) < loopEnd:
            rendered = np.concatenate([rendered, np.zeros((loopEnd - len(rendered), 2))])
        looped = WrapLoop(rendered, loopStart, loopEnd)
        if loopStart == 0:
            looped = np.roll(looped, SEAM_LEAD, axis=0)
        samples = Level(looped, MUSIC_RMS_DB, MUSIC_CEILING_DB)
        comments = []
        if loopStart > 0:
            # Players that honour these tags (SDL_mixer does) play the opening once, then loop the bed.
            comments = ["LOOPSTART=%d" % loopStart, "LOOPLENGTH=%d" % (loopEnd - loopStart)]
        WriteOgg(samples, 2, scratch, os.path.join(root, "res/audio/music", song["name"] + ".ogg"), 3, comments)
        loops[song["name"]] = (loopStart, loopEnd)
        print("music %-24s %.1f s, loop from %.2f s" % (song["name"] + ".ogg", loopEnd / synth.RATE,
                                                        loopStart / synth.RATE))
    return loops


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=os.path.normpath(os.path.join(here, "../..")))
    parser.add_argument("--only", choices=["effects", "music"])
    parser.add_argument("--soundfont", default=DEFAULT_SOUNDFONT)
    args = parser.parse_args()
    for folder in ("res/audio/sfx", "res/audio/music"):
        os.makedirs(os.path.join(args.root, folder), exist_ok=True)
    with tempfile.TemporaryDirectory() as scratch:
        if args.only != "music":
            MakeEffects(args.root, scratch)
        if args.only != "effects":
            MakeMusic(args.root, scratch, args.soundfont)
    bank.WriteBank(os.path.join(args.root, "res/audio/bank.xml"), effects.EFFECTS, music.SONGS)
    for note in ("README.md", "LICENSE.txt"):
        shutil.copyfile(os.path.join(here, "notes", note), os.path.join(args.root, "res/audio", note))
    print("wrote res/audio/bank.xml, README.md, LICENSE.txt")
    return 0


if __name__ == "__main__":
    sys.exit(main())
