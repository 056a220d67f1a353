# Helpers for quarvel-scan's end-to-end tests: each runs the program as a user would, in a
# fresh folder (often a fresh git repository), and checks its whole output and exit status.
#   source lib.sh QUARVEL_SCAN [QUARVEL]
source "$(dirname "${BASH_SOURCE[0]}")/../../e2e/lib.sh" "$1"
scan=$program
quarvel=${2:+$(realpath "$2")}
# git as in a fresh account: no user configuration leaks in.
export HOME=$work/home GIT_CONFIG_NOSYSTEM=1 XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"
git config --global user.email test@example.invalid
git config --global user.name Test
git config --global init.defaultBranch main
unset GITHUB_STEP_SUMMARY CI_NODE_INDEX CI_NODE_TOTAL NO_COLOR

# Runs quarvel-scan: standard output in out, standard error in err, the status in status.
run_scan() {
  "$scan" "$@" > out 2> err
  status=$?
}

expect_output() { # WHAT STATUS STDOUT [STDERR]
  expect_eq "$1: status" "$2" "$status"
  expect_eq "$1: standard output" "$3" "$(cat out)"
  expect_eq "$1: standard error" "${4:-}" "$(cat err)"
}

commit_all() { # MESSAGE
  git add -A && git commit -q -m "$1"
}

# A Java source with one defect of each of a few rules, at known lines.
write_source() { # FILE [CLASS]
  mkdir -p "$(dirname "$1")"
  cat > "$1" <<JAVA
/** @author a */
package p;

class ${2:-Source} {
    void f(final String s) {
        try {
            run();
        } catch (final Exception e) {
        }
    }
}
JAVA
}
