#!/usr/bin/env bash
# An input that never ends but is no run from its first line on is refused at once, not read
# for ever: /dev/zero, `yes`, a first line longer than any banner.
#   endless-input.sh QUARVEL QUARVEL_REPORT
source "$(dirname "$0")/lib.sh" "$1" "$2"
not_a_run='quarvel-report: The input is not the output of a quarvel run'
# A hang shows as status 124 of timeout rather than as CTest's own time limit.
limit=(timeout 60)

"${limit[@]}" "$report" /dev/zero > out 2> err
expect_eq "status reading /dev/zero" 1 "$?"
expect_eq "message reading /dev/zero" "$not_a_run: it does not begin with quarvel's banner." \
  "$(cat err)"
expect_eq "report of /dev/zero" "" "$(cat out)"

"${limit[@]}" "$report" --format sarif < /dev/zero > out 2> err
expect_eq "status reading /dev/zero as standard input" 1 "$?"
expect_eq "message reading /dev/zero as standard input" \
  "$not_a_run: it does not begin with quarvel's banner." "$(cat err)"
grep -q '"executionSuccessful": false' out || fail "the SARIF report of /dev/zero tells no failure"

yes | "${limit[@]}" "$report" > out 2> err
expect_eq "status reading yes" 1 "${PIPESTATUS[1]}"
expect_eq "message reading yes" "$not_a_run: it does not begin with quarvel's banner." \
  "$(cat err)"

# The banner's start, then no line feed ever.
{ printf 'Quarvel v1.22. '; tr '\0' x < /dev/zero; } | "${limit[@]}" "$report" > out 2> err
expect_eq "status reading an endless first line" 1 "${PIPESTATUS[1]}"
expect_eq "message reading an endless first line" \
  "$not_a_run: its first line is not quarvel's banner." "$(cat err)"

# quarvel started without arguments prints a hint; here it never ends either.
{ printf 'This is a command line program. '; yes; } | "${limit[@]}" "$report" > out 2> err
expect_eq "status reading an endless hint" 1 "${PIPESTATUS[1]}"
expect_eq "message reading an endless hint" \
  "$not_a_run: quarvel was started without arguments and printed its hint." "$(cat err)"
finish
