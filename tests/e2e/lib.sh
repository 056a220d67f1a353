# Helpers for the scripted end-to-end tests: each test runs the program as a user would, in a
# fresh folder, and checks its whole standard output, standard error and exit status.
#   source lib.sh PROGRAM   (then: run ARGS...; expect_status N; expect_stdout TEXT; ...)
set -u
program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Standard output after the two banner lines, the working directory and the time masked.
masked_stdout() {
  tail -n +3 out | sed -E -e 's/^Total time: [0-9.e+-]+ seconds$/Total time: <time> seconds/' \
    -e "s|^Current Working Directory: $(pwd -P)/\$|Current Working Directory: <cwd>|"
}

expect_eq() { # WHAT EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    fail "$1: expected"
    printf '%s\n' "$2" | sed 's/^/    /'
    echo "  actual"
    printf '%s\n' "$3" | sed 's/^/    /'
  fi
}

finish() {
  [ "$failures" -eq 0 ] && echo "all passed"
  [ "$failures" -eq 0 ]
}
