#!/usr/bin/env python3
"""Puts small faults into the code one at a time and runs the CTest suite against each.

    tools/mutation-check.py FAULTS... [--build DIR] [--jdk PROJECT.jnt]

A FAULTS file holds faults, each a block of three lines (blank lines and lines starting
with '#' between blocks are ignored):

    @ products/quarvel/rule/EmptyCatchBlockRule.cpp    the file
    - return c == ' ' || c == '\\t' || c == '\\n';       text that occurs exactly once in it
    + return c == ' ' || c == '\\n';                    what it becomes

and, where a person has looked at a fault and found that it cannot change what any program
prints or returns (it only changes speed, say), a fourth line that says why:

    = only the memo's reach changes: every answer is the same

For each fault the script changes the file, rebuilds in its own build folder (default
build-mutation), runs `ctest --stop-on-failure` (no file it writes may pass 4 GB), and puts
the file back as it was, whatever happens. A fault is caught when a test fails, and survives
when all pass; a fault that does not compile counts as neither. Every survivor counts against
the share caught unless its block carries a person's "=" line: no run over one code base
shows that a fault changes nothing, since a code base need not reach the code it changes.
With --jdk, each survivor is also run over the given project file and the table says whether
that output changed, as a hint for the person who judges it. Prints a table and the share
caught.
"""
import argparse
import hashlib
import os
import resource
import signal
import subprocess
import sys


def read_faults(path):
    """The faults of a file as (file, old, new, judgement) tuples; judgement is None where no
    person has said that the fault changes nothing."""
    faults, block = [], []

    def close_block():
        if not block:
            return
        if len(block) not in (3, 4) or not (block[0].startswith("@ ") and
                                           block[1].startswith("- ") and
                                           block[2].startswith("+ ") and
                                           (len(block) == 3 or block[3].startswith("= "))):
            sys.exit(f"{path}: bad fault block: {block}")
        judgement = block[3][2:].strip() if len(block) == 4 else None
        faults.append((block[0][2:].strip(), block[1][2:], block[2][2:], judgement))
        block.clear()

    for raw in open(path, encoding="utf-8"):
        line = raw.rstrip("\n")
        if not line.strip() or line.startswith("#"):
            continue
        if line.startswith("@ "):
            close_block()
        block.append(line)
    close_block()
    return faults


def run(command, **kw):
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, **kw)


# A fault can make a test print without end (a batch that is never emptied is written again
# and again): no file the suite writes may grow past this, and the test that tries fails.
FILE_SIZE_LIMIT = 4 << 30  # room for the sparse files of over 2 GB that tests make


def limit_file_size():
    resource.setrlimit(resource.RLIMIT_FSIZE, (FILE_SIZE_LIMIT, FILE_SIZE_LIMIT))


def output_digest(build, project):
    done = run([os.path.join(build, "quarvel"), "-projects", project])
    text = b"\n".join(l for l in done.stdout.split(b"\n") if not l.startswith(b"Total time"))
    return hashlib.md5(text).hexdigest()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("faults", nargs="+")
    parser.add_argument("--build", default="build-mutation")
    parser.add_argument("--jdk", help="a project file whose output is compared for each survivor")
    args = parser.parse_args()
    # A stopped check still puts back the file it changed (the finally below).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    faults = [fault for path in args.faults for fault in read_faults(os.path.abspath(path))]
    project = os.path.abspath(args.jdk) if args.jdk else None
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    os.chdir(root)

    if run(["cmake", "-S", ".", "-B", args.build, "-G", "Ninja"]).returncode != 0:
        sys.exit("cmake failed")
    if run(["cmake", "--build", args.build]).returncode != 0:
        sys.exit("the unchanged code does not build")
    baseline = output_digest(args.build, project) if project else None

    rows = []
    for path, old, new, judgement in faults:
        original = open(path, encoding="utf-8").read()
        if original.count(old) != 1:
            rows.append((path, old, new, judgement,
                         f"skipped: the text occurs {original.count(old)} times"))
            print(f"{rows[-1][4][:40]:40} {path}: {old.strip()[:60]}", flush=True)
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
                else:
                    verdict = "judged equivalent" if judgement else "SURVIVED"
                    if baseline:
                        same = output_digest(args.build, project) == baseline
                        verdict += (" (same output on the project)" if same
                                    else " (the project's output changes)")
        finally:
            open(path, "w", encoding="utf-8").write(original)
        rows.append((path, old, new, judgement, verdict))
        print(f"{verdict[:40]:40} {path}: {old.strip()[:60]}", flush=True)

    run(["cmake", "--build", args.build])  # leave the folder built from the unchanged code
    caught = sum(1 for r in rows if r[4].startswith("caught"))
    survived = [r for r in rows if r[4].startswith("SURVIVED")]
    judged = [r for r in rows if r[4].startswith("judged equivalent")]
    counted = caught + len(survived)
    print()
    print(f"{caught} of {counted} faults caught"
          + (f" ({100 * caught / counted:.0f}%)" if counted else "")
          + f"; {len(judged)} judged equivalent by a person, "
          + f"{len(rows) - counted - len(judged)} not counted (no compile or skipped)")
    for path, old, new, judgement, verdict in survived:
        print(f"  survived: {path}\n    - {old.strip()}\n    + {new.strip()}\n    {verdict}")
    for path, old, new, judgement, verdict in judged:
        print(f"  judged equivalent: {path}\n    - {old.strip()}\n    + {new.strip()}\n"
              f"    = {judgement}")
    return 0 if not survived else 1


if __name__ == "__main__":
    sys.exit(main())
