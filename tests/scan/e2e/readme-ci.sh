#!/usr/bin/env bash
# The README's CI examples, as far as this machine can run them: the GitHub workflow's check
# step and the GitLab job's script, taken from the README as they stand, run in a sample
# repository on its main branch (a push) and on a branch with one new defect (a pull or
# merge request).
#   readme-ci.sh QUARVEL_SCAN SOURCE_FOLDER
source "$(dirname "$0")/lib.sh" "$1"
readme=$2/README.md
export PATH=$(dirname "$scan"):$PATH

# The GitHub step's script: the lines under "run: |" after "name: Check the Java sources".
awk '/name: Check the Java sources/ {found = 1}
     found && /run: \|/ {inside = 1; next}
     inside && /^ *- (name|uses):/ {exit}
     inside {sub(/^          /, ""); print}' "$readme" > github-step.sh
# The GitLab job's script lines, but the installation.
awk '/^quarvel:$/ {found = 1}
     found && /^  script:/ {inside = 1; next}
     inside && /^  [a-z]/ {exit}
     inside && /^    - / && !/apt-get/ {sub(/^    - /, ""); print}' "$readme" > gitlab-script.sh
[ "$(grep -c quarvel-scan github-step.sh)" -eq 1 ] || fail "no GitHub step in the README"
[ "$(grep -c quarvel-scan gitlab-script.sh)" -eq 1 ] || fail "no GitLab script in the README"

git init -q --bare origin.git
git clone -q origin.git repo 2> /dev/null && cd repo
write_source src/Old.java
git add -A && git commit -q -m old && git push -q origin HEAD:main 2> /dev/null
git fetch -q origin

# A push to main: everything is checked; the old defects fail the job.
GITHUB_STEP_SUMMARY=$work/summary.md BASE= bash "$work/github-step.sh" > annotations.txt 2> err
expect_eq "GitHub, a push: status" 3 "$?"
expect_eq "GitHub, a push: annotations" "::warning file=src/Old.java,line=8,title=1005 GeneralCatchType::Type in catch clause too general.
::warning file=src/Old.java,line=9,title=1006 EmptyCatchBlock::Empty catch block." "$(cat annotations.txt)"
python3 -c 'import json; assert len(json.load(open("quarvel.sarif"))["runs"][0]["results"]) == 2' ||
  fail "GitHub, a push: SARIF"
grep -q '^| 1006 | EmptyCatchBlock | warning | 1 |$' "$work/summary.md" ||
  fail "GitHub, a push: the job summary"

# A pull request that adds one defect: only that one.
git checkout -q -b feature
printf 'class Added { void f() { if (x == "a") {} } }\n' > src/Added.java
git add -A && git commit -q -m added
GITHUB_STEP_SUMMARY=$work/summary.md BASE=main bash "$work/github-step.sh" > annotations.txt 2> err
expect_eq "GitHub, a pull request: status" 3 "$?"
expect_eq "GitHub, a pull request: annotations" "::error file=src/Added.java,line=1,title=1013 StringIdentityComparison::String comparison using == or != operator.
::notice file=src/Added.java,line=1,title=1035 MissingPackage::No package declaration found.
::notice file=src/Added.java,line=1,title=1037 MissingAuthorTag::No @author javadoc tag found." \
  "$(cat annotations.txt)"

# GitLab: a merge request with the same branch; the Code Quality report holds the new defects.
rm -f gl-code-quality-report.json
CI_MERGE_REQUEST_TARGET_BRANCH_NAME=main bash -e "$work/gitlab-script.sh" > job.log 2>&1
expect_eq "GitLab, a merge request: status" 3 "$?"
python3 -c '
import json
issues = json.load(open("gl-code-quality-report.json"))
assert sorted(i["check_name"] for i in issues) == ["1013 StringIdentityComparison", "1035 MissingPackage", "1037 MissingAuthorTag"], issues
' || fail "GitLab, a merge request: the Code Quality report"
# Once the defect is fixed, the merge request passes.
printf '/** @author a */\npackage p;\nclass Added {}\n' > src/Added.java
git commit -q -am fixed
printf '[rules]\n1041 = "off"\n' > quarvel.toml
CI_MERGE_REQUEST_TARGET_BRANCH_NAME=main bash -e "$work/gitlab-script.sh" > job.log 2>&1
expect_eq "GitLab, a merge request without new defects: status" 0 "$?"
finish
