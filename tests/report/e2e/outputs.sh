#!/usr/bin/env bash
# Where the report goes: "-" is standard output, an output that cannot be written says why,
# and a reader that goes away ends quarvel-report quietly.
#   outputs.sh QUARVEL QUARVEL_REPORT
source "$(dirname "$0")/lib.sh" "$1" "$2"
make_run
"$report" run.txt > expected.gnu

# "-" is standard output, as for the input; "./-" is a file of that name.
for arguments in "--output -" "--output=-" "--output - -"; do
  # shellcheck disable=SC2086
  "$report" $arguments < run.txt > out 2> err
  expect_eq "status with $arguments" 0 "$?"
  expect_eq "message with $arguments" "" "$(cat err)"
  expect_same_file "report with $arguments" expected.gnu out
  [ -e ./- ] && fail "a file named - was written with $arguments"
done
"$report" --output ./- run.txt > out 2> err
expect_eq "status with ./-" 0 "$?"
expect_same_file "report with ./-" expected.gnu ./-
expect_eq "standard output with ./-" "" "$(cat out)"
rm ./-

# An output that cannot be written: the system's reason, status 1.
cannot_write() { # WHAT MESSAGE COMMAND...
  local what=$1 message=$2
  shift 2
  "$@" 2> err
  expect_eq "status $what" 1 "$?"
  expect_eq "message $what" "$message" "$(cat err)"
}
cannot_write "into a full device" \
  "quarvel-report: cannot write the report to standard output: No space left on device" \
  bash -c '"$0" run.txt > /dev/full' "$report"
cannot_write "into a full device named" \
  "quarvel-report: cannot write the report to /dev/full: No space left on device" \
  "$report" --output /dev/full run.txt
cannot_write "with standard output closed" \
  "quarvel-report: cannot write the report to standard output: Bad file descriptor" \
  bash -c '"$0" run.txt >&-' "$report"
cannot_write "with standard output closed, reading standard input" \
  "quarvel-report: cannot write the report to standard output: Bad file descriptor" \
  bash -c '"$0" < run.txt >&-' "$report"
cannot_write "into a missing folder" \
  "quarvel-report: cannot write missing/report.sarif: No such file or directory" \
  "$report" --output missing/report.sarif run.txt
[ -e /dev/full ] || fail "/dev/full is gone"
[ -c /dev/null ] || fail "/dev/null is no device any more"
"$report" --output /dev/null run.txt 2> err
expect_eq "status into /dev/null" 0 "$?"
expect_eq "files left" "A.java
err
expected.gnu
out
run.txt" "$(names_here)"

# A reader that goes away early ends quarvel-report quietly, as SIGPIPE ends a command-line
# tool; the same when SIGPIPE is ignored and the write fails instead.
for i in $(seq 1 30000); do printf '\tx;\n'; done > Tabs.java
"$quarvel" -files Tabs.java > long.txt
for format in sarif gnu; do
  "$report" --format $format long.txt 2> err | head -c 10 > /dev/null
  expect_eq "status when the reader goes away ($format)" 141 "${PIPESTATUS[0]}"
  expect_eq "standard error when the reader goes away ($format)" "" "$(cat err)"
  (trap '' PIPE; "$report" --format $format long.txt 2> err | head -c 10 > /dev/null
   exit "${PIPESTATUS[0]}")
  expect_eq "status when the reader goes away and SIGPIPE is ignored ($format)" 141 "$?"
  expect_eq "standard error then ($format)" "" "$(cat err)"
done
finish
