#!/usr/bin/env bash
# Output that cannot be written never ends a run as a success.
#   output-failures.sh PROGRAM
source "$(dirname "$0")/lib.sh" "$1"
printf 'class A {\n\tint x;\n}\n' > A.java
message='quarvel: cannot write the results to standard output'

"$program" -files A.java > /dev/full 2> err
expect_eq "status into a full device" 1 "$?"
expect_eq "message into a full device" "$message: No space left on device" "$(cat err)"

for arguments in "-files A.java" "-help" ""; do
  # shellcheck disable=SC2086
  "$program" $arguments >&- < /dev/null 2> err
  expect_eq "status with standard output closed ($arguments)" 1 "$?"
  expect_eq "message with standard output closed ($arguments)" \
    "$message: Bad file descriptor" "$(cat err)"
done

# A reader that goes away early ends the run quietly, as SIGPIPE ends a command-line tool.
for i in $(seq 1 3000); do printf '\tx;\n'; done > Tabs.java
"$program" -files Tabs.java 2> err | head -n 1 > /dev/null
expect_eq "status when the reader goes away" 141 "${PIPESTATUS[0]}"
expect_eq "standard error when the reader goes away" "" "$(cat err)"
# The same when SIGPIPE is ignored: the write fails with EPIPE instead.
(trap '' PIPE; "$program" -files Tabs.java 2> err | head -n 1 > /dev/null; exit "${PIPESTATUS[0]}")
expect_eq "status when the reader goes away and SIGPIPE is ignored" 141 "$?"
expect_eq "standard error then" "" "$(cat err)"

# A normal run into a file: status 0, everything written.
"$program" -files A.java > out 2> err
expect_eq "status of a normal run" 0 "$?"
expect_eq "last line of a normal run" "Total time: <time> seconds" "$(masked_stdout | tail -n 1)"
finish
