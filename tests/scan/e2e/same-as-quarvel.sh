#!/usr/bin/env bash
# For the same files, quarvel-scan finds exactly the defects that quarvel -projects finds:
# the rule inputs, the end-to-end inputs and, where a JDK's sources are installed, a few
# hundred of them.
#   same-as-quarvel.sh QUARVEL_SCAN QUARVEL SOURCE_FOLDER
source "$(dirname "$0")/lib.sh" "$1" "$2"
mkdir tree && cp -r "$3/tests/rules" "$3/tests/cli" tree/
find tree -name Bad.java -delete # its directive ends a quarvel run
zip=
for candidate in /usr/lib/jvm/*/lib/src.zip /usr/lib/jvm/*/src.zip; do
  [ -f "$candidate" ] && zip=$candidate && break
done
if [ -n "$zip" ]; then
  mkdir tree/jdk && (cd tree/jdk && unzip -q "$zip" 'java.base/java/util/*.java')
fi
cd tree
find . -name '*.java' -type f | sed 's|^\./||' | LC_ALL=C sort > all.jnt
echo "$(grep -c '' all.jnt) files"

"$quarvel" -projects all.jnt > quarvel.out
expect_eq "quarvel: status" 0 "$?"
grep -E ':[0-9]+ Rule\([0-9]+\) ' quarvel.out |
  sed -E 's/^(.*):([0-9]+) Rule\(([0-9]+)\) (.*)$/\1:\2:\3:\4/' | LC_ALL=C sort > quarvel.defects
run_scan --format gnu --fail-on none --no-config
expect_eq "quarvel-scan: status" 0 "$status"
sed -E 's/^(.*):([0-9]+): (error|warning|note): (.*) \[([0-9]+)\]$/\1:\2:\5:\4/' out |
  LC_ALL=C sort > scan.defects
echo "$(grep -c '' quarvel.defects) defects"
[ "$(grep -c '' quarvel.defects)" -gt 1000 ] || fail "too few defects to compare"
if ! cmp -s quarvel.defects scan.defects; then
  fail "the defects differ"
  diff quarvel.defects scan.defects | head -n 10
fi
finish
