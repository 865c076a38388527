#!/usr/bin/env bash
# Fails, naming the files, when a C++ file of ours is not laid out as .clang-format says.
# Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -uo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed (tools/install-deps.sh installs it)"; exit 1; }
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null)
[ ${#files[@]} -gt 0 ] || { echo "no C++ files found (not a git checkout?)"; exit 1; }
bad=$(clang-format --dry-run "${files[@]}" 2>&1 | grep -oE '^[^:]+\.(cpp|h):' | sort -u | tr -d ':')
if [ -n "$bad" ]; then
    echo "These files differ from .clang-format:"
    echo "$bad"
    exit 1
fi
echo "${#files[@]} files match .clang-format"
