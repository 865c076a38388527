#!/usr/bin/env bash
# Fuzzes the loaders: tools/fuzz.sh [SECONDS_PER_HARNESS] [HARNESS...]
# Builds the libFuzzer harnesses of fuzz/ with clang in build/fuzz, runs each (all by default) for
# the given time (60 s by default) over a copy of its corpus, and prints what each did. New inputs
# go to build/fuzz/corpus-new/<name>, findings (crash-, leak-, timeout-, oom- files) to
# build/fuzz/findings/<name>; nothing is written into the repository.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[ $# -gt 0 ] && shift
all=(XmlValue Factory Tbm EffectSource Image KeyBindings InputScript ParticleEffect SoundBank ScriptSource
    ScriptLibrary)
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=("${all[@]}")
for name in "${harnesses[@]}"; do
    [[ " ${all[*]} " == *" $name "* ]] || { echo "Unknown harness '$name'; known: ${all[*]}"; exit 2; }
done

tools/install-deps.sh
# libFuzzer comes with clang's runtime libraries.
tools/install-deps.sh clang-14 libclang-rt-14-dev

# Absolute: the harnesses that load a world change their working directory.
build=$PWD/build/fuzz
launcher=$(command -v ccache || true)
cmake -S . -B $build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DVANTORA_FUZZ=ON \
    -DVANTORA_TESTS=OFF -DVANTORA_BENCH=OFF ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER=$launcher} >/dev/null
targets=()
for name in "${harnesses[@]}"; do targets+=("${name}Fuzz"); done
cmake --build $build -j"$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}"

export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
# Leaks count as findings; a harness that stops on the first one tells which input leaked.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
rows=()
for name in "${harnesses[@]}"; do
    corpus=$(echo "$name" | tr '[:upper:]' '[:lower:]')
    fresh=$build/corpus-new/$corpus findings=$build/findings/$corpus log=$build/logs/$corpus.log
    mkdir -p "$fresh" "$findings" "$(dirname "$log")"
    cp -n fuzz/corpus/"$corpus"/* "$fresh"/ 2>/dev/null || true
    echo "Fuzzing $name for $seconds s"
    # Ten seconds for one input is a hang: scripts are stopped long before, and a loaded machine
    # can stall a healthy input for a second or two. 2 GB is far beyond any content file. stdout
    # is closed: the loaders' one-line messages would only slow the run down.
    nice "$build/fuzz/${name}Fuzz" "$fresh" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -malloc_limit_mb=1024 -close_fd_mask=1 -artifact_prefix="$findings/" -print_final_stats=1 \
        >"$log" 2>&1 || true
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
    speed=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
    size=$(find "$fresh" -type f | wc -l)
    found=$(find "$findings" -type f | wc -l)
    rows+=("$(printf '%-14s %12s %8s %8s %9s' "$name" "${runs:-0}" "${speed:-0}" "$size" "$found")")
done

printf '\n%-14s %12s %8s %8s %9s\n' harness executions exec/s corpus findings
printf '%s\n' "${rows[@]}"
echo "Findings are in $build/findings/<name>, logs in $build/logs/."
