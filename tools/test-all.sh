#!/usr/bin/env bash
# Installs what is missing, builds the Linux and the Windows binaries and runs every test:
# the CTest suite, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer and
# under ThreadSanitizer (without the tests that time rules on long texts, which a sanitizer
# only slows), a short fuzz run after the regression corpus, the end-to-end cases against
# quarvel.exe under Wine, then the packages and the programs that read quarvel-report's
# output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/bootstrap.sh --tests
cmake -S . -B build -G Ninja -DQUARVEL_TESTS=ON
cmake --build build
ctest --test-dir build -j2 --output-on-failure
cmake -S . -B build-asan -G Ninja -DQUARVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-asan
ctest --test-dir build-asan -j2 --output-on-failure
cmake -S . -B build-tsan -G Ninja -DQUARVEL_SANITIZE_THREAD=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-tsan
ctest --test-dir build-tsan -j2 --output-on-failure -E 'Growth|hostile_inputs'
bash tests/fuzz/run_fuzz.sh 20000
bash tools/build-windows.sh
bash tests/windows/run_wine_tests.sh build-win/quarvel.exe
bash tools/test-packages.sh
