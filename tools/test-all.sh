#!/usr/bin/env bash
# Installs what is missing, builds the Linux and the Windows binaries and runs every test:
# the CTest suite, then the end-to-end cases against quarvel.exe under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/bootstrap.sh
cmake -S . -B build -G Ninja
cmake --build build
ctest --test-dir build --output-on-failure
bash tools/build-windows.sh
bash tests/windows/run_wine_tests.sh build-win/quarvel.exe
