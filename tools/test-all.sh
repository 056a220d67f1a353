#!/usr/bin/env bash
# Installs what is missing, builds the Linux and the Windows binaries and runs every test:
# the CTest suite, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer (but
# the rules' differential tests, which compare algorithms and need no second build), the
# tests of the code that runs threads (the parallel run, the ordered output, quarvel-scan's
# workers, the language server's analysis) under ThreadSanitizer, a short fuzz run after the
# regression corpus, the end-to-end cases against quarvel.exe under Wine, then the packages
# and the programs that read quarvel-report's output.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
step() { echo "== $* ($((SECONDS - start)) s)"; }

step "installing what is missing"
bash tools/bootstrap.sh --tests

step "the suite"
cmake -S . -B build -G Ninja -DQUARVEL_TESTS=ON
cmake --build build
ctest --test-dir build -j2 --output-on-failure

# The sanitizer builds are optimised lightly and carry line tables only (-O1 -g1): quicker
# to compile than -O2 -g, and a report still names its file and line.
sanitizer_flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1")

step "the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DQUARVEL_TESTS=ON -DQUARVEL_SANITIZE=ON \
  -DQUARVEL_DIFFERENTIAL_TESTS=OFF "${sanitizer_flags[@]}"
cmake --build build-asan
ctest --test-dir build-asan -j2 --output-on-failure

step "the threads under ThreadSanitizer"
cmake -S . -B build-tsan -G Ninja -DQUARVEL_TESTS=ON -DQUARVEL_SANITIZE_THREAD=ON \
  "${sanitizer_flags[@]}"
cmake --build build-tsan --target quarvel quarvel-report quarvel-scan quarvel-lsp unit_tests \
  lsp_unit_tests
# The interrupt test is left to the other builds: forty interrupted runs of large files take
# minutes under ThreadSanitizer.
ctest --test-dir build-tsan -j2 --output-on-failure --no-tests=error \
  -R '^(FileRun|OrderedOutput|scan|lsp)\.|^e2e\.(workers|output-failures|non-regular-files)$'

step "fuzzing"
bash tests/fuzz/run_fuzz.sh 20000

step "Windows"
bash tools/build-windows.sh
bash tests/windows/run_wine_tests.sh build-win/quarvel.exe

step "packages"
bash tools/test-packages.sh
step "done"
