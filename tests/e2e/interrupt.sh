#!/usr/bin/env bash
# An interrupted run leaves whole lines, into a file and into a pipe whose reader is slow,
# and ends with the conventional status: 130 after SIGINT, 143 after SIGTERM.
#   interrupt.sh PROGRAM
source "$(dirname "$0")/lib.sh" "$1"
set -m # background jobs get their own process group and keep SIGINT
python3 -c "import sys; sys.stdout.write('\t x\n' * 4194304)" > Big.java # 16 MB: the run outlasts the delays

# Every line after the banner is a defect line, and the output ends with a line feed.
check_whole_lines() { # WHAT FILE
  if [ -s "$2" ] && [ "$(tail -c 1 "$2" | od -An -c | tr -d ' ')" != '\n' ]; then
    fail "$1: the output ends in the middle of a line: $(tail -c 60 "$2" | cat -A)"
  fi
  local bad
  bad=$(tail -n +4 "$2" | grep -c -v -E '^Big\.java:[0-9]+ Rule\(10(07|20)\) ')
  [ "$bad" -eq 0 ] || fail "$1: $bad lines are not whole defect lines"
}

for signal in INT TERM; do
  expected=$([ $signal = INT ] && echo 130 || echo 143)
  for delay in 0.05 0.2 0.4; do
    "$program" -files Big.java > out.txt 2> err &
    pid=$!
    sleep "$delay"
    kill -s $signal $pid
    wait $pid
    expect_eq "status after SIG$signal into a file" "$expected" "$?"
    check_whole_lines "SIG$signal after $delay s into a file" out.txt

    rm -f pipe && mkfifo pipe
    python3 -c '
import sys, time
while True:
    block = sys.stdin.buffer.read(1000)
    if not block:
        break
    sys.stdout.buffer.write(block)
    time.sleep(0.0005)' < pipe > piped.txt &
    reader=$!
    "$program" -files Big.java > pipe 2> err &
    pid=$!
    sleep "$delay"
    kill -s $signal $pid
    wait $pid
    expect_eq "status after SIG$signal into a slow pipe" "$expected" "$?"
    wait $reader
    check_whole_lines "SIG$signal after $delay s into a slow pipe" piped.txt
  done
done
finish
