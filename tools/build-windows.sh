#!/usr/bin/env bash
# Cross-builds a self-contained quarvel.exe into build-win/ with Debian's MinGW-w64.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
cmake --build build-win
