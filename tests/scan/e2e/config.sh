#!/usr/bin/env bash
# quarvel.toml: rules off, levels, rules off by path, excludes; every error rejected with its
# file and line, status 2, before anything is analysed.
#   config.sh QUARVEL_SCAN
source "$(dirname "$0")/lib.sh" "$1"
mkdir tree && cd tree
write_source src/main/A.java
write_source src/test/T.java
write_source src/generated/G.java
cat > quarvel.toml <<'TOML'
exclude = ["**/generated/**"]
[rules]
1005 = "error"
[[paths]]
glob = "src/test/**"
off = [1006]
TOML
run_scan --format gnu
expect_output "quarvel.toml applied" 3 "src/main/A.java:8: error: Type in catch clause too general. [1005]
src/main/A.java:9: warning: Empty catch block. [1006]
src/test/T.java:8: error: Type in catch clause too general. [1005]"

# Found from a folder below, with paths relative to its own folder.
cd src && run_scan --format gnu . && cd ..
expect_eq "from a folder below" "main/A.java:8: error: Type in catch clause too general. [1005]
main/A.java:9: warning: Empty catch block. [1006]
test/T.java:8: error: Type in catch clause too general. [1005]" "$(cat src/out)"

# The command line adds its own globs; --no-config reads none; quarvel's -config format too.
run_scan --format gnu --exclude 'src/test/'
expect_eq "--exclude" "src/main/A.java" "$(cut -d: -f1 out | sort -u)"
run_scan --format gnu --no-config --include '**/G.java'
expect_eq "--no-config --include" "src/generated/G.java" "$(cut -d: -f1 out | sort -u)"
printf 'disable(1005)\n' > rules.cfg
run_scan --format gnu --quarvel-config rules.cfg
expect_eq "--quarvel-config" "src/main/A.java:9: warning: Empty catch block. [1006]" "$(cat out)"
printf 'disable(abc)\n' > rules.cfg
run_scan --format gnu --quarvel-config rules.cfg
expect_eq "a bad --quarvel-config: status" 2 "$status"

# Each mistake, with its place.
check_rejected() { # WHAT TOML MESSAGE
  printf '%s\n' "$2" > quarvel.toml
  run_scan --format gnu
  expect_output "rejected: $1" 2 "" "quarvel-scan: $3"
}
check_rejected "an unknown key" 'exclude = []
colour = "red"' "quarvel.toml:2:1: unknown key 'colour': the keys are include, exclude, baseline, [rules] and [[paths]]"
check_rejected "a rule that does not exist" '[rules]
10222 = "off"' "quarvel.toml:2:1: rule 10222 does not exist: rules are numbered 1000 to 1041"
check_rejected "a bad level" '[rules]
1022 = "loud"' "quarvel.toml:2:8: 'loud' is not a level: write \"off\", \"error\", \"warning\" or \"note\""
check_rejected "a bad glob" 'exclude = ["src/[a"]' "quarvel.toml:1:12: bad glob 'src/[a': the '[' at byte 5 is never closed (write '\\[' for a literal '[')"
check_rejected "a syntax error" '[rules
1022 = "off"' "quarvel.toml:1:7: Error while parsing table header: expected ']', saw '\\n'"
rm quarvel.toml

# The command line's own mistakes: status 2 and a hint.
run_scan --format nope
expect_output "an unknown format" 2 "" "quarvel-scan: unknown format 'nope' (formats: text, sarif, checkstyle, codeclimate, gnu, github, summary, shard)
Run \"quarvel-scan --help\" to see how it is used."
run_scan --format gnu --format summary
expect_eq "two reports on standard output" 2 "$status"
run_scan --shard 4/3
expect_eq "a shard past the count" 2 "$status"
run_scan --exclude 'a\'
expect_output "a bad glob on the command line" 2 "" "quarvel-scan: bad glob 'a\\': it ends in a backslash, which escapes nothing"
finish
