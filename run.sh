#!/usr/bin/env bash
# Set up, build the release build, and play.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVANTORA_TESTS=OFF -DVANTORA_BENCH=ON >/dev/null
cmake --build build/release -j"$jobs"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: running a headless race of four computer racers with the runner instead."
    build/release/src/vantora-sim --state 4 --dt 0.016666 --seed "$RANDOM" --frames 20000 \
        --report build/release/demo-report.json > /dev/null
    echo "Race report (build/release/demo-report.json):"
    cat build/release/demo-report.json
    exit 0
fi
exec build/release/src/vantora "$@"
