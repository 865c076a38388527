"""Guards the shipped sounds without the synthesiser: res/audio/bank.xml names every event the
game plays, every file it names exists with a sound header the game can open (OGG Vorbis or PCM
WAV, 44100 or 48000 Hz, mono effects, stereo music), and the folder stays within its budget.

Usage: check_bank.py [REPO_ROOT]. Prints one line per problem; exit status 1 when there is one.
"""

import os
import struct
import sys
import xml.etree.ElementTree as ElementTree

PREFIX = "event:/"
ELEMENTS = ("Fire", "Water", "Wind", "Earth")
POWERS = ("ForwardLaunch", "ForwardHit", "BackLaunch", "BackHit", "UltimateLaunch", "UltimateHit")
REQUIRED = (["SFX/" + name for name in (
    "PlayerJump", "PlayerLand", "BumpBall", "BumpWall", "Gate", "Lap", "FinalLap", "CountdownBeep",
    "CountdownGo", "WrongWay", "Finish", "MenuMove", "MenuClick", "PowerUpPickup", "Boost")]
    + ["SFX/%s/%s" % (element, power) for element in ELEMENTS for power in POWERS]
    + ["Error", "Music/MenuMusic", "Music/RaceMusic", "Music/WinScreen"])
RATES = (44100, 48000)
BUDGET_BYTES = 8 * 1000 * 1000


def OggFormat(data):
    """(channels, rate) from the Vorbis identification header on the first page, or None."""
    if len(data) < 58 or data[:4] != b"OggS":
        return None
    segments = data[26]
    packet = 27 + segments
    if data[packet:packet + 7] != b"\x01vorbis":
        return None
    channels = data[packet + 11]
    rate = struct.unpack_from("<I", data, packet + 12)[0]
    return channels, rate


def WavFormat(data):
    """(channels, rate) from the "fmt " chunk of a RIFF/WAVE file with PCM samples, or None."""
    if len(data) < 12 or data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        return None
    at = 12
    while at + 8 <= len(data):
        chunk, size = data[at:at + 4], struct.unpack_from("<I", data, at + 4)[0]
        if chunk == b"fmt " and size >= 16:
            codec, channels, rate = struct.unpack_from("<HHI", data, at + 8)
            return (channels, rate) if codec == 1 else None
        at += 8 + size + (size & 1)
    return None


def CheckFile(audio, name, isMusic):
    """Problems with one file named by the bank."""
    path = os.path.join(audio, name)
    if not os.path.isfile(path):
        return ["%s: file is missing" % name]
    with open(path, "rb") as f:
        head = f.read(4096)
    found = OggFormat(head) if name.endswith(".ogg") else WavFormat(head) if name.endswith(".wav") else None
    if found is None:
        return ["%s: not an OGG Vorbis or PCM WAV file" % name]
    channels, rate = found
    problems = []
    if rate not in RATES:
        problems.append("%s: sample rate %d, expected 44100 or 48000" % (name, rate))
    wanted = 2 if isMusic else 1
    if channels != wanted:
        problems.append("%s: %d channels, expected %d" % (name, channels, wanted))
    return problems


def CheckEvent(audio, event):
    """Problems with one Event element; returns (key, problems)."""
    path = event.get("path", "")
    if not path.startswith(PREFIX):
        return None, ["an Event without an \"event:/\" path: %s" % ElementTree.tostring(event, "unicode")[:80]]
    key = path[len(PREFIX):]
    files = ([event.get("file")] if event.get("file") else []) + [(f.text or "").strip() for f in event.findall("File")]
    problems = [] if files else ["%s: names no file" % key]
    try:
        volume = float(event.get("volume", "1"))
        if not 0.0 <= volume <= 1.0:
            problems.append("%s: volume %g outside 0..1" % (key, volume))
    except ValueError:
        problems.append("%s: volume '%s' is not a number" % (key, event.get("volume")))
    if event.get("loop", "false") not in ("true", "false"):
        problems.append("%s: loop must be \"true\" or \"false\"" % key)
    for name in files:
        problems += CheckFile(audio, name, key.startswith("M"))
    return key, problems


def Check(root):
    """Every problem with the bank and the files under root/res/audio."""
    audio = os.path.join(root, "res", "audio")
    try:
        bank = ElementTree.parse(os.path.join(audio, "bank.xml")).getroot()
    except (OSError, ElementTree.ParseError) as error:
        return ["res/audio/bank.xml: %s" % error]
    problems = []
    seen = set()
    for event in bank.findall("Event"):
        key, found = CheckEvent(audio, event)
        problems += found
        if key in seen:
            problems.append("%s: listed twice" % key)
        seen.add(key)
    problems += ["%s: missing from the bank" % key for key in REQUIRED if key not in seen]
    total = sum(os.path.getsize(os.path.join(d, f)) for d, _, names in os.walk(audio) for f in names)
    if total > BUDGET_BYTES:
        problems.append("res/audio holds %.1f MB, over the %.0f MB budget" % (total / 1e6, BUDGET_BYTES / 1e6))
    return problems


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "../..")
    problems = Check(root)
    for line in problems:
        print(line)
    print("check_bank: %s" % ("%d problems" % len(problems) if problems else "no problems"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
