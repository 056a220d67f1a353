#!/usr/bin/env bash
# Sources, configurations and project files must be regular files: a named pipe or a device
# fails at once instead of blocking or reading for ever, and a name with a zero byte in it
# never opens the file that its first part names.
#   special-files.sh PROGRAM
source "$(dirname "$0")/lib.sh" "$1"
printf 'class A {}\n' > A.java
mkfifo pipe.java pipe.cfg pipe.jnt

not_regular() { # NAME
  printf '%s\n' "" "An error occured when trying to open the file for reading." \
    "Filename: '$1'" "Current Working Directory: <cwd>" "System error message: Not a regular file." \
    "C++ exception: basic_ios::clear: iostream error"
}

for case in "-files pipe.java" "-files A.java -config pipe.cfg" "-projects pipe.jnt" \
  "-files /dev/zero" "-files /dev/null"; do
  # shellcheck disable=SC2086
  timeout 10 "$program" $case > out 2> err < /dev/null
  status=$?
  expect_eq "status of $case" 1 "$status"
  expect_eq "output of $case" "$(not_regular "${case##* }")" "$(masked_stdout)"
done

# A project entry with a zero byte: the whole name is shown, and A.java is not analysed.
printf 'A.java\0junk\n' > zero.jnt
timeout 10 "$program" -projects zero.jnt > out 2> err
expect_eq "status of a name with a zero byte" 1 "$?"
expected=$(printf '%s\n' "" "An error occured when trying to open the file for reading." \
  "Filename: 'A.java#junk'" "Current Working Directory: <cwd>" \
  "System error message: Invalid argument" "C++ exception: basic_ios::clear: iostream error")
expect_eq "output of a name with a zero byte" "$expected" "$(masked_stdout | tr '\0' '#')"
finish
