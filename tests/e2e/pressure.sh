#!/usr/bin/env bash
# The parallel run keeps its promises under pressure: a reader that stops reading, a limit on
# threads, a long project file under a limit on memory, a failure followed by a huge file.
#   pressure.sh PROGRAM
source "$(dirname "$0")/lib.sh" "$1"
if [ "$(nproc)" -lt 2 ]; then
  echo "one processor only: the run has one worker, nothing to test"
  exit 0
fi
python3 -c "import sys; sys.stdout.write('\t x\n' * 4194304)" > Tabs.java # 16 MB, 8 million defects
printf '/** @author a */\npackage p;\nclass Small {}\n' > Small.java

# A reader that stops reading: the file being printed holds at most a few hundred kilobytes
# of its lines, so the run's memory stays near what one worker takes (86 MB; without the
# limit it grew to 800 MB while the reader slept).
peak=$(python3 - "$program" <<'PY'
import subprocess, sys, time
run = subprocess.Popen([sys.argv[1], '-files', 'Tabs.java', 'Small.java'],
                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
peak = 0
deadline = time.monotonic() + 4
while time.monotonic() < deadline:  # the reader sleeps; the workers run as far as they may
    with open(f'/proc/{run.pid}/status') as status:
        for line in status:
            if line.startswith('VmHWM:'):
                peak = max(peak, int(line.split()[1]))
    time.sleep(0.1)
run.stdout.read()
run.wait()
print(peak // 1024)
PY
)
echo "peak with a reader that sleeps: $peak MB"
[ "$peak" -lt 200 ] || fail "a reader that sleeps: $peak MB held (at most 200 expected)"

# A processor quota of the run's own control group (cgroup v1 here, where the machine lets
# the test make one): half a processor is one worker, the calling thread alone, and one and a
# half is two. The threads are counted while the run waits for a reader that does not read
# yet: the calling thread and the worker of the long file (the other one has ended).
threads_of_a_stalled_run() {
  mkfifo stalled && exec 3<> stalled && rm -f stalled
  "$program" -files Tabs.java Small.java > /proc/self/fd/3 2> /dev/null &
  local pid=$!
  for _ in $(seq 100); do
    grep -q pipe_write /proc/$pid/wchan 2> /dev/null && break
    sleep 0.05
  done
  ls /proc/$pid/task | wc -l
  kill -9 $pid && wait $pid 2> /dev/null
  exec 3<&-
}
in_group() { # QUOTA
  echo "$1" > "$group/cpu.cfs_quota_us" && echo 100000 > "$group/cpu.cfs_period_us" &&
    echo $BASHPID > "$group/cgroup.procs" && threads_of_a_stalled_run
}
group=/sys/fs/cgroup/cpu/quarvel-test-$$
if [ -w /sys/fs/cgroup/cpu ] && mkdir "$group" 2> /dev/null; then
  expect_eq "threads without a quota" 2 "$(threads_of_a_stalled_run)"
  expect_eq "threads under a quota of half a processor" 1 "$(in_group 50000)"
  expect_eq "threads under a quota of one and a half processors" 2 "$(in_group 150000)"
  rmdir "$group"
else
  echo "no control group can be made here: the quota is not tried"
fi

# A limit on threads: the run goes on with fewer workers, down to the calling thread alone,
# and prints what one worker prints. Root is not held to the limit, so the run is started as
# nobody.
taskset -c 0 "$program" -files Small.java Tabs.java Small.java > one.out 2> one.err
if [ "$(id -u)" = 0 ] && command -v setpriv > /dev/null; then
  chmod 755 "$work" && chmod 644 ./*.java
  setpriv --reuid=65534 --regid=65534 --clear-groups bash -c \
    'ulimit -u 1; exec "$0" -files Small.java Tabs.java Small.java' "$program" > few.out 2> few.err
  expect_eq "status under a limit on threads" 0 "$?"
  expect_eq "standard error under a limit on threads" "" "$(cat few.err)"
  cmp -s <(grep -v '^Total time' one.out) <(grep -v '^Total time' few.out) ||
    fail "under a limit on threads the output differs from one worker's"
else
  echo "not root or no setpriv: the limit on threads is not tried"
fi

# A limit on open files that leaves room for one file at a time: one worker, the same output.
yes Small.java | head -n 2000 > many.jnt
taskset -c 0 "$program" -projects many.jnt > one.out 2> one.err
only_standard_files() { # closes what the test's caller left open beyond 0, 1 and 2
  local fd
  for fd in $(ls /proc/$BASHPID/fd); do
    [ "$fd" -gt 2 ] && eval "exec $fd>&-" 2> /dev/null
  done
  return 0
}
(only_standard_files && ulimit -n 4 && exec "$program" -projects many.jnt) > few.out 2> few.err
expect_eq "status under ulimit -n 4" 0 "$?"
cmp -s <(grep -v '^Total time' one.out) <(grep -v '^Total time' few.out) ||
  fail "under ulimit -n 4 the output differs from one worker's: $(tail -n 3 few.out)"

# A long project file under a limit on address space: the run keeps state only for the files
# in flight, so a million entries fit (before, each entry cost 630 bytes with two workers and
# the run failed, blaming the project files). The first entry is missing, so the run ends
# right after reading the list, with that file's message.
{ echo Missing.java; yes Small.java | head -n 999999; } > million.jnt
(ulimit -v 524288 && exec "$program" -projects million.jnt) > out 2> err
expect_eq "status, a million entries under ulimit -v" 1 "$?"
expect_eq "message, a million entries under ulimit -v" \
  "An error occured when trying to open the file for reading." \
  "$(tail -n 5 out | head -n 1)"

# A failure followed by a huge file: the later file's work is thrown away at once, and the
# output is what one worker prints (1 GB of zero bytes, which takes many seconds to analyse).
truncate -s 1G Huge.java
taskset -c 0 "$program" -files Small.java NoSuch.java Huge.java > one.out 2> one.err
one_status=$?
start=$(date +%s.%N)
"$program" -files Small.java NoSuch.java Huge.java > all.out 2> all.err
all_status=$?
elapsed=$(echo "$(date +%s.%N) - $start" | bc)
echo "a failure before a 1 GB file: $elapsed s"
expect_eq "status, a failure before a huge file" "$one_status" "$all_status"
cmp -s <(grep -v '^Total time' one.out) <(grep -v '^Total time' all.out) ||
  fail "a failure before a huge file: the output differs from one worker's"
# Not a measure of speed: analysing the file whole takes far longer than this.
[ "$(echo "$elapsed < 10" | bc)" = 1 ] || fail "a failure before a huge file took $elapsed s"
rm -f Huge.java
finish
