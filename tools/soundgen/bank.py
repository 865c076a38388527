"""Writes res/audio/bank.xml, the manifest the sound system reads: one element per event."""

from xml.sax.saxutils import quoteattr


def FileName(stem, entry):
    return "sfx/%s.%s" % (stem, entry.get("format", "ogg"))


def EffectElement(entry):
    attrs = "path=%s volume=\"%g\"" % (quoteattr("event:/" + entry["event"]), entry["volume"])
    if entry.get("loop"):
        attrs += " loop=\"true\""
    if len(entry["files"]) == 1:
        return "  <Event %s file=\"%s\"/>" % (attrs, FileName(entry["files"][0], entry))
    lines = ["  <Event %s>" % attrs]
    lines += ["    <File>%s</File>" % FileName(stem, entry) for stem in entry["files"]]
    lines.append("  </Event>")
    return "\n".join(lines)


def MusicElement(song):
    return "  <Event path=%s file=\"music/%s.ogg\" volume=\"%g\"/>" % (
        quoteattr("event:/" + song["event"]), song["name"], song["volume"])


def BankText(effects, songs):
    """The whole manifest; music first, then effects in the order of the data."""
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             "<!-- Made by tools/soundgen/make-sounds.sh from tools/soundgen/effects.py and music.py;",
             "     edit those and regenerate rather than editing this file. -->",
             "<Bank>"]
    lines += [MusicElement(song) for song in songs]
    lines += [EffectElement(entry) for entry in effects]
    lines.append("</Bank>")
    return "\n".join(lines) + "\n"


def WriteBank(path, effects, songs):
    with open(path, "w", encoding="utf-8") as out:
        out.write(BankText(effects, songs))
