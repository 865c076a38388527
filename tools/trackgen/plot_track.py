#!/usr/bin/env python3
"""Draws a generated track scene from above as a PNG, so a track can be checked by eye.

    tools/trackgen/plot_track.py res/scene/watertrack.xml out.png
Ground is pale blue, walls dark grey, gates red, race nodes green (orange where racers jump),
the starting grid blue. Uses only the standard library.
"""
import math
import struct
import sys
import xml.etree.ElementTree as ET
import zlib

SIZE = 800
COLOURS = {
    "GroundPiece": (200, 220, 240), "Wall": (70, 70, 70), "Gate": (220, 30, 30),
    "RaceNode": (30, 160, 30), "jump": (250, 150, 0), "racer": (30, 60, 220),
}


def floats(element):
    return [float(f.get("value")) for f in element.findall("float")]


def rotate(q, v):
    x, y, z, w = q
    vx, vy, vz = v
    tx, ty, tz = 2 * (y * vz - z * vy), 2 * (z * vx - x * vz), 2 * (x * vy - y * vx)
    return (vx + w * tx + (y * tz - z * ty), vy + w * ty + (z * tx - x * tz), vz + w * tz + (x * ty - y * tx))


def main(scene_path, png_path):
    objects = []
    for entry in ET.parse(scene_path).getroot():
        overrides = entry.find("Overrides")
        transform = overrides.find("Transform")
        p, s, q = (floats(transform[i]) for i in range(3))
        kind = entry.get("archetype")
        if kind.startswith("Racer"):
            kind = "racer"
        node = overrides.find("RaceNode")
        if node is not None and node[2].get("value") == "1":
            kind = "jump"
        objects.append((kind, p, s, q))
    xs = [o[1][0] for o in objects]
    zs = [o[1][2] for o in objects]
    scale = (SIZE - 40) / max(max(xs) - min(xs), max(zs) - min(zs))
    pixels = bytearray(b"\xff" * SIZE * SIZE * 3)

    def plot(x, z, colour, radius=0):
        px = int(20 + (x - min(xs)) * scale)
        pz = int(SIZE - 20 - (z - min(zs)) * scale)
        for dx in range(-radius, radius + 1):
            for dz in range(-radius, radius + 1):
                if 0 <= px + dx < SIZE and 0 <= pz + dz < SIZE:
                    i = ((pz + dz) * SIZE + px + dx) * 3
                    pixels[i:i + 3] = bytes(colour)

    order = ["GroundPiece", "Wall", "Gate", "RaceNode", "jump", "racer"]
    for kind, p, s, q in sorted(objects, key=lambda o: order.index(o[0]) if o[0] in order else 0):
        colour = COLOURS.get(kind, (0, 0, 0))
        if kind in ("GroundPiece", "Wall", "Gate"):
            ax, az = rotate(q, (1, 0, 0)), rotate(q, (0, 0, 1))
            steps_x, steps_z = max(1, int(s[0] * scale)), max(1, int(s[2] * scale))
            for i in range(steps_x + 1):
                for j in range(steps_z + 1):
                    u, v = (i / steps_x - 0.5) * s[0], (j / steps_z - 0.5) * s[2]
                    plot(p[0] + ax[0] * u + az[0] * v, p[2] + ax[2] * u + az[2] * v, colour)
        else:
            plot(p[0], p[2], colour, 3 if kind == "racer" else 1)

    raw = b"".join(b"\x00" + bytes(pixels[y * SIZE * 3:(y + 1) * SIZE * 3]) for y in range(SIZE))

    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

    with open(png_path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 2, 0, 0, 0))
                  + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
