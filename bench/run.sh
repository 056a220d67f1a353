#!/usr/bin/env bash
# Times Quarvel over a folder of Java files in one process, through a generated project file.
#   bench/run.sh [FOLDER]
# Without FOLDER the JDK sources are used, unzipped once from the installed JDK's src.zip.
# Prints files, bytes, the processors, the wall seconds on every processor and on one
# (taskset -c 0), MB/s and peak memory of a normal build (the least of a few runs), the ten
# slowest files and the time per rule (from a profiling build, whose profile goes to standard
# error only), and the time that `cat` takes to read the same files, for the ratio. With
# CHECKSTYLE_CONFIG naming a Checkstyle configuration and `checkstyle` installed, Checkstyle
# is timed over the same files too.
set -euo pipefail
cd "$(dirname "$0")/.."
work=${QUARVEL_BENCH_DIR:-/tmp/quarvel-bench}
mkdir -p "$work"

folder=${1:-}
if [ -z "$folder" ]; then
  folder=$work/jdk
  if [ ! -d "$folder" ]; then
    zip=$(ls /usr/lib/jvm/*/lib/src.zip /usr/lib/jvm/*/src.zip 2> /dev/null | sort -r | head -n 1)
    [ -n "$zip" ] || { echo "no src.zip found: give a folder of Java files" >&2; exit 1; }
    echo "Unzipping $zip into $folder"
    mkdir -p "$folder" && (cd "$folder" && unzip -q "$zip" '*.java')
  fi
fi
folder=$(realpath "$folder")

cmake -S . -B build-bench-release -G Ninja -DQUARVEL_TESTS=OFF > /dev/null
cmake --build build-bench-release > /dev/null
cmake -S . -B build-bench -G Ninja -DQUARVEL_PROFILE=ON -DQUARVEL_TESTS=OFF > /dev/null
cmake --build build-bench > /dev/null

list=$work/all.jnt
find "$folder" -name '*.java' -type f | LC_ALL=C sort | sed 's/$/\n/' | sed '/^$/d' > "$list"

python3 - "$list" "$work" "${CHECKSTYLE_CONFIG:-}" <<'PY'
import os, resource, shutil, subprocess, sys, time
list_file, work, checkstyle_config = sys.argv[1], sys.argv[2], sys.argv[3]
names = [l.rstrip('\n') for l in open(list_file, encoding='latin-1') if l.strip()]
total_bytes = 0
for n in names:
    with open(n, 'rb') as f:
        total_bytes += len(f.read())  # also warms the page cache

def timed(cmd, **kw):
    start = time.monotonic()
    subprocess.run(cmd, check=True, **kw)
    return time.monotonic() - start

def best_of(runs, cmd, **kw):
    return min(timed(cmd, **kw) for _ in range(runs))

# The least of three runs of each: a shared machine's noise only ever adds time.
cat_seconds = best_of(3, ['xargs', '-d', '\n', '-a', list_file, 'cat'], stdout=subprocess.DEVNULL)
with open(f'{work}/output.txt', 'wb') as out:
    seconds = timed(['build-bench-release/quarvel', '-projects', list_file], stdout=out)
peak_kib = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
seconds = min(seconds, best_of(2, ['build-bench-release/quarvel', '-projects', list_file],
                               stdout=subprocess.DEVNULL))
# One worker: the run on one processor (taskset), as on a machine with one.
one_worker = None
if shutil.which('taskset'):
    one_worker = best_of(3, ['taskset', '-c', '0', 'build-bench-release/quarvel', '-projects',
                             list_file], stdout=subprocess.DEVNULL)
with open(f'{work}/profile-output.txt', 'wb') as out, open(f'{work}/profile.txt', 'wb') as prof:
    subprocess.run(['build-bench/quarvel', '-projects', list_file], stdout=out, stderr=prof,
                   check=True)
checkstyle_seconds = None
if checkstyle_config and shutil.which('checkstyle'):
    # Checkstyle exits with the number of violations: only the time counts here.
    start = time.monotonic()
    subprocess.run(['checkstyle', '-c', checkstyle_config] + names, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
    checkstyle_seconds = time.monotonic() - start

rules, files = {}, []
for line in open(f'{work}/profile.txt', encoding='latin-1'):
    parts = line.split(' ', 4)
    if parts[:2] == ['profile', 'rule']:
        rules[int(parts[2])] = float(parts[3])
    elif parts[:2] == ['profile', 'file']:
        files.append((float(parts[2]), int(parts[3]), parts[4].rstrip('\n')))
output = open(f'{work}/output.txt', encoding='latin-1').read()
mb = total_bytes / 1e6
print(f'files            {len(names)}')
print(f'bytes            {total_bytes} ({mb:.1f} MB)')
print(f'processors       {len(os.sched_getaffinity(0))}')
print(f'wall seconds     {seconds:.2f} (every processor)')
if one_worker is not None:
    print(f'one worker       {one_worker:.2f} s (taskset -c 0; {one_worker / seconds:.2f} times the run on every processor)')
print(f'MB/s             {mb / seconds:.1f}')
print(f'peak memory      {peak_kib / 1024:.1f} MiB')
print(f'cat seconds      {cat_seconds:.2f} (Quarvel takes {seconds / cat_seconds:.1f} times as long)')
if checkstyle_seconds is not None:
    print(f'checkstyle       {checkstyle_seconds:.2f} s (Quarvel is {checkstyle_seconds / seconds:.1f} times as fast)')
print(f'assertion report {"YES" if "Assertion failed" in output else "none"}')
print(output[output.rfind('Analysed'):].replace('\n', ' | '))
print()
print('slowest files (seconds, bytes, name):')
for s, b, n in sorted(files, reverse=True)[:10]:
    print(f'  {s:8.3f} {b:10d} {n}')
print('time per rule (seconds, defects):')
for r, s in sorted(rules.items(), key=lambda x: -x[1]):
    print(f'  {r} {s:8.3f} {output.count(f" Rule({r}) ")}')
PY
