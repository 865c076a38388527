#!/usr/bin/env bash
# Set up, build the release build, and play.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVANTORA_TESTS=OFF -DVANTORA_BENCH=ON >/dev/null
cmake --build build/release -j"$jobs"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: running the headless demo with the runner instead (build/release/src/vantora-sim)."
    exec build/release/src/vantora-sim --frames 600 --seed 1 --report build/release/demo-report.json
fi
exec build/release/src/vantora "$@"
