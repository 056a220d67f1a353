#!/usr/bin/env bash
# Times quarvel-lsp as an editor uses it (see bench/lsp.py): didChange to publishDiagnostics
# on a 10,000-line file, and the peak memory of a session of 1,000 open files.
#   bench/lsp.sh [JDK_FOLDER]
# Without a folder, the JDK sources that bench/run.sh unzips into /tmp/quarvel-bench/jdk.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-${QUARVEL_BENCH_DIR:-/tmp/quarvel-bench}/jdk}
[ -d "$folder" ] || { echo "no folder $folder: run bench/run.sh once, or give one" >&2; exit 1; }
cmake -S . -B build-bench-release -G Ninja -DQUARVEL_TESTS=OFF > /dev/null
cmake --build build-bench-release --target quarvel-lsp > /dev/null
python3 bench/lsp.py build-bench-release/lsp/quarvel-lsp "$folder"
