#!/usr/bin/env bash
# Builds the fuzz target with clang, replays the regression corpus (every input that once
# crashed, hung or made a search give up), then fuzzes for a while.
#   tests/fuzz/run_fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQUARVEL_FUZZ=ON -DQUARVEL_TESTS=OFF > /dev/null
cmake --build build-fuzz
fuzzer=build-fuzz/tests/fuzz/rule_fuzzer
artifacts=build-fuzz/artifacts
mkdir -p "$artifacts"

shopt -s nullglob
corpus=(tests/corpus/*/*)
if [ ${#corpus[@]} -gt 0 ]; then
  echo "Replaying ${#corpus[@]} regression inputs"
  "$fuzzer" -timeout=10 "${corpus[@]}"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$fuzzer" -max_total_time="$seconds" -timeout=10 -max_len=16384 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$work" tests/rules tests/corpus/*/
