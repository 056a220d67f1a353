#!/usr/bin/env bash
# Running out of memory ends the run like any other failure: the defect lines before it
# stay, then a message that names the file, status 1.
#   out-of-memory.sh PROGRAM
source "$(dirname "$0")/lib.sh" "$1"
printf 'class A {\n\tint x;\n}\n' > A.java
head -c 67108864 /dev/zero | tr '\0' 'x' > Huge.java # its views do not fit beside it

(ulimit -v 160000 && exec "$program" -files A.java Huge.java > out 2> err)
expect_eq "status" 1 "$?"
expected=$(printf '%s\n' "" "A.java:2 Rule(1020) Tab found. Prefer space when indenting source code." \
  "A.java:1 Rule(1035) No package declaration found." \
  "A.java:1 Rule(1037) No @author javadoc tag found." \
  "Ran out of memory while analysing the file." "Filename: 'Huge.java'")
expect_eq "output" "$expected" "$(masked_stdout)"
expect_eq "standard error" "" "$(cat err)"
finish
