#!/usr/bin/env bash
# Set up, build the sanitizer test build, and run every test.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DVANTORA_SANITIZE=ON -DVANTORA_TESTS=ON -DVANTORA_BENCH=ON >/dev/null
cmake --build build/test -j"$jobs"

# Rendering tests draw on SDL's offscreen driver (Mesa llvmpipe); audio tests use the dummy driver.
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
# Without Mesa's shader cache no driver thread is still exiting when the leak check runs at exit.
export MESA_SHADER_CACHE_DISABLE=true
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build/test
ctest --output-on-failure -j"$jobs" --timeout 300
