#!/usr/bin/env bash
# Files that cannot be analysed, in the middle of the others: each is named with its reason
# on standard error, in the summary and in SARIF at its location; every other file is
# analysed; the status is 1.
#   keep-going.sh QUARVEL_SCAN
source "$(dirname "$0")/lib.sh" "$1"
mkdir tree && cd tree
write_source A.java
printf '/** @author a */\npackage p;\n// quarvel disable(abc)\nclass Bad {}\n' > Bad.java
write_source C.java
truncate -s 3G Huge.java # sparse: takes no room
write_source Z.java

run_scan --format gnu
expected_err="quarvel-scan: Bad.java: could not be analysed: Could not convert the string describing the warning to an integer. Line: 3. Detailed information: Error parsing the string [abc] to an integer
quarvel-scan: Huge.java: could not be analysed: the file is too big: 3221225472 bytes, at most 2147483647"
expect_output "a bad directive and a huge file" 1 "A.java:8: warning: Type in catch clause too general. [1005]
A.java:9: warning: Empty catch block. [1006]
C.java:8: warning: Type in catch clause too general. [1005]
C.java:9: warning: Empty catch block. [1006]
Z.java:8: warning: Type in catch clause too general. [1005]
Z.java:9: warning: Empty catch block. [1006]" "$expected_err"

run_scan --format summary
expect_eq "summary" "3 files analysed, 2 could not be analysed" "$(tail -n 1 out)"

# SARIF: the run is not successful, each file a notification at its location.
run_scan --format sarif
expect_eq "SARIF: status" 1 "$status"
python3 - out <<'PY' || fail "SARIF: notifications"
import json, sys
run = json.load(open(sys.argv[1]))['runs'][0]
invocation = run['invocations'][0]
assert invocation['executionSuccessful'] is False
notes = [n for n in invocation['toolExecutionNotifications'] if 'locations' in n]
uris = [n['locations'][0]['physicalLocation']['artifactLocation']['uri'] for n in notes]
assert uris == ['Bad.java', 'Huge.java'], uris
assert all(n['level'] == 'error' for n in notes)
assert 'Line: 3.' in notes[0]['message']['text'], notes[0]
assert len(run['results']) == 6
PY

# A file that cannot be read (the test runs as a user the permissions hold).
if [ "$(id -u)" = 0 ] && command -v setpriv > /dev/null; then
  chmod 000 C.java && chmod 755 "$work" . && chmod 644 A.java Z.java Bad.java
  setpriv --reuid=65534 --regid=65534 --clear-groups "$scan" --format gnu > out 2> err
  status=$?
  expect_eq "unreadable: status" 1 "$status"
  expect_eq "unreadable: C.java named" \
    "quarvel-scan: C.java: could not be analysed: cannot open the file: Permission denied" \
    "$(grep C.java err)"
  expect_eq "unreadable: the others analysed" "A.java Z.java" "$(cut -d: -f1 out | sort -u | xargs)"
  chmod 644 C.java
else
  echo "not root or no setpriv: the unreadable file is not tried"
fi
finish
