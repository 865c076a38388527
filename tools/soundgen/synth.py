"""Signal building blocks for the effects: oscillators, noise, filters, envelopes.

Every function returns a float64 numpy array at RATE samples per second. Randomness comes
only from the numpy Generator passed in, so one seed always gives the same sound.
"""

import math

import numpy as np

RATE = 44100


def Samples(seconds):
    """Number of samples in a span of seconds (at least one)."""
    return max(1, int(round(seconds * RATE)))


def Sweep(start, end, count, curve="exp"):
    """A value gliding from start to end over count samples; "exp" glides evenly in pitch."""
    if curve == "exp" and start > 0 and end > 0:
        return start * (end / start) ** np.linspace(0.0, 1.0, count)
    return np.linspace(start, end, count)


def Oscillator(wave, freq):
    """One oscillator over a per-sample frequency array; the phase is integrated so sweeps stay smooth."""
    phase = np.cumsum(freq) / RATE
    frac = phase - np.floor(phase)
    if wave == "sine":
        return np.sin(2.0 * math.pi * phase)
    if wave == "square":
        # A touch of band-limiting: a raw square aliases harshly at high pitches.
        return np.tanh(4.0 * np.sin(2.0 * math.pi * phase)) / math.tanh(4.0)
    if wave == "saw":
        return 2.0 * frac - 1.0
    if wave == "triangle":
        return 1.0 - 4.0 * np.abs(frac - 0.5)
    raise ValueError("unknown wave '%s'" % wave)


def Noise(count, rng):
    """White noise in -1..1."""
    return rng.uniform(-1.0, 1.0, count)


def Envelope(points, count):
    """Piecewise-linear envelope through (time fraction, level) points over count samples."""
    times = [p[0] for p in points]
    levels = [p[1] for p in points]
    return np.interp(np.linspace(0.0, 1.0, count), times, levels)


def Decay(count, attack, tau):
    """A fast linear attack of attack seconds, then an exponential fall with time constant tau."""
    t = np.arange(count) / RATE
    env = np.exp(-np.maximum(t - attack, 0.0) / max(tau, 1e-4))
    if attack > 0:
        env = env * np.minimum(t / attack, 1.0)
    return env


def Filter(signal, kind, cutoff, q=0.7):
    """State-variable filter ("low", "band", "high") with a per-sample cutoff array (Hz)."""
    cutoff = np.broadcast_to(np.asarray(cutoff, dtype=float), signal.shape)
    coeff = 2.0 * np.sin(math.pi * np.clip(cutoff, 10.0, RATE / 6.0) / RATE)
    damp = 1.0 / max(q, 0.5)
    low = band = 0.0
    out = np.empty_like(signal)
    pick = {"low": 0, "band": 1, "high": 2}[kind]
    for i, (x, f) in enumerate(zip(signal.tolist(), coeff.tolist())):
        low += f * band
        high = x - low - damp * band
        band += f * high
        out[i] = (low, band, high)[pick]
    return out


def DcBlock(signal, corner=25.0):
    """Removes DC and sub-audible rumble that would waste headroom (one-pole high-pass)."""
    r = math.exp(-2.0 * math.pi * corner / RATE)
    out = np.empty_like(signal)
    prevX = prevY = 0.0
    for i, x in enumerate(signal.tolist()):
        prevY = x - prevX + r * prevY
        prevX = x
        out[i] = prevY
    return out


def Fade(signal, fadeIn=0.002, fadeOut=0.01):
    """Short ramps at both ends so a sound never starts or stops with a click."""
    out = signal.copy()
    n = min(Samples(fadeIn), len(out))
    out[:n] *= np.linspace(0.0, 1.0, n)
    n = min(Samples(fadeOut), len(out))
    out[len(out) - n:] *= np.linspace(1.0, 0.0, n)
    return out


def NoteHz(note):
    """Frequency of a note name such as "A4", "C#5" or "Eb3" (A4 = 440 Hz)."""
    return 440.0 * 2.0 ** ((NoteNumber(note) - 69) / 12.0)


def NoteNumber(note):
    """MIDI number of a note name such as "C4" (60)."""
    names = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
    base = names[note[0].upper()]
    rest = note[1:]
    while rest and rest[0] in "#b":
        base += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + base


def Echo(signal, delay, feedback, taps=4):
    """A few decaying repeats: gives chimes a little space without a full reverb."""
    step = Samples(delay)
    out = np.concatenate([signal, np.zeros(step * taps)])
    for k in range(1, taps + 1):
        out[k * step:k * step + len(signal)] += signal * feedback ** k
    return out
