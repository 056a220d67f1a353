#!/usr/bin/env python3
"""Puts small faults into the code one at a time and runs the CTest suite against each.

    tools/mutation-check.py FAULTS [--build DIR] [--jdk PROJECT.jnt]

FAULTS is a text file of faults, each a block of three lines (blank lines and lines starting
with '#' between blocks are ignored):

    @ products/quarvel/rule/EmptyCatchBlockRule.cpp    the file
    - return c == ' ' || c == '\\t' || c == '\\n';       text that occurs exactly once in it
    + return c == ' ' || c == '\\n';                    what it becomes

For each fault the script changes the file, rebuilds in its own build folder (default
build-mutation), runs `ctest --stop-on-failure` (no file it writes may pass 2 GB), and puts
the file back as it was, whatever happens. A fault is caught when a test fails, and survives
when all pass; a fault that does not compile counts as neither. With --jdk, a surviving fault is also run over the given
project file and its output compared with the output of the unchanged program: when they are
equal the fault may change no output at all (it is then listed apart, not counted). Prints a
table and the share caught.
"""
import argparse
import hashlib
import os
import resource
import subprocess
import sys


def read_faults(path):
    faults, block = [], []
    for raw in open(path, encoding="utf-8"):
        line = raw.rstrip("\n")
        if not line.strip() or line.startswith("#"):
            continue
        block.append(line)
        if len(block) == 3:
            where, old, new = block
            if not (where.startswith("@ ") and old.startswith("- ") and new.startswith("+ ")):
                sys.exit(f"bad fault block: {block}")
            faults.append((where[2:].strip(), old[2:], new[2:]))
            block = []
    if block:
        sys.exit(f"incomplete fault block at the end: {block}")
    return faults


def run(command, **kw):
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, **kw)


# A fault can make a test print without end (a batch that is never emptied is written again
# and again): no file the suite writes may grow past this, and the test that tries fails.
FILE_SIZE_LIMIT = 2 << 30


def limit_file_size():
    resource.setrlimit(resource.RLIMIT_FSIZE, (FILE_SIZE_LIMIT, FILE_SIZE_LIMIT))


def output_digest(build, project):
    done = run([os.path.join(build, "quarvel"), "-projects", project])
    text = b"\n".join(l for l in done.stdout.split(b"\n") if not l.startswith(b"Total time"))
    return hashlib.md5(text).hexdigest()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("faults")
    parser.add_argument("--build", default="build-mutation")
    parser.add_argument("--jdk", help="a project file to tell faults that change no output")
    args = parser.parse_args()
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    os.chdir(root)
    faults = read_faults(args.faults)

    if run(["cmake", "-S", ".", "-B", args.build, "-G", "Ninja"]).returncode != 0:
        sys.exit("cmake failed")
    if run(["cmake", "--build", args.build]).returncode != 0:
        sys.exit("the unchanged code does not build")
    baseline = output_digest(args.build, args.jdk) if args.jdk else None

    rows = []
    for path, old, new in faults:
        original = open(path, encoding="utf-8").read()
        if original.count(old) != 1:
            rows.append((path, old, new, f"skipped: the text occurs {original.count(old)} times"))
            continue
        try:
            open(path, "w", encoding="utf-8").write(original.replace(old, new))
            if run(["cmake", "--build", args.build]).returncode != 0:
                verdict = "does not compile"
            else:
                tests = run(["ctest", "--test-dir", args.build, "-j2", "--stop-on-failure"],
                            preexec_fn=limit_file_size)
                if tests.returncode != 0:
                    failed = [l for l in tests.stdout.decode(errors="replace").split("\n")
                              if "***Failed" in l or "***Timeout" in l or "***Exception" in l]
                    verdict = "caught" + (": " + failed[0].split(":", 1)[-1].strip()[:70]
                                          if failed else "")
                elif baseline and output_digest(args.build, args.jdk) == baseline:
                    verdict = "survived, same output on the project"
                else:
                    verdict = "SURVIVED"
        finally:
            open(path, "w", encoding="utf-8").write(original)
        rows.append((path, old, new, verdict))
        print(f"{verdict[:40]:40} {path}: {old.strip()[:60]}", flush=True)

    run(["cmake", "--build", args.build])  # leave the folder built from the unchanged code
    caught = sum(1 for r in rows if r[3].startswith("caught"))
    survived = sum(1 for r in rows if r[3] == "SURVIVED")
    counted = caught + survived
    print()
    print(f"{caught} of {counted} faults caught"
          + (f" ({100 * caught / counted:.0f}%)" if counted else "")
          + f"; {len(rows) - counted} not counted (no compile, skipped, or no output change)")
    for path, old, new, verdict in rows:
        if verdict == "SURVIVED":
            print(f"  survived: {path}\n    - {old.strip()}\n    + {new.strip()}")
    return 0 if survived == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
