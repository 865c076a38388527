#!/usr/bin/env bash
# Runs Autoplay races back to back through the menus in one process of the sanitizer build and
# reports the memory after the first race and at the end, its growth, races per minute and any
# sanitizer finding.
#
#   tools/soak.sh [MINUTES] [RACES]     # defaults: 20 minutes, as many races as fit
#
# SEED (default 1) seeds the first race; race i gets SEED + i. The full output stays in
# build/test/soak.log. Exit status: 0 when the run ended cleanly with growth under 1 MiB and no
# finding, 1 otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=${1:-20}
races=${2:-1000000}
seed=${SEED:-1}

if [ ! -f build/test/CMakeCache.txt ]; then
    cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DVANTORA_SANITIZE=ON -DVANTORA_TESTS=ON \
        -DVANTORA_BENCH=ON >/dev/null
fi
nice cmake --build build/test -j2 --target vantora-sim >/dev/null

log=build/test/soak.log
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy MESA_SHADER_CACHE_DISABLE=true
# A small quarantine: AddressSanitizer holds freed blocks back to catch use after free, by
# default up to 256 MiB, which would read as growth for the first hundreds of races.
export ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=8 UBSAN_OPTIONS=print_stacktrace=1
status=0
nice build/test/src/vantora-sim --root . --soak "$races" --soak-minutes "$minutes" --dt 0.016666 \
    --seed "$seed" >"$log" 2>&1 || status=$?

grep '^soak: race ' "$log" | sed -n '1p;$p'
summary=$(grep '^soak: [0-9]* races in' "$log" || true)
echo "${summary:-soak: no summary (the run did not end normally, status $status)}"

first=$(grep '^soak: race ' "$log" | head -1 | sed -E 's/.* peak ([0-9]+) kB resident ([0-9]+) kB.*/\1 \2/')
last=$(grep '^soak: race ' "$log" | tail -1 | sed -E 's/.* peak ([0-9]+) kB resident ([0-9]+) kB.*/\1 \2/')
findings=$(grep -c -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$log" || true)
if [ -z "$first" ]; then
    echo "soak: no race ended; see $log"
    exit 1
fi
read -r firstPeak firstResident <<<"$first"
read -r lastPeak lastResident <<<"$last"
growth=$(awk -v a="$firstPeak" -v b="$lastPeak" 'BEGIN { printf "%.2f", (b - a) / 1024 }')
resident=$(awk -v a="$firstResident" -v b="$lastResident" 'BEGIN { printf "%.2f", (b - a) / 1024 }')
echo "peak after the first race ${firstPeak} kB, at the end ${lastPeak} kB: growth ${growth} MiB" \
    "(resident ${firstResident} kB to ${lastResident} kB: ${resident} MiB)"
firstHeap=$(grep '^soak: race ' "$log" | head -1 | sed -nE 's/.* heap ([0-9]+) kB.*/\1/p')
lastHeap=$(grep '^soak: race ' "$log" | tail -1 | sed -nE 's/.* heap ([0-9]+) kB.*/\1/p')
if [ -n "$firstHeap" ] && [ "$firstHeap" != 0 ]; then
    echo "heap in use after the first race ${firstHeap} kB, at the end ${lastHeap} kB"
fi
echo "sanitizer findings: ${findings}; exit status ${status}"
ok=$(awk -v g="$growth" 'BEGIN { print (g < 1.0) ? 1 : 0 }')
[ "$status" -eq 0 ] && [ "$findings" -eq 0 ] && [ "$ok" -eq 1 ]
