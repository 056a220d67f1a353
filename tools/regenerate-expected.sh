#!/usr/bin/env bash
# Rewrites the expected output of the end-to-end cases from what the built programs give
# now: tests/cli/*/stdout and status, and tests/report/cases/*/VARIANT.{stdout,stderr,status}
# with the report files a variant writes (VARIANT.out.NAME); and the last rule's number in
# the configuration messages that name it (tests/scan/config/cases/*.expected). Run it after a change that is
# meant to change that output, such as a new rule (every SARIF report lists the rules), and
# read `git diff` before committing: what changed must be what the change meant.
#   tools/regenerate-expected.sh [BUILD_DIR] [CTEST_REGEX]
# BUILD_DIR defaults to build; CTEST_REGEX (default: every case) picks cases by test name,
# for example '^report\.sample\.'. The Windows expectations (stdout.windows) are kept.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
pattern=${2:-'^(cli|report)\.'}
cmake --build "$build" --target quarvel quarvel-report
# Only the case runners rewrite files; the other tests the pattern may reach just run.
QUARVEL_REGENERATE=1 ctest --test-dir "$build" -R "$pattern" -E '^report\.(validate|e2e)\.' \
  -j2 --output-on-failure > /dev/null || true
ctest --test-dir "$build" -R "$pattern" -E '^report\.(validate|e2e)\.' -j2 --output-on-failure
# "rules are numbered 1000 to N": N is the last rule's number, from the count in the banner.
count=$("$build/quarvel" -help | sed -n '1s/.* against \([0-9]*\) numbered coding rules\.$/\1/p')
for expected in tests/scan/config/cases/*.expected; do
  [ -e "$expected" ] || continue
  sed -i -E "s/rules are numbered 1000 to [0-9]+/rules are numbered 1000 to $((999 + count))/" "$expected"
done
git status --short tests/cli tests/report/cases tests/scan/config/cases
