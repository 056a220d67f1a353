#!/usr/bin/env bash
# The tree of a git repository: what git ignores at every level is left out, names of any
# bytes are taken, a folder named x.java is a folder, links are not followed unless asked and
# a loop is told once, and the files come in the order of their names' bytes.
#   tree.sh QUARVEL_SCAN
source "$(dirname "$0")/lib.sh" "$1"
git init -q repo && cd repo
write_source src/main/B.java
write_source src/main/A.java
write_source "src/with space/Quote'd \"name\".java"
write_source "src/K$(printf '\xc3\xb6')ln.java"
write_source src/x.java/Inner.java
write_source build/Generated.java            # ignored by the top .gitignore
write_source src/gen/Made.java               # ignored by src/.gitignore
write_source src/gen/Kept.java               # ... but not this one (a negation)
write_source src/local/Private.java          # ignored by .git/info/exclude
write_source src/Tracked.java                # ignored, but git tracks it
printf 'build/\n' > .gitignore
printf 'gen/*\n!gen/Kept.java\nTracked.java\n' > src/.gitignore
printf 'src/local/\n' >> .git/info/exclude
git add -A && git add -f src/Tracked.java && git commit -q -m one
printf 'not java\n' > src/Notes.txt
ln -s ../.. src/loop

run_scan --format gnu --fail-on none
expected="src/K$(printf '\xc3\xb6')ln.java:8: warning: Type in catch clause too general. [1005]
src/K$(printf '\xc3\xb6')ln.java:9: warning: Empty catch block. [1006]
src/Tracked.java:8: warning: Type in catch clause too general. [1005]
src/Tracked.java:9: warning: Empty catch block. [1006]
src/gen/Kept.java:8: warning: Type in catch clause too general. [1005]
src/gen/Kept.java:9: warning: Empty catch block. [1006]
src/main/A.java:8: warning: Type in catch clause too general. [1005]
src/main/A.java:9: warning: Empty catch block. [1006]
src/main/B.java:8: warning: Type in catch clause too general. [1005]
src/main/B.java:9: warning: Empty catch block. [1006]
src/with space/Quote'd \"name\".java:8: warning: Type in catch clause too general. [1005]
src/with space/Quote'd \"name\".java:9: warning: Empty catch block. [1006]
src/x.java/Inner.java:8: warning: Type in catch clause too general. [1005]
src/x.java/Inner.java:9: warning: Empty catch block. [1006]"
expect_output "the repository" 0 "$expected"

# The summary counts what was left out.
run_scan --format summary --fail-on none
expect_eq "summary: files" "7 files analysed, 3 ignored by git" "$(tail -n 1 out)"

# A path inside the tree, and a file named whatever git says.
run_scan --format gnu --fail-on none src/main build/Generated.java
expect_eq "named paths" "build/Generated.java:8: warning: Type in catch clause too general. [1005]
build/Generated.java:9: warning: Empty catch block. [1006]
src/main/A.java:8: warning: Type in catch clause too general. [1005]
src/main/A.java:9: warning: Empty catch block. [1006]
src/main/B.java:8: warning: Type in catch clause too general. [1005]
src/main/B.java:9: warning: Empty catch block. [1006]" "$(cat out)"

# --no-ignore takes what git ignores too.
run_scan --format gnu --fail-on none --no-ignore
expect_eq "--no-ignore: files" 10 "$(cut -d: -f1 out | sort -u | wc -l)"

# Links: left alone by default; followed, the loop back up is told once and the rest goes on.
run_scan --format gnu --fail-on none --follow src
expect_eq "--follow: status" 1 "$status"
expect_eq "--follow: the loop" "quarvel-scan: src/loop/repo/src: could not be analysed: file system loop: leads back to 'src'" "$(cat err)"
expect_eq "--follow: the files through the link" 7 "$(cut -d: -f1 out | sort -u | grep -c '')"

# Outside a git repository nothing is ignored.
cd "$work" && mkdir plain && cp -r repo/build repo/src plain/ && rm -f plain/src/loop && cd plain
run_scan --format gnu --fail-on none
expect_eq "outside git: files" 10 "$(cut -d: -f1 out | sort -u | wc -l)"
finish
