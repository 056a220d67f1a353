#!/usr/bin/env bash
# Runs the program as a user would, in a fresh folder holding the case's input files, and
# compares its whole standard output (banner removed, time masked) and its exit status.
#   run_case.sh PROGRAM CASE_DIR
set -u
program=$1
case_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for f in "$case_dir"/*; do
  name=$(basename "$f")
  case "$name" in args | stdout | status | stdin) ;; *) cp -R "$f" "$work/" ;; esac
done

args=()
if [ -f "$case_dir/args" ]; then
  while IFS= read -r line || [ -n "$line" ]; do args+=("$line"); done < "$case_dir/args"
fi

cd "$work"
if [ -f "$case_dir/stdin" ] && [ "$(cat "$case_dir/stdin")" = "closed" ]; then
  "$program" "${args[@]}" > actual.out <&-
else
  "$program" "${args[@]}" > actual.out < /dev/null
fi
status=$?

# The banner is the first two lines whenever the program got arguments.
banner_lines=2
[ ${#args[@]} -eq 0 ] && banner_lines=0
tail -n +$((banner_lines + 1)) actual.out |
  sed -E -e 's/^Total time: [0-9.e+-]+ seconds$/Total time: <time> seconds/' \
    -e "s|^Current Working Directory: $(pwd -P)/\$|Current Working Directory: <cwd>|" > actual.masked

expected_status=$(cat "$case_dir/status")
ok=1
if ! cmp -s actual.masked "$case_dir/stdout"; then
  echo "standard output differs (expected, then actual):"
  diff "$case_dir/stdout" actual.masked
  ok=0
fi
if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status"
  ok=0
fi
if [ $ok -eq 1 ] && [ $banner_lines -eq 2 ]; then
  if ! head -n 1 actual.out | grep -q '^Quarvel v1\.22\. '; then
    echo "banner missing: $(head -n 1 actual.out)"
    ok=0
  fi
fi
[ $ok -eq 1 ]
