"""Turns an effect recipe (a list of layer dictionaries, see effects.py) into samples."""

import numpy as np

import synth
from synth import RATE, Samples


def Render(recipe, pitch, seed):
    """Mixes every layer of a recipe, with all frequencies scaled by pitch, into one mono array."""
    rng = np.random.default_rng(seed)
    parts = [(Samples(layer.get("at", 0.0)), RenderLayer(layer, pitch, rng)) for layer in recipe["layers"]]
    total = max(start + len(part) for start, part in parts)
    mix = np.zeros(total)
    for start, part in parts:
        mix[start:start + len(part)] += part
    # Halving the very top (a two-tap average) keeps clicks and noise from piling energy near
    # Nyquist: harsh to hear, and Vorbis drops it, which makes decoded peaks overshoot.
    mix[1:] = 0.5 * (mix[1:] + mix[:-1])
    if "drive" in recipe:
        mix = np.tanh(recipe["drive"] * mix) / np.tanh(recipe["drive"])
    if "echo" in recipe:
        delay, feedback = recipe["echo"]
        mix = synth.Echo(mix, delay, feedback)
    return synth.Fade(synth.DcBlock(mix), fadeOut=recipe.get("fade", 0.01))


def RenderLayer(layer, pitch, rng):
    """One layer, already shaped by its envelope and gain."""
    kind = layer["kind"]
    if kind == "tone":
        body = Tone(layer, pitch)
    elif kind == "noise":
        body = FilteredNoise(layer, pitch, rng)
    elif kind == "notes":
        body = Notes(layer, pitch)
    elif kind == "crackle":
        body = Crackle(layer, pitch, rng)
    elif kind == "bubbles":
        body = Bubbles(layer, pitch, rng)
    else:
        raise ValueError("unknown layer kind '%s'" % kind)
    return body * layer.get("gain", 1.0)


def Shape(layer, count):
    """The layer's envelope: explicit points, or attack plus exponential decay."""
    if "env" in layer:
        return synth.Envelope(layer["env"], count)
    return synth.Decay(count, layer.get("attack", 0.002), layer.get("decay", layer["dur"]))


def Pair(value):
    """A (start, end) pair from either a pair or a single constant."""
    return tuple(value) if isinstance(value, (tuple, list)) else (value, value)


def Tone(layer, pitch):
    count = Samples(layer["dur"])
    start, end = Pair(layer["freq"])
    freq = synth.Sweep(start * pitch, end * pitch, count, layer.get("curve", "exp"))
    if "vibrato" in layer:
        rate, depth = layer["vibrato"]
        freq = freq * (1.0 + depth * np.sin(2 * np.pi * rate * np.arange(count) / RATE))
    body = synth.Oscillator(layer.get("wave", "sine"), freq)
    if "lowpass" in layer:
        body = synth.Filter(body, "low", layer["lowpass"] * pitch)
    return body * Shape(layer, count)


def FilteredNoise(layer, pitch, rng):
    count = Samples(layer["dur"])
    start, end = Pair(layer["cutoff"])
    cutoff = synth.Sweep(start * pitch, end * pitch, count, layer.get("curve", "exp"))
    if "swirl" in layer:
        # A slowly wandering band gives wind its turning, breathing quality.
        rate, depth = layer["swirl"]
        t = np.arange(count) / RATE
        cutoff = cutoff * (1.0 + depth * np.sin(2 * np.pi * rate * t + 0.7 * np.sin(2 * np.pi * rate * 0.37 * t)))
    body = synth.Filter(synth.Noise(count, rng), layer.get("filter", "low"), cutoff, layer.get("q", 0.7))
    return body * Shape(layer, count)


def Notes(layer, pitch):
    """A run of notes (arpeggios, chimes); each note rings for "ring" seconds."""
    step = layer["step"]
    ring = layer.get("ring", 0.3)
    count = Samples(step * (len(layer["notes"]) - 1) + ring)
    out = np.zeros(count)
    for i, note in enumerate(layer["notes"]):
        n = Samples(ring)
        freq = np.full(n, synth.NoteHz(note) * pitch)
        tone = synth.Oscillator(layer.get("wave", "sine"), freq)
        if layer.get("bell"):
            # An inharmonic partial makes a plain sine ring like a small bell.
            tone = tone + 0.35 * synth.Oscillator("sine", freq * 2.76) * synth.Decay(n, 0.001, ring * 0.2)
        tone *= synth.Decay(n, layer.get("attack", 0.003), layer.get("decay", ring / 3))
        start = Samples(step * i)
        out[start:start + n] += tone[:count - start]
    return out


def Crackle(layer, pitch, rng):
    """Random short clicks, denser where the envelope is high: embers and breaking stone."""
    count = Samples(layer["dur"])
    env = Shape(layer, count)
    clicks = np.zeros(count)
    chance = layer["rate"] / RATE * env
    hits = np.nonzero(rng.random(count) < chance)[0]
    for at in hits.tolist():
        n = Samples(rng.uniform(0.0008, layer.get("grain", 0.004)))
        burst = rng.uniform(-1, 1, n) * np.linspace(1, 0, n) * rng.uniform(0.4, 1.0)
        clicks[at:at + n] += burst[:count - at]
    return synth.Filter(clicks, layer.get("filter", "high"), layer.get("cutoff", 1500.0) * pitch, 0.8)


def Bubbles(layer, pitch, rng):
    """Sine blips whose pitch rises as they decay, the sound of air rising through water."""
    count = Samples(layer["dur"])
    out = np.zeros(count)
    low, high = layer["freq"]
    length = layer.get("len", 0.05)
    for _ in range(layer["count"]):
        n = Samples(length * rng.uniform(0.6, 1.4))
        base = rng.uniform(low, high) * pitch
        freq = synth.Sweep(base, base * rng.uniform(1.5, 2.4), n)
        blip = synth.Oscillator("sine", freq) * synth.Decay(n, 0.002, length / 3)
        start = int(rng.integers(0, max(1, count - n)))
        out[start:start + n] += blip * rng.uniform(0.5, 1.0)
    return out
