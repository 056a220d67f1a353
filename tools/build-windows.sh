#!/usr/bin/env bash
# Cross-builds self-contained quarvel.exe, quarvel-report.exe and quarvel-lsp.exe into
# build-win/ with Debian's MinGW-w64, and packs them with the README into
# build-win/quarvel-VERSION-win64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
cmake --build build-win
(cd build-win && cpack -G ZIP > /dev/null)
