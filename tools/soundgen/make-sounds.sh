#!/usr/bin/env bash
# Makes every sound of the game (res/audio/sfx, res/audio/music, res/audio/bank.xml) from the
# parameters and note data in this folder. The synthesiser and encoders are needed only here,
# never by the game, so they are installed only when this runs (through tools/install-deps.sh).
# Usage: tools/soundgen/make-sounds.sh [--only effects|music]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

"$here/../install-deps.sh" python3 python3-numpy fluidsynth fluid-soundfont-gm vorbis-tools sox

# Debian's python3 has numpy; a python3 earlier on PATH (a virtualenv, pyenv) may not.
/usr/bin/python3 -B "$here/soundgen.py" "$@"
/usr/bin/python3 -B "$here/measure.py" > "$here/levels.md"
echo "levels: tools/soundgen/levels.md"
