#!/usr/bin/env bash
# Texts that state how many rules there are, or the last rule's number, state today's: a
# number written by hand goes stale when a rule is added (the manual pages and the package
# description take theirs from the build, and say @QUARVEL_RULE_COUNT@ in their sources).
#   stated_rule_count.sh COUNT LAST_RULE FILE...
set -u
count=$1
last=$2
shift 2
status=0
for file in "$@"; do
  while IFS=: read -r line text; do
    for stated in $(grep -oE '[0-9]+ (numbered (coding )?)?rules' <<< "$text" | grep -oE '^[0-9]+'); do
      if [ "$stated" != "$count" ]; then
        echo "$file:$line says $stated rules, there are $count: $text"
        status=1
      fi
    done
    for stated in $(grep -oE '1000 to [0-9]+' <<< "$text" | grep -oE '[0-9]+$'); do
      if [ "$stated" != "$last" ]; then
        echo "$file:$line says the rules end at $stated, the last is $last: $text"
        status=1
      fi
    done
  done < <(grep -nE '[0-9]+ (numbered (coding )?)?rules|1000 to [0-9]+' "$file")
done
[ $status -eq 0 ] && echo "no stale rule count in $# files"
exit $status
