#!/bin/sh
# Draws every track's level-select picture (res/textures/<track>_preview.png) from the track
# itself, with the runner's --preview, for each track named in res/TrackList.xml.
#   tools/make-previews.sh [RUNNER]      RUNNER defaults to build/release/src/vantora-sim
# Run from the repository root after a release build; needs OpenGL (Mesa) for offscreen drawing.
set -e
runner=${1:-build/release/src/vantora-sim}
[ -x "$runner" ] || { echo "make-previews: no runner at '$runner'; build it first" >&2; exit 1; }
tracks=$(sed -n '/<RealTrackNames>/,/<\/RealTrackNames>/s/.*<Track name="\([^"]*\)".*/\1/p' res/TrackList.xml)
for track in $tracks; do
    "$runner" --preview "$track" "res/textures/${track}_preview.png" >/dev/null
    echo "res/textures/${track}_preview.png"
done
