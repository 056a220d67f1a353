# Helpers for quarvel-report's scripted end-to-end tests: each runs the built programs as a
# user would, in a fresh folder, and checks the whole standard error, the exit status and the
# files left behind.
#   source lib.sh QUARVEL QUARVEL_REPORT
# Then $quarvel and $report are the programs; expect_eq, fail and finish as in tests/e2e.
source "$(dirname "${BASH_SOURCE[0]}")/../../e2e/lib.sh" "$2"
report=$program
quarvel=$(realpath "$1")

# The output of a run with a few defects, in run.txt.
make_run() {
  printf 'class A {\n\tint x;\n}\n' > A.java
  "$quarvel" -files A.java > run.txt
}

expect_same_file() { # WHAT EXPECTED_FILE ACTUAL_FILE
  if ! cmp -s "$2" "$3"; then
    fail "$1: $3 differs from $2"
  fi
}

# The names in the current folder, one a line, hidden ones too.
names_here() {
  ls -A | sort
}
