#!/usr/bin/env bash
# Text that quarvel-report quotes from its input on standard error shows its control bytes
# as \xHH: an escape sequence never reaches the terminal, and a zero byte does not end the
# quote. Line feeds and bytes above 127 stay as they are.
#   control-bytes.sh QUARVEL QUARVEL_REPORT
source "$(dirname "$0")/lib.sh" "$1" "$2"
make_run
head -n 4 run.txt > start.txt # the banner, the blank line and a defect line

# A failure message (the last text of a run, with no line end after it).
{ cat start.txt; printf 'Cannot open \033[2J\033]0;title\007caf\303\251\000.java\nSystem error message: none'; } \
  > failed.txt
"$report" failed.txt > out 2> err
expect_eq "status of a failure message with control bytes" 1 "$?"
expect_eq "message of a failure message with control bytes" \
  'quarvel-report: The quarvel run failed with this message:
Cannot open \x1b[2J\x1b]0;title\x07café\x00.java
System error message: none' "$(cat err)"
expect_eq "report of a failure message with control bytes" \
  "A.java:2: warning: Tab found. Prefer space when indenting source code. [1020]" "$(cat out)"

# A line that is no defect line.
{ cat start.txt; printf '\033[31mred\177\r\tline\n'; tail -n +5 run.txt; } > changed.txt
"$report" changed.txt > out 2> err
expect_eq "status of a strange line" 1 "$?"
expect_eq "message of a strange line" \
  'quarvel-report: The input is not the output of a quarvel run: line 5 is not a defect line, the report of a failed internal check or the summary: "\x1b[31mred\x7f\x0d\x09line".' \
  "$(cat err)"

# The report of a failed internal check, which the run goes on after.
{
  cat start.txt
  printf -- '----------------------------------------\n'
  printf 'Assertion failed. Message: \033[1mbold\000\n'
  printf 'File: util/StringHelper.cpp\nLine: 40\nOccurred: Mon Dec 07 14:12:00 2026\n\n'
  printf 'Please contact support@example.invalid and include this message.\n'
  printf 'Thank you for helping us improve the software.\n'
  printf -- '----------------------------------------\n'
  tail -n +5 run.txt
} > checked.txt
"$report" checked.txt > out 2> err
expect_eq "status of a failed internal check" 0 "$?"
expect_eq "message of a failed internal check" \
  'quarvel-report: the run reported a failed internal check and went on:
Assertion failed. Message: \x1b[1mbold\x00
File: util/StringHelper.cpp
Line: 40
Occurred: Mon Dec 07 14:12:00 2026' "$(cat err)"
finish
