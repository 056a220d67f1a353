#!/usr/bin/env bash
# Runs quarvel on a case's inputs and pipes its output into quarvel-report, as a user would,
# then compares quarvel-report's whole standard output, standard error, exit status and any
# report file it wrote with what the case expects.
#   run_report_case.sh QUARVEL QUARVEL_REPORT CASE_DIR VARIANT
# The case's VARIANT.args holds quarvel-report's arguments (one per line); VARIANT.stdout,
# VARIANT.stderr and VARIANT.status what it must give, and VARIANT.out.NAME the file NAME it
# must write. The working folder's path is written <cwd> in all of them.
# QUARVEL_RUNNER=wine runs a Windows quarvel-report.exe; its messages' CR LF are read as LF.
# QUARVEL_REGENERATE=1 writes what quarvel-report gave into the case's expected files instead
# of comparing (tools/regenerate-expected.sh).
set -u
quarvel=$1
report=$2
case_dir=$3
variant=$4
here=$(cd "$(dirname "$0")" && pwd)
. "$here/prepare_case.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prepare_case "$case_dir" "$work"
cd "$work"

report_args=()
while IFS= read -r line || [ -n "$line" ]; do report_args+=("$line"); done < "$case_dir/$variant.args"
runner=()
[ -n "${QUARVEL_RUNNER:-}" ] && runner=("$QUARVEL_RUNNER")
run_quarvel "$case_dir" "$quarvel" |
  "${runner[@]}" "$report" "${report_args[@]}" > actual.stdout 2> actual.stderr
status=${PIPESTATUS[1]}
[ ${#runner[@]} -gt 0 ] && sed -i 's/\r$//' actual.stderr

mask() { sed "s|$(pwd -P)/|<cwd>/|g" "$1"; }
ok=1
compare() { # expected file, actual file
  [ -n "${QUARVEL_REGENERATE:-}" ] && mask "$2" > "$1"
  if ! mask "$2" | cmp -s "$1" -; then
    echo "$(basename "$1") differs (expected, then actual):"
    mask "$2" | diff "$1" - | head -40
    ok=0
  fi
}
compare "$case_dir/$variant.stdout" actual.stdout
compare "$case_dir/$variant.stderr" actual.stderr
for expected in "$case_dir/$variant".out.*; do
  [ -e "$expected" ] || continue
  name=${expected##*/$variant.out.}
  if [ -f "$name" ]; then compare "$expected" "$name"; else echo "no file $name written"; ok=0; fi
done
[ -n "${QUARVEL_REGENERATE:-}" ] && echo "$status" > "$case_dir/$variant.status"
if [ "$status" != "$(cat "$case_dir/$variant.status")" ]; then
  echo "exit status $status, expected $(cat "$case_dir/$variant.status")"
  ok=0
fi
[ $ok -eq 1 ]
