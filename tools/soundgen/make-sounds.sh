#!/usr/bin/env bash
# Makes every sound of the game (res/audio/sfx, res/audio/music, res/audio/bank.xml) from the
# parameters and note data in this folder. The synthesiser and encoders are needed only here,
# never by the game, so they are installed here rather than by tools/install-deps.sh.
# Usage: tools/soundgen/make-sounds.sh [--only effects|music]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

packages=(python3 python3-numpy fluidsynth fluid-soundfont-gm vorbis-tools sox)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
        sudo="sudo"
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Debian's python3 has numpy; a python3 earlier on PATH (a virtualenv, pyenv) may not.
/usr/bin/python3 -B "$here/soundgen.py" "$@"
/usr/bin/python3 -B "$here/measure.py" > "$here/levels.md"
echo "levels: tools/soundgen/levels.md"
