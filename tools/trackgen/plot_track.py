#!/usr/bin/env python3
"""Draws a generated track scene from above as a PNG, so a track can be checked by eye.

    tools/trackgen/plot_track.py res/scene/watertrack.xml out.png

The picture is a map as a player sees the track from above: +z points up the picture and +x to
the left, because the game's camera is right-handed (a racer facing +z has +x on its left), so a
left turn in the game is a left turn on the map. Ground is pale blue, walls dark grey, gates red,
race nodes green (orange where racers jump), the starting grid blue. Objects without a position
of their own in the scene (the sky dome, the race logic, the track's drawn surfaces) are left out.

Needs only Python's standard library (Debian's python3 package).
"""
import struct
import sys
import xml.etree.ElementTree as ET
import zlib

SIZE = 800
MARGIN = 20
COLOURS = {
    "GroundPiece": (200, 220, 240), "Wall": (70, 70, 70), "Gate": (220, 30, 30),
    "RaceNode": (30, 160, 30), "jump": (250, 150, 0), "racer": (30, 60, 220),
}
ORDER = ["GroundPiece", "Wall", "Gate", "RaceNode", "jump", "racer"]
BOXES = ("GroundPiece", "Wall", "Gate")


class SceneError(Exception):
    """A scene the script cannot draw; the message is the one line shown to the user."""


def floats(element, count):
    values = [float(f.get("value", "nan")) for f in element.findall("float")]
    if len(values) < count or any(v != v for v in values[:count]):
        raise ValueError("needs %d numbers" % count)
    return values[:count]


def rotate(q, v):
    x, y, z, w = q
    vx, vy, vz = v
    tx, ty, tz = 2 * (y * vz - z * vy), 2 * (z * vx - x * vz), 2 * (x * vy - y * vx)
    return (vx + w * tx + (y * tz - z * ty), vy + w * ty + (z * tx - x * tz), vz + w * tz + (x * ty - y * tx))


def read_transform(overrides):
    """Position, scale and rotation of a Transform override, read by position as the game does;
    None when the scene gives the object no Transform."""
    transform = overrides.find("Transform") if overrides is not None else None
    if transform is None:
        return None
    children = list(transform)
    if len(children) < 3:
        raise ValueError("its Transform needs position, scale and rotation")
    return floats(children[0], 3), floats(children[1], 3), floats(children[2], 4)


def kind_of(entry, overrides):
    kind = entry.get("archetype", "")
    if kind.startswith("Racer"):
        return "racer"
    node = overrides.find("RaceNode")
    if node is not None and len(node) > 2 and node[2].get("value") == "1":
        return "jump"
    return kind


def read_objects(scene_path):
    try:
        root = ET.parse(scene_path).getroot()
    except OSError as error:
        raise SceneError("%s: cannot read the scene (%s)" % (scene_path, error.strerror))
    except ET.ParseError as error:
        raise SceneError("%s: not a well-formed scene: %s" % (scene_path, error))
    objects, unplaced = [], 0
    for entry in root.iter("Object"):
        overrides = entry.find("Overrides")
        try:
            placed = read_transform(overrides)
        except ValueError as error:
            print("%s: object with archetype '%s' left out: %s" % (scene_path, entry.get("archetype"), error))
            continue
        if placed is None:
            unplaced += 1
            continue
        objects.append((kind_of(entry, overrides),) + placed)
    if not objects:
        raise SceneError("%s: no object in the scene has a position to draw" % scene_path)
    return objects, unplaced


class Canvas:
    """An RGB picture in which world (x, z) is drawn as a map: +z up, +x left."""

    def __init__(self, objects):
        xs = [o[1][0] for o in objects]
        zs = [o[1][2] for o in objects]
        self.max_x, self.min_z = max(xs), min(zs)
        self.scale = (SIZE - 2 * MARGIN) / max(max(xs) - min(xs), max(zs) - min(zs), 1e-6)
        # The narrower side is centred, so a tall track does not hug one edge.
        self.left = MARGIN + (SIZE - 2 * MARGIN - (max(xs) - min(xs)) * self.scale) / 2
        self.bottom = SIZE - MARGIN - (SIZE - 2 * MARGIN - (max(zs) - min(zs)) * self.scale) / 2
        self.pixels = bytearray(b"\xff" * SIZE * SIZE * 3)

    def plot(self, x, z, colour, radius=0):
        px = int(self.left + (self.max_x - x) * self.scale)
        pz = int(self.bottom - (z - self.min_z) * self.scale)
        for dx in range(-radius, radius + 1):
            for dz in range(-radius, radius + 1):
                if 0 <= px + dx < SIZE and 0 <= pz + dz < SIZE:
                    i = ((pz + dz) * SIZE + px + dx) * 3
                    self.pixels[i:i + 3] = bytes(colour)

    def box(self, p, s, q, colour):
        ax, az = rotate(q, (1, 0, 0)), rotate(q, (0, 0, 1))
        steps_x, steps_z = max(1, int(s[0] * self.scale)), max(1, int(s[2] * self.scale))
        for i in range(steps_x + 1):
            for j in range(steps_z + 1):
                u, v = (i / steps_x - 0.5) * s[0], (j / steps_z - 0.5) * s[2]
                self.plot(p[0] + ax[0] * u + az[0] * v, p[2] + ax[2] * u + az[2] * v, colour)

    def write_png(self, path):
        row = SIZE * 3
        raw = b"".join(b"\x00" + bytes(self.pixels[y * row:(y + 1) * row]) for y in range(SIZE))

        def chunk(tag, data):
            return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

        png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 2, 0, 0, 0))
               + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
        try:
            with open(path, "wb") as out:
                out.write(png)
        except OSError as error:
            raise SceneError("%s: cannot write the picture (%s)" % (path, error.strerror))


def main(scene_path, png_path):
    objects, unplaced = read_objects(scene_path)
    canvas = Canvas(objects)
    for kind, p, s, q in sorted(objects, key=lambda o: ORDER.index(o[0]) if o[0] in ORDER else 0):
        colour = COLOURS.get(kind, (0, 0, 0))
        if kind in BOXES:
            canvas.box(p, s, q, colour)
        else:
            canvas.plot(p[0], p[2], colour, 3 if kind == "racer" else 1)
    canvas.write_png(png_path)
    print("%s: %d objects drawn, %d without a position in the scene left out" % (png_path, len(objects), unplaced))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print("usage: plot_track.py SCENE.xml OUTPUT.png")
        sys.exit(2)
    try:
        main(sys.argv[1], sys.argv[2])
    except SceneError as error:
        print(error)
        sys.exit(1)
