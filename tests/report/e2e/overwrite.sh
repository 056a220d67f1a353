#!/usr/bin/env bash
# A report never destroys its input, and a conversion that fails leaves an older report as
# it was: the report goes to a file beside the target, renamed over it at the end.
#   overwrite.sh QUARVEL QUARVEL_REPORT
source "$(dirname "$0")/lib.sh" "$1" "$2"
make_run
cp run.txt run.saved
"$report" run.txt > expected.gnu
ln -s run.txt link.txt
ln run.txt hard.txt

# The output is the input: under its own name, through a symbolic link, under another name
# of the same file (a hard link), or the input comes on standard input.
refused() { # OUTPUT INPUT_NAME [ARGUMENTS...]; without arguments run.txt is standard input
  local output=$1 input_name=$2 status
  shift 2
  if [ $# -eq 0 ]; then
    "$report" --output "$output" < run.txt 2> err
  else
    "$report" --output "$output" "$@" 2> err
  fi
  status=$?
  expect_eq "status writing $output over $input_name" 2 "$status"
  expect_eq "message writing $output over $input_name" \
    "quarvel-report: cannot write the report to $output: it is the same file as the input, $input_name" \
    "$(cat err)"
  expect_same_file "input after writing $output over $input_name" run.saved run.txt
}
refused run.txt run.txt run.txt
refused ./run.txt run.txt run.txt
refused link.txt run.txt run.txt
refused hard.txt run.txt run.txt
refused run.txt link.txt link.txt
refused hard.txt link.txt --format sarif link.txt
refused run.txt "standard input"
refused link.txt "standard input"
# Standard output appended to the input file.
"$report" run.txt >> run.txt 2> err
expect_eq "status appending to the input" 2 "$?"
expect_eq "message appending to the input" \
  "quarvel-report: cannot write the report to standard output: it is the same file as the input, run.txt" \
  "$(cat err)"
expect_same_file "input after appending to it" run.saved run.txt
expect_eq "files after the refusals" "A.java
err
expected.gnu
hard.txt
link.txt
run.saved
run.txt" "$(names_here)"

# A conversion that fails leaves the older report; none is made where there was none.
mkdir folder
printf 'Quarterly report\n================\n' > quarterly.txt
old_report_kept() { # WHAT EXPECTED_MESSAGE COMMAND...
  local what=$1 message=$2
  shift 2
  printf 'older report\n' > report.txt
  "$@" --output report.txt 2> err
  expect_eq "status with $what" 1 "$?"
  expect_eq "message with $what" "$message" "$(cat err)"
  expect_eq "older report with $what" "older report" "$(cat report.txt)"
  rm report.txt
  "$@" --output new.txt 2> /dev/null
  [ -e new.txt ] && fail "a report was made with $what"
  expect_eq "files after $what" "A.java
err
expected.gnu
folder
hard.txt
link.txt
quarterly.txt
run.saved
run.txt" "$(names_here)"
}
old_report_kept "an input that is missing" \
  "quarvel-report: cannot read missing.txt: No such file or directory" \
  "$report" missing.txt
old_report_kept "an input that is a folder" \
  "quarvel-report: cannot read folder: Is a directory" \
  "$report" folder
old_report_kept "a folder as standard input" \
  "quarvel-report: cannot read standard input: Is a directory" \
  bash -c '"$0" "$@" < folder' "$report"
old_report_kept "an input that fails when read" \
  "quarvel-report: cannot read /proc/self/mem: Input/output error" \
  "$report" /proc/self/mem
old_report_kept "a text that is no run" \
  "quarvel-report: The input is not the output of a quarvel run: it does not begin with quarvel's banner." \
  "$report" --format sarif quarterly.txt
old_report_kept "an empty input" \
  "quarvel-report: The input is not the output of a quarvel run: the input is empty." \
  "$report" /dev/null
old_report_kept "a run with text added after it" \
  "quarvel-report: The input is not the output of a quarvel run: text follows the summary, at line 10." \
  bash -c '{ cat run.txt; printf "\n\n"; } | "$0" "$@"' "$report"

# A run that failed or was cut off still gives its report, in place of the older one.
printf 'older report\n' > report.txt
"$quarvel" -files A.java Missing.java > failed.txt
"$report" --output report.txt failed.txt 2> err
expect_eq "status with a failed run" 1 "$?"
expect_eq "first line of the message with a failed run" \
  "quarvel-report: The quarvel run failed with this message:" "$(head -n 1 err)"
expect_same_file "report of a failed run" expected.gnu report.txt
# Cut in the middle of the second defect line.
head -c "$(($(head -n 4 run.txt | wc -c) + 20))" run.txt | "$report" --output report.txt 2> err
expect_eq "status with a run cut off" 1 "$?"
expect_eq "message with a run cut off" \
  "quarvel-report: The quarvel run did not finish (the program crashed or was stopped): its last defect line is cut short." \
  "$(cat err)"
expect_eq "report of a run cut off" "A.java:2: warning: Tab found. Prefer space when indenting source code. [1020]" \
  "$(cat report.txt)"

# A run that ended normally replaces the older report, and keeps its permission bits.
printf 'older report\n' > report.txt
chmod 640 report.txt
"$report" --output report.txt run.txt 2> err
expect_eq "status with a run" 0 "$?"
expect_eq "message with a run" "" "$(cat err)"
expect_same_file "report of a run" expected.gnu report.txt
expect_eq "permissions of the report" "640" "$(stat -c %a report.txt)"
"$report" --output link.txt --format sarif failed.txt 2> /dev/null
[ -L link.txt ] || fail "the symbolic link was replaced by a file"
expect_eq "files at the end" "A.java
err
expected.gnu
failed.txt
folder
hard.txt
link.txt
quarterly.txt
report.txt
run.saved
run.txt" "$(names_here)"
finish
