#!/usr/bin/env bash
# An interrupted run leaves whole lines, into a file, into a pipe whose reader is slow and into
# one whose reader stopped reading, and ends with the conventional status: 130 after SIGINT,
# 143 after SIGTERM, 129 after SIGHUP, 131 after SIGQUIT.
#   interrupt.sh PROGRAM
source "$(dirname "$0")/lib.sh" "$1"
set -m # background jobs get their own process group and keep SIGINT
python3 -c "import sys; sys.stdout.write('\t x\n' * 4194304)" > Big.java # 16 MB: the run outlasts the delays

# Every line after the banner is a defect line (by default one of Big.java), and the output
# ends with a line feed.
check_whole_lines() { # WHAT FILE [LINE_PATTERN]
  local pattern=${3:-'^Big\.java:[0-9]+ Rule\(10(07|20)\) '}
  if [ -s "$2" ] && [ "$(tail -c 1 "$2" | od -An -c | tr -d ' ')" != '\n' ]; then
    fail "$1: the output ends in the middle of a line: $(tail -c 60 "$2" | cat -A)"
  fi
  local bad
  bad=$(tail -n +4 "$2" | grep -c -v -E "$pattern")
  [ "$bad" -eq 0 ] || fail "$1: $bad lines are not whole defect lines"
}

# Reads a pipe slowly into a file: a thousand bytes every half millisecond.
slow_reader() { # PIPE FILE
  python3 -c '
import sys, time
while True:
    block = sys.stdin.buffer.read(1000)
    if not block:
        break
    sys.stdout.buffer.write(block)
    time.sleep(0.0005)' < "$1" > "$2"
}

status_after() { # SIGNAL
  case $1 in INT) echo 130 ;; TERM) echo 143 ;; HUP) echo 129 ;; QUIT) echo 131 ;; esac
}

for signal in INT TERM HUP QUIT; do
  expected=$(status_after $signal)
  for delay in 0.05 0.2 0.4; do
    "$program" -files Big.java > out.txt 2> err &
    pid=$!
    sleep "$delay"
    kill -s $signal $pid
    wait $pid
    expect_eq "status after SIG$signal into a file" "$expected" "$?"
    check_whole_lines "SIG$signal after $delay s into a file" out.txt

    rm -f pipe && mkfifo pipe
    slow_reader pipe piped.txt &
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

# A reader that stops reading: the write that waits for it is interrupted, and the run ends at
# once (it waited until the reader went away, then ended with 141).
for signal in TERM INT HUP QUIT; do
  rm -f pipe && mkfifo pipe
  exec 3<> pipe # open for reading, never read
  "$program" -files Big.java > pipe 2> err &
  pid=$!
  # Until the run waits in a write for the reader (at most 30 s: a loaded machine, or a
  # sanitizer, slows the analysis that fills the pipe).
  for _ in $(seq 600); do
    cat /proc/$pid/task/*/wchan 2> /dev/null | grep -q pipe_write && break
    sleep 0.05
  done
  cat /proc/$pid/task/*/wchan 2> /dev/null | grep -q pipe_write || fail "SIG$signal: the run never waited for the reader"
  start=$(date +%s.%N)
  kill -s $signal $pid
  for _ in $(seq 100); do kill -0 $pid 2> /dev/null || break; sleep 0.05; done
  if kill -0 $pid 2> /dev/null; then
    fail "SIG$signal into a stalled pipe: still running after 5 s"
    kill -9 $pid
  fi
  wait $pid
  status=$?
  echo "SIG$signal into a stalled pipe: ended after $(echo "$(date +%s.%N) - $start" | bc) s"
  expect_eq "status after SIG$signal into a stalled pipe" "$(status_after $signal)" "$status"
  timeout 1 cat <&3 > stalled.txt
  exec 3<&-
  check_whole_lines "SIG$signal into a stalled pipe" stalled.txt
done
# Lines longer than a pipe takes in one piece (PIPE_BUF): a javadoc tag of 6,000 bytes, which
# rule 1024 names in its message. Such a line goes into the pipe in parts as the reader makes
# room; a signal that comes in between lets the line be finished before the run ends, where
# the signal's default action would leave it cut (with the same status).
python3 -c "import sys; sys.stdout.write('/**\n' + (' * @' + 't' * 6000 + '\n') * 3000 + ' */\n')" > Tags.java
tag_line='^Tags\.java:[0-9]+ Rule\(10(24|35|37)\) '
for signal in TERM INT HUP QUIT; do
  for written in 100000 1000000; do
    rm -f pipe tags.txt && mkfifo pipe
    slow_reader pipe tags.txt &
    reader=$!
    "$program" -files Tags.java > pipe 2> err &
    pid=$!
    # Until that much has been read (at most 10 s): the run is then writing long lines.
    for _ in $(seq 200); do
      [ "$(stat -c %s tags.txt 2> /dev/null || echo 0)" -ge $written ] && break
      sleep 0.05
    done
    kill -s $signal $pid
    wait $pid
    status=$?
    expect_eq "status after SIG$signal, long lines into a slow pipe" "$(status_after $signal)" \
      "$status"
    wait $reader
    [ "$(stat -c %s tags.txt)" -ge $written ] || fail "SIG$signal: less than $written bytes written"
    check_whole_lines "SIG$signal after $written bytes, long lines into a slow pipe" tags.txt \
      "$tag_line"
  done
done
finish
