#!/usr/bin/env bash
# Running out of memory ends the run like any other failure: the defect lines before it
# stay, then a message that names the file, status 1.
#   out-of-memory.sh PROGRAM
source "$(dirname "$0")/lib.sh" "$1"
printf 'class A {\n\tint x;\n}\n' > A.java
head -c 67108864 /dev/zero | tr '\0' 'x' > Huge.java # its views do not fit beside it

# The limit leaves room to load Huge.java but not to build its views. What a thread costs in
# address space (its stack, and a heap of its own from the C library) would move that line
# with the number of workers, so the run is held to one processor, then to two, with one heap
# for all threads: about 100 to 200 MB then give the same result.
expected=$(printf '%s\n' "" "A.java:2 Rule(1020) Tab found. Prefer space when indenting source code." \
  "A.java:1 Rule(1035) No package declaration found." \
  "A.java:1 Rule(1037) No @author javadoc tag found." \
  "Ran out of memory while analysing the file." "Filename: 'Huge.java'")
# The first two processors this test may run on.
allowed=($(awk '/^Cpus_allowed_list:/ { n = split($2, parts, ",");
  for (i = 1; i <= n; ++i) { split(parts[i], r, "-"); last = r[2] == "" ? r[1] : r[2];
    for (c = r[1]; c <= last; ++c) print c } }' /proc/self/status | head -2))
processor_sets=("${allowed[0]}")
[ "${#allowed[@]}" -ge 2 ] && processor_sets+=("${allowed[0]},${allowed[1]}")
for processors in "${processor_sets[@]}"; do
  (ulimit -v 150000 && MALLOC_ARENA_MAX=1 exec taskset -c "$processors" "$program" \
    -files A.java Huge.java > out 2> err)
  expect_eq "status on processors $processors" 1 "$?"
  expect_eq "output on processors $processors" "$expected" "$(masked_stdout)"
  expect_eq "standard error on processors $processors" "" "$(cat err)"
done
finish
