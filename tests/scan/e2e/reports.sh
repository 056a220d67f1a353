#!/usr/bin/env bash
# The reports: each form whole on a known file, the levels in each, the limited ones (SARIF,
# GitHub annotations) holding the most severe first and saying how many they left out,
# several reports from one run, the job summary, colours on a terminal only.
#   reports.sh QUARVEL_SCAN SOURCE_FOLDER
source "$(dirname "$0")/lib.sh" "$1"
mkdir tree && cd tree
cp "$2/examples/Sample.java" .

run_scan --format text
expect_output "text" 3 "Sample.java:1: warning: public void run() not overridden when extending Thread. [1030 ThreadWithoutRun]
Sample.java:1: note: No @author javadoc tag found. [1037 MissingAuthorTag]
Sample.java:3: note: Unused import statement. [1000 UnusedImport]
Sample.java:4: note: Wildcard import declaration. [1002 WildcardImport]
Sample.java:5: note: Explicit import of java.lang class. [1001 JavaLangImport]
Sample.java:11: note: Order of modifiers should be pub pro pri abs sta fin synch nat stri. [1008 ModifierOrder]
Sample.java:13: error: Override both Object.equals() and Object.hashCode() [1014 EqualsHashCode]
Sample.java:13: warning: Compare classes using getClass() in non-final equals method. [1034 EqualsWithoutGetClass]
Sample.java:13: note: Declare parameters final. [1038 NonFinalParameter]
Sample.java:14: warning: Unused local variable. [1023 UnusedLocalVariable]
Sample.java:17: note: Declare parameters final. [1038 NonFinalParameter]
Sample.java:20: warning: Type in catch clause too general. [1005 GeneralCatchType]
Sample.java:21: warning: Empty catch block. [1006 EmptyCatchBlock]
Sample.java:22: error: String comparison using == or != operator. [1013 StringIdentityComparison]
Sample.java:22: error: if statement with empty body. [1016 EmptyIfBody]
Sample.java:23: warning: Output on System.out or System.err. [1011 ConsoleOutput]
Sample.java:26: note: Declare parameters final. [1038 NonFinalParameter]
Sample.java:27: warning: Unused local variable. [1023 UnusedLocalVariable]

  1000  UnusedImport                note     1
  1001  JavaLangImport              note     1
  1002  WildcardImport              note     1
  1005  GeneralCatchType            warning  1
  1006  EmptyCatchBlock             warning  1
  1008  ModifierOrder               note     1
  1011  ConsoleOutput               warning  1
  1013  StringIdentityComparison    error    1
  1014  EqualsHashCode              error    1
  1016  EmptyIfBody                 error    1
  1023  UnusedLocalVariable         warning  2
  1030  ThreadWithoutRun            warning  1
  1034  EqualsWithoutGetClass       warning  1
  1037  MissingAuthorTag            note     1
  1038  NonFinalParameter           note     3
18 defects: 3 errors, 7 warnings, 8 notes
1 file analysed"

# The levels in each form.
run_scan --format checkstyle
expect_eq "checkstyle: severities" "3 7 8" \
  "$(for s in error warning info; do grep -c "severity=\"$s\"" out; done | xargs)"
run_scan --format codeclimate
expect_eq "codeclimate: severities" "3 major, 7 minor, 8 info" "$(python3 -c '
import json, collections
c = collections.Counter(i["severity"] for i in json.load(open("out")))
print(", ".join(f"{c[s]} {s}" for s in ("major", "minor", "info")))')"

# GitHub annotations, at most two: the most severe first, and a line for the rest.
run_scan --format github --max-annotations 2
expect_output "github, two at most" 3 "::error file=Sample.java,line=13,title=1014 EqualsHashCode::Override both Object.equals() and Object.hashCode()
::error file=Sample.java,line=22,title=1013 StringIdentityComparison::String comparison using == or != operator.
::notice title=Quarvel::16 more defects are not shown as annotations; the job summary and the other reports list them all." \
  "quarvel-scan: the GitHub annotations hold the 2 most severe of 18 defects; 16 left out (--max-annotations)"
run_scan --format github
expect_eq "github: one command per level" "3 7 8" \
  "$(for c in error warning notice; do grep -c "^::$c file=" out; done | xargs)"

# SARIF, at most five results: the errors, then warnings in their order.
run_scan --format sarif --max-results 5
expect_eq "SARIF limited: standard error" \
  "quarvel-scan: the SARIF report holds the 5 most severe of 18 defects; 13 left out (--max-results)" \
  "$(cat err)"
python3 - <<'PY' || fail "SARIF limited"
import json
run = json.load(open('out'))['runs'][0]
got = [(r['ruleId'], r['level'], r['locations'][0]['physicalLocation']['region']['startLine'])
       for r in run['results']]
assert got == [('1030', 'warning', 1), ('1014', 'error', 13), ('1034', 'warning', 13),
               ('1013', 'error', 22), ('1016', 'error', 22)], got
assert run['properties'] == {'resultsLeftOut': 13}
notes = run['invocations'][0]['toolExecutionNotifications']
assert any('13 defects are not in this report' in n['message']['text'] for n in notes)
assert all(len(r['partialFingerprints']['quarvelDefect/v1']) == 32 for r in run['results'])
levels = {r['id']: r['defaultConfiguration']['level'] for r in run['tool']['driver']['rules']}
assert levels['1012'] == 'error' and levels['1006'] == 'warning' and levels['1020'] == 'note'
PY

# Several reports from one analysis, and the job summary in Markdown.
export GITHUB_STEP_SUMMARY=$work/step-summary.md
run_scan --format sarif --output r.sarif --format summary --format gnu --output r.gnu
expect_eq "several: status" 3 "$status"
expect_eq "several: the summary on standard output" "18 defects: 3 errors, 7 warnings, 8 notes" \
  "$(tail -n 2 out | head -n 1)"
expect_eq "several: gnu" 18 "$(grep -c '' r.gnu)"
python3 -c 'import json; assert len(json.load(open("r.sarif"))["runs"][0]["results"]) == 18' ||
  fail "several: SARIF"
expect_eq "job summary" "### Quarvel
| 1038 | NonFinalParameter | note | 3 |" "$(sed '/^$/d' "$GITHUB_STEP_SUMMARY" | sed -n '1p;$p')"
unset GITHUB_STEP_SUMMARY

# A report that cannot be written: status 1, the others written whole.
run_scan --format gnu --output missing-folder/r.gnu --format summary
expect_output "a report that cannot be written" 1 "" \
  "quarvel-scan: cannot write missing-folder/r.gnu: No such file or directory"

# Standard output not a terminal: gnu by default, no colour; on a terminal: text, coloured
# unless NO_COLOR says otherwise.
run_scan
expect_eq "default form off a terminal" "Sample.java:1: warning: public void run() not overridden when extending Thread. [1030]" "$(head -n 1 out)"
if command -v script > /dev/null; then
  script -qec "$scan --fail-on none" /dev/null > tty.txt
  grep -q $'\x1b\[1;31merror' tty.txt || fail "on a terminal: no colour"
  NO_COLOR=1 script -qec "$scan --fail-on none" /dev/null > tty.txt
  grep -q $'\x1b' tty.txt && fail "NO_COLOR: colours all the same"
  grep -q "error: Override both" tty.txt || fail "on a terminal: not the text form"
fi
finish
