"""A small Standard MIDI File (format 1) writer: enough for note lists rendered by fluidsynth."""

import struct

TICKS_PER_BEAT = 480


def VarLen(value):
    """MIDI variable-length quantity: 7 bits per byte, high bit set on all but the last."""
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


class Track:
    """Events of one track as (tick, order, bytes); order keeps note-offs before note-ons at one tick."""

    def __init__(self):
        self.events = []

    def Add(self, tick, data, order=1):
        self.events.append((int(tick), order, bytes(data)))

    def Tempo(self, tick, bpm):
        micros = int(round(60_000_000 / bpm))
        self.Add(tick, b"\xff\x51\x03" + micros.to_bytes(3, "big"), 0)

    def Program(self, channel, program):
        self.Add(0, [0xC0 | channel, program], 0)

    def Control(self, tick, channel, controller, value):
        self.Add(tick, [0xB0 | channel, controller, value], 0)

    def Note(self, tick, length, channel, key, velocity):
        """A note from tick for length ticks; zero-length notes are dropped."""
        if length <= 0:
            return
        self.Add(tick, [0x90 | channel, key, velocity], 2)
        self.Add(tick + length, [0x80 | channel, key, 0], 1)

    def Encode(self, endTick=0):
        """The track chunk, events sorted by time, closed by end-of-track at endTick or later."""
        body = bytearray()
        now = 0
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            body += VarLen(tick - now) + data
            now = tick
        body += VarLen(max(0, endTick - now)) + b"\xff\x2f\x00"
        return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def Encode(tracks, endTick=0):
    """A whole format-1 file from a list of Tracks; every track ends no earlier than endTick."""
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS_PER_BEAT)
    return header + b"".join(t.Encode(endTick) for t in tracks)
