#!/usr/bin/env bash
# Gives quarvel-report's output to the programs that read it, for every case that runs
# quarvel or holds a run's output, and checks that they accept it and find every defect:
#   xml       xmllint: the checkstyle report is well-formed, one error element per defect
#   json      Node.js: the codeclimate and sarif reports parse, one issue or result per
#             defect, on the defect's file and line
#   quickfix  vim, with its default errorformat: every line of the gnu form is an entry on
#             the defect's file and line
#   sarif     the SARIF Multitool (its path in $SARIF_MULTITOOL): every sarif report
#             validates with no result of level error; exit status 77 (skipped) without it
# The defects expected are read from quarvel's output with a plain pattern: the file is
# everything before the last ":LINE Rule(NNNN) ", which no message holds.
#   validate_reports.sh KIND QUARVEL QUARVEL_REPORT CASE_DIR...
set -u
kind=$1
quarvel=$(realpath "$2")
report=$(realpath "$3")
shift 3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/prepare_case.sh"

if [ "$kind" = sarif ] && [ ! -x "${SARIF_MULTITOOL:-}" ]; then
  echo "SARIF_MULTITOOL does not name the SARIF Multitool: skipped"
  exit 77
fi

failed=0
fail() { echo "FAILED $case_name: $*"; failed=1; }

for case_dir in "$@"; do
  case_name=$(basename "$case_dir")
  work=$(mktemp -d)
  prepare_case "$case_dir" "$work"
  (cd "$work" && run_quarvel "$case_dir" "$quarvel" > run.out)
  # FILE<tab>LINE for each defect, in order; a last line without a line end is no defect.
  tr -d '\r' < "$work/run.out" | if [ -n "$(tail -c 1 "$work/run.out")" ]; then sed '$d'; else cat; fi |
    LC_ALL=C sed -nE 's/^(.*):([0-9]+) Rule\([0-9]{4}\) .*$/\1\t\2/p' > "$work/expected.tsv"
  defects=$(wc -l < "$work/expected.tsv")
  [ "$defects" -gt 0 ] || fail "the case gives no defect to check"
  cd "$work"
  case "$kind" in
  xml)
    "$report" --format checkstyle run.out > report.xml 2> /dev/null
    if ! xmllint --noout report.xml; then
      fail "xmllint refuses the checkstyle report"
    elif [ "$(xmllint --xpath 'count(//error)' report.xml)" != "$defects" ]; then
      fail "$(xmllint --xpath 'count(//error)' report.xml) error elements for $defects defects"
    fi
    ;;
  json)
    "$report" --format codeclimate run.out > codeclimate.json 2> /dev/null
    "$report" --format sarif run.out > report.sarif 2> /dev/null
    rule_count=$("$quarvel" -help | sed -n '1s/.* against \([0-9]*\) numbered coding rules\.$/\1/p')
    node "$here/check_json_reports.js" expected.tsv codeclimate.json report.sarif "$rule_count" ||
      fail "the JSON reports do not hold the defects"
    ;;
  quickfix)
    "$report" --format gnu run.out > report.gnu 2> /dev/null
    vim -es -u NONE -i NONE -N -c 'cgetfile report.gnu' \
      -c 'call writefile(map(getqflist(), {_, e -> bufname(e.bufnr) . "\t" . e.lnum . "\t" . e.valid}), "quickfix.tsv")' \
      -c 'qa!'
    sed 's/$/\t1/' expected.tsv > expected-quickfix.tsv
    if ! cmp -s expected-quickfix.tsv quickfix.tsv; then
      fail "vim's quickfix list differs (expected, then vim's):"
      diff expected-quickfix.tsv quickfix.tsv | cat -A | head -20
    fi
    ;;
  sarif)
    "$report" --format sarif run.out > report.sarif 2> /dev/null
    if ! "$SARIF_MULTITOOL" validate report.sarif --level "Error;Warning;Note" --output validation.sarif > validation.log 2>&1; then
      fail "the SARIF Multitool failed:"
      cat validation.log
    elif ! node "$here/count_sarif_levels.js" validation.sarif; then
      fail "the SARIF Multitool found errors"
    fi
    ;;
  *)
    echo "unknown kind $kind"
    exit 2
    ;;
  esac
  cd - > /dev/null
  rm -rf "$work"
done
[ $failed -eq 0 ] && echo "$kind: the reports of $# cases are accepted"
[ $failed -eq 0 ]
