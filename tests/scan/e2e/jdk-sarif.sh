#!/usr/bin/env bash
# SARIF from a whole JDK's sources, as a folder: at most 25,000 results, the most severe
# first, how many were left out in the run's properties and a notification, and valid for the
# SARIF Multitool (its path in $SARIF_MULTITOOL; skipped without it or without a JDK).
#   jdk-sarif.sh QUARVEL_SCAN SOURCE_FOLDER
source "$(dirname "$0")/lib.sh" "$1"
zip=
for candidate in /usr/lib/jvm/*/lib/src.zip /usr/lib/jvm/*/src.zip; do
  [ -f "$candidate" ] && zip=$candidate && break
done
if [ -z "$zip" ] || [ ! -x "${SARIF_MULTITOOL:-}" ]; then
  echo "no JDK sources or no SARIF Multitool: skipped"
  exit 77
fi
mkdir jdk && (cd jdk && unzip -q "$zip" '*.java')
cd jdk
run_scan --format sarif --output ../jdk.sarif --format summary --fail-on none
expect_eq "status" 0 "$status"
grep -q "^quarvel-scan: the SARIF report holds the 25000 most severe of [0-9]* defects; [0-9]* left out (--max-results)$" err ||
  fail "no word of the defects left out: $(cat err)"
tail -n 2 out | head -n 1 > ../found.txt
cd ..
python3 - <<'PY' || fail "the SARIF report's content"
import collections, json, re
run = json.load(open('jdk.sarif'))['runs'][0]
results = run['results']
assert len(results) == 25000, len(results)
found = re.match(r'(\d+) defects: (\d+) errors, (\d+) warnings, (\d+) notes', open('found.txt').read())
total, errors, warnings, notes = map(int, found.groups())
assert run['properties']['resultsLeftOut'] == total - 25000, run['properties']
# The most severe first: every error, then warnings as far as room is left, then notes.
kept = collections.Counter(r['level'] for r in results)
room = 25000
for level, count in (('error', errors), ('warning', warnings), ('note', notes)):
    assert kept[level] == min(count, room), (level, kept[level], count, room)
    room -= kept[level]
print(f"{total} defects ({errors} errors, {warnings} warnings, {notes} notes): kept {dict(kept)}")
PY
if ! "$SARIF_MULTITOOL" validate jdk.sarif --level "Error;Warning;Note" --output validation.sarif \
  > validation.log 2>&1; then
  fail "the SARIF Multitool failed: $(tail -n 5 validation.log)"
elif ! node "$2/tests/report/count_sarif_levels.js" validation.sarif; then
  fail "the SARIF Multitool found errors"
fi
finish
