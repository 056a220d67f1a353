#!/usr/bin/env bash
# A run on every processor prints exactly what a run on one prints (taskset gives the run one
# processor): the end-to-end inputs, the rule inputs and, when a JDK's sources are installed,
# a few hundred of its files; also a list with a file in the middle that cannot be loaded.
#   workers.sh PROGRAM SOURCE_FOLDER
source_folder=$(realpath "$2")
source "$(dirname "$0")/lib.sh" "$1"
if ! command -v taskset > /dev/null || [ "$(nproc)" -lt 2 ]; then
  echo "one processor only: nothing to compare"
  exit 0
fi
find "$source_folder/tests/rules" "$source_folder/tests/cli" -name '*.java' ! -name Bad.java |
  LC_ALL=C sort > list.txt
zip=
for candidate in /usr/lib/jvm/*/lib/src.zip /usr/lib/jvm/*/src.zip; do
  [ -f "$candidate" ] && zip=$candidate && break
done
if [ -n "$zip" ]; then
  mkdir jdk && (cd jdk && unzip -q "$zip" 'java.base/java/util/*.java' 'java.base/java/lang/*.java')
  find "$PWD/jdk" -name '*.java' | LC_ALL=C sort >> list.txt
fi
sed 's/$//' list.txt > all.jnt
files=$(wc -l < all.jnt)
echo "$files files"
[ "$files" -ge 300 ] || fail "only $files files to compare"

compare() { # WHAT PROJECT
  taskset -c 0 "$program" -projects "$2" > one.out 2> one.err
  local one_status=$?
  "$program" -projects "$2" > all.out 2> all.err
  local all_status=$?
  expect_eq "$1: status" "$one_status" "$all_status"
  if ! cmp -s <(grep -v '^Total time' one.out) <(grep -v '^Total time' all.out); then
    fail "$1: the outputs differ"
    diff <(grep -v '^Total time' one.out) <(grep -v '^Total time' all.out) | head -n 10
  fi
}
compare "all files" all.jnt
# A file that cannot be loaded in the middle: the same lines before it, then its message.
{ head -n 50 all.jnt; echo missing.java; tail -n +51 all.jnt; } > broken.jnt
compare "a missing file in the middle" broken.jnt
expect_eq "last line with a missing file" "C++ exception: basic_ios::clear: iostream error" \
  "$(tail -n 1 all.out)"
finish
