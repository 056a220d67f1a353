#!/usr/bin/env bash
# A baseline records today's defects; later runs report only what is new, whatever moves
# around the old ones: lines inserted above, a method moved, more defects of a rule that
# already has many in the file, a renamed file. The Code Quality fingerprints follow the same
# keys, so a new defect is shown at its own line.
#   baseline.sh QUARVEL_SCAN
source "$(dirname "$0")/lib.sh" "$1"
git init -q repo && cd repo
many() { # the same statement in many methods, each with a comment of its own above it
  for i in $(seq 1 20); do
    printf '    // case %s\n    void f%s(int x) {\n        work(x);\n    }\n' "$i" "$i"
  done
}
{ printf '/** @author a */\npackage p;\n\nclass Many {\n'; many; printf '}\n'; } > Many.java
write_source Other.java
commit_all one

run_scan --write-baseline quarvel-baseline.txt --format summary
expect_eq "writing: status" 0 "$status"
expect_eq "writing: the file's first line" "quarvel-baseline 1" "$(head -n 1 quarvel-baseline.txt)"
expect_eq "writing: entries" 22 "$(grep -c '^  ' quarvel-baseline.txt)"
run_scan --baseline quarvel-baseline.txt --format gnu
expect_output "nothing changed" 0 ""

# Lines inserted above the old defects, and a method moved to the end.
{ printf '/** @author a */\npackage p;\n\n// a comment\n// and another\nclass Many {\n'
  many | sed -n '5,80p'; many | sed -n '1,4p'; printf '}\n'; } > Many.java
run_scan --baseline quarvel-baseline.txt --format gnu
expect_output "lines inserted above, a method moved" 0 ""

# One more defect of the rule that has twenty in the file, above them: exactly that one, at
# its line, is new.
sed -i 's|^class Many {$|class Many {\n    // a new case\n    void g(int x) {\n        work(x);\n    }|' Many.java
run_scan --baseline quarvel-baseline.txt --format gnu
expect_output "a new defect above many like it" 3 \
  "Many.java:8: note: Declare parameters final. [1038]"
run_scan --baseline quarvel-baseline.txt --format summary
expect_eq "summary with a baseline" \
  "1 new defect: 0 errors, 0 warnings, 1 note (22 known from the baseline, 0 of its defects gone)" \
  "$(tail -n 2 out | head -n 1)"

# The same defect copied in above its twin (same text, same lines above): the copy is new.
sed -i '0,/^    \/\/ case 7$/s//    \/\/ case 7\n    void f7(int x) {\n        work(x);\n    }\n    \/\/ case 7/' Many.java
run_scan --baseline quarvel-baseline.txt --format gnu
expect_eq "a copy above its twin: new defects" 2 "$(grep -c '' out)"

# A defect whose own line changed is new; the old one is gone.
git checkout -q Many.java
sed -i 's|    void f3(int x) {|    void f3(int y) {|' Many.java
run_scan --baseline quarvel-baseline.txt --format gnu
expect_output "a changed line" 3 "Many.java:14: note: Declare parameters final. [1038]"
run_scan --baseline quarvel-baseline.txt --format summary --fail-on none
expect_eq "a changed line: one gone" \
  "1 new defect: 0 errors, 0 warnings, 1 note (21 known from the baseline, 1 of its defects gone)" \
  "$(tail -n 2 out | head -n 1)"

# A renamed file: its defects are new under the new name, the old ones gone.
git checkout -q Many.java && git mv Other.java Renamed.java
run_scan --baseline quarvel-baseline.txt --format gnu
expect_output "a renamed file" 3 "Renamed.java:8: warning: Type in catch clause too general. [1005]
Renamed.java:9: warning: Empty catch block. [1006]"
run_scan --baseline quarvel-baseline.txt --format summary --fail-on none
expect_eq "a renamed file: gone" \
  "2 new defects: 0 errors, 2 warnings, 0 notes (20 known from the baseline, 2 of its defects gone)" \
  "$(tail -n 2 out | head -n 1)"
git mv Renamed.java Other.java

# The baseline named in quarvel.toml is used without --baseline; a missing one is an error.
printf 'baseline = "quarvel-baseline.txt"\n' > quarvel.toml
run_scan --format gnu
expect_output "the baseline of quarvel.toml" 0 ""
printf 'baseline = "missing.txt"\n' > quarvel.toml
run_scan --format gnu
expect_output "a missing baseline of quarvel.toml" 2 "" \
  "quarvel-scan: the baseline missing.txt named in the configuration file does not exist: write it with --write-baseline missing.txt"
rm quarvel.toml

# A damaged baseline is refused with its line.
printf 'quarvel-baseline 1\nMany.java\n  1038 zz 0000\n' > bad.txt
run_scan --baseline bad.txt --format gnu
expect_eq "a damaged baseline: status" 2 "$status"
expect_eq "a damaged baseline: where" "quarvel-scan: bad.txt:3:" "$(cut -d' ' -f1-2 err)"

# Code Quality: a new defect among many like it gets a fingerprint of its own, and the old
# ones keep theirs.
git checkout -q Many.java
run_scan --format codeclimate --fail-on none
python3 -c 'import json,sys; print("\n".join(sorted(i["fingerprint"] for i in json.load(open("out")))))' > before.txt
sed -i 's|^class Many {$|class Many {\n    // a new case\n    void g(int x) {\n        work(x);\n    }|' Many.java
run_scan --format codeclimate --fail-on none
python3 - <<'PY' || fail "Code Quality: the new defect's fingerprint"
import json
before = set(open('before.txt').read().split())
issues = json.load(open('out'))
new = [i for i in issues if i['fingerprint'] not in before]
assert len(new) == 1, new
assert new[0]["location"] == {"path": "Many.java", "lines": {"begin": 6}}, new[0]
assert new[0]['severity'] == 'info'
PY
finish
