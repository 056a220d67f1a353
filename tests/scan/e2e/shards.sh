#!/usr/bin/env bash
# Past one machine: three shards, each a stable share of the files, combined with --merge,
# give what one unsharded run gives, in every form, with a baseline too.
#   shards.sh QUARVEL_SCAN SOURCE_FOLDER
source "$(dirname "$0")/lib.sh" "$1"
cp -r "$2/tests/rules" tree && cd tree

run_scan --format gnu --fail-on none
cp out whole.gnu
[ "$(grep -c '' whole.gnu)" -gt 500 ] || fail "too few defects to share: $(grep -c '' whole.gnu)"
run_scan --format sarif --fail-on none
cp out whole.sarif
for k in 1 2 3; do
  CI_NODE_INDEX=$k CI_NODE_TOTAL=3 "$scan" --format shard --output shard$k.txt --fail-on none
  expect_eq "shard $k: status" 0 "$?"
done
# Each shard took some files, and together all of them once.
for k in 1 2 3; do
  [ "$(grep -c '^N' shard$k.txt)" -gt 0 ] || fail "shard $k took no file"
done
expect_eq "the shards' files" "$(ls ./*.java | wc -l)" "$(cat shard?.txt | grep -c '^N')"

run_scan --merge shard3.txt shard1.txt shard2.txt --format gnu --fail-on none
expect_eq "merged: status" 0 "$status"
cmp -s out whole.gnu || fail "merged gnu differs from the whole run's"
run_scan --merge shard1.txt shard2.txt shard3.txt --format sarif --fail-on none
cmp -s out whole.sarif || fail "merged SARIF differs from the whole run's"
run_scan --merge shard1.txt shard2.txt shard3.txt --format gnu
expect_eq "merged: the gate" 3 "$status"

# A baseline: each shard compares its share; the combined counts are the whole run's.
"$scan" --write-baseline base.txt --format gnu > /dev/null
sed -i '0,/^  1006 /{/^  1006 /d}' base.txt # one recorded defect less: one new
run_scan --baseline base.txt --format summary --fail-on none
whole_summary=$(tail -n 2 out)
for k in 1 2 3; do
  "$scan" --shard $k/3 --baseline base.txt --format shard --output shard$k.txt --fail-on none
done
run_scan --merge shard1.txt shard2.txt shard3.txt --format summary --fail-on none
expect_eq "merged with a baseline" "$whole_summary" "$(tail -n 2 out)"

# Shards that do not make a whole are refused.
run_scan --merge shard1.txt shard2.txt --format gnu
expect_output "a shard missing" 2 "" \
  "quarvel-scan: only 2 of the 3 shards are given: the combined report would lack the others"
head -n 3 shard1.txt > cut.txt
run_scan --merge cut.txt shard2.txt shard3.txt --format gnu
expect_eq "a cut shard report: status" 2 "$status"
finish
