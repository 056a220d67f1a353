#!/usr/bin/env bash
# The pre-commit hook, run by pre-commit itself on a local repository: a commit with a defect
# is stopped and the defect shown; with the defect recorded in the baseline, it goes through.
#   pre-commit.sh QUARVEL_SCAN SOURCE_FOLDER
source "$(dirname "$0")/lib.sh" "$1"
if ! command -v pre-commit > /dev/null; then
  echo "pre-commit is not installed"
  exit 77
fi
export PATH=$(dirname "$scan"):$PATH PRE_COMMIT_HOME=$work/pre-commit-cache
# The hook's repository: this project's hook definition, at a commit.
git init -q hooks && cp "$2/.pre-commit-hooks.yaml" hooks/ && (cd hooks && commit_all hooks)
rev=$(git -C hooks rev-parse HEAD)

git init -q project && cd project
printf 'repos:\n  - repo: %s\n    rev: %s\n    hooks:\n      - id: quarvel\n' "$work/hooks" "$rev" \
  > .pre-commit-config.yaml
printf 'class Clean {}\n' > Clean.java
printf '[rules]\n1035 = "off"\n1037 = "off"\n1041 = "off"\n' > quarvel.toml
git add -A && git commit -q -m start
pre-commit install > /dev/null || fail "pre-commit install"

write_source Dirty.java
git add Dirty.java
git commit -q -m dirty > $work/commit.out 2>&1
expect_eq "a commit with defects: stopped" 1 "$?"
grep -q '^Dirty.java:9: warning: Empty catch block. \[1006\]$' $work/commit.out ||
  fail "the defect is not shown: $(cat $work/commit.out)"
expect_eq "nothing committed" 1 "$(git rev-list --count HEAD)"

# Adopted: the defects in the baseline no longer stop the commit.
quarvel-scan --write-baseline quarvel-baseline.txt --format summary > /dev/null
printf 'baseline = "quarvel-baseline.txt"\n[rules]\n1035 = "off"\n1037 = "off"\n1041 = "off"\n' \
  > quarvel.toml
git add -A
git commit -m adopted > $work/commit.out 2>&1
expect_eq "a commit whose defects are in the baseline" 0 "$?"
grep -q 'quarvel.*Passed' $work/commit.out || fail "the hook did not run: $(cat $work/commit.out)"
finish
