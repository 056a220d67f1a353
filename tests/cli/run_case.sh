#!/usr/bin/env bash
# Runs the program as a user would, in a fresh folder holding the case's input files, and
# compares its whole standard output (banner removed, time masked) and its exit status.
#   run_case.sh PROGRAM CASE_DIR
# For the Windows build under Wine, QUARVEL_RUNNER=wine runs the program through Wine: the
# console's CR LF line ends are compared as LF, the working directory is masked in its
# Windows form, and a case's "stdout.windows" replaces "stdout" where the two must differ
# (the system's error texts).
# QUARVEL_REGENERATE=1 writes what the program gave into the case's "stdout" and "status"
# instead of comparing (tools/regenerate-expected.sh; "stdout.windows" is never rewritten).
set -u
program=$1
case_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for f in "$case_dir"/*; do
  name=$(basename "$f")
  case "$name" in args | stdout | stdout.windows | status | stdin) ;; *) cp -R "$f" "$work/" ;; esac
done

args=()
if [ -f "$case_dir/args" ]; then
  while IFS= read -r line || [ -n "$line" ]; do args+=("$line"); done < "$case_dir/args"
fi

runner=()
expected_stdout=$case_dir/stdout
if [ -n "${QUARVEL_RUNNER:-}" ]; then
  runner=("$QUARVEL_RUNNER")
  [ -f "$case_dir/stdout.windows" ] && expected_stdout=$case_dir/stdout.windows
fi

cd "$work"
[ -n "${QUARVEL_RUNNER:-}" ] && cwd_pattern='[A-Z]:\\.*\\' || cwd_pattern="$(pwd -P)/"
if [ -f "$case_dir/stdin" ] && [ "$(cat "$case_dir/stdin")" = "closed" ]; then
  "${runner[@]}" "$program" "${args[@]}" > actual.raw <&- 2> actual.err
else
  "${runner[@]}" "$program" "${args[@]}" > actual.raw < /dev/null 2> actual.err
fi
status=$?
if [ -n "${QUARVEL_RUNNER:-}" ]; then
  sed 's/\r$//' actual.raw > actual.out # the console's line ends
else
  mv actual.raw actual.out
fi

# The banner is the first two lines whenever the program got arguments.
banner_lines=2
[ ${#args[@]} -eq 0 ] && banner_lines=0
tail -n +$((banner_lines + 1)) actual.out |
  sed -E -e 's/^Total time: [0-9.e+-]+ seconds$/Total time: <time> seconds/' \
    -e "s|^Current Working Directory: $cwd_pattern\$|Current Working Directory: <cwd>|" > actual.masked

if [ -n "${QUARVEL_REGENERATE:-}" ] && [ -z "${QUARVEL_RUNNER:-}" ]; then
  cp actual.masked "$expected_stdout"
  echo "$status" > "$case_dir/status"
fi
expected_status=$(cat "$case_dir/status")
ok=1
if ! cmp -s actual.masked "$expected_stdout"; then
  echo "standard output differs (expected, then actual):"
  diff "$expected_stdout" actual.masked
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
