#!/usr/bin/env bash
# Builds the fuzz target with clang, replays the regression corpus (every input that once
# crashed, hung or made a search give up), then fuzzes a given number of inputs from a fixed
# seed, so that a run is repeatable: CI fuzzes the same inputs as a developer who runs this.
# Longer explorations: QUARVEL_FUZZ_SEED=<another number>, or more runs.
#   tests/fuzz/run_fuzz.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-20000}
seed=${QUARVEL_FUZZ_SEED:-1}
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQUARVEL_FUZZ=ON -DQUARVEL_TESTS=OFF > /dev/null
cmake --build build-fuzz --target rule_fuzzer
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
"$fuzzer" -runs="$runs" -seed="$seed" -timeout=10 -max_len=16384 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$work" tests/rules tests/corpus/*/
