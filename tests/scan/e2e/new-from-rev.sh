#!/usr/bin/env bash
# New code only: the defects on lines added or changed since a revision (the working tree
# against it, staged or not), renamed files under their new names, untracked files whole.
#   new-from-rev.sh QUARVEL_SCAN
source "$(dirname "$0")/lib.sh" "$1"
git init -q repo && cd repo
write_source Old.java
write_source Moved.java
commit_all one
# A changed line and an added one in Old.java, a rename with a change, a new untracked file.
sed -i 's|} catch (final Exception e) {|} catch (final Throwable e) {|' Old.java
printf '    void g() { if (ready); }\n' > extra && sed -i '4r extra' Old.java && rm extra
git mv Moved.java Renamed.java
sed -i 's|^class Source {$|class Source {\n    void h() { while (busy()); }|' Renamed.java
write_source Untracked.java
git add Old.java

run_scan --new-from-rev HEAD --format gnu
expect_output "new lines since HEAD" 3 "Old.java:5: error: if statement with empty body. [1016]
Old.java:9: warning: Type in catch clause too general. [1005]
Renamed.java:5: error: while statement with empty body. [1017]
Untracked.java:8: warning: Type in catch clause too general. [1005]
Untracked.java:9: warning: Empty catch block. [1006]"

run_scan --new-from-rev HEAD --format summary
expect_eq "summary: not new" \
  "5 new defects: 2 errors, 3 warnings, 0 notes (3 on lines not new)" \
  "$(tail -n 2 out | head -n 1)"

# Nothing new since the working tree's own state.
commit_all two
run_scan --new-from-rev HEAD --format gnu
expect_output "nothing new since the last commit" 0 ""

# Errors: an unknown revision, outside a repository.
run_scan --new-from-rev no-such-branch --format gnu
expect_eq "an unknown revision: status" 2 "$status"
expect_eq "an unknown revision: message" "quarvel-scan: unknown revision 'no-such-branch'" \
  "$(sed 's/ (.*//' err)"
cd "$work" && mkdir plain && write_source plain/A.java && cd plain
run_scan --new-from-rev HEAD --format gnu
expect_eq "outside a repository: status" 2 "$status"
expect_eq "outside a repository: message" "quarvel-scan: not inside a git work tree: ." \
  "$(sed 's/ (.*//' err)"
finish
