#!/usr/bin/env bash
# Times every rule over texts built to make searches run long (nested blocks, endless
# headers, long runs without the byte a pattern waits for, one huge line, ...), one process
# per text, with the profiling build. Prints, for each text, the slowest rule and its time
# per megabyte, and at the end the worst of them all and the texts, if any, on which a rule
# reported a failed internal check (a search that gave up).
# Then times every rule on the growth texts (the rule's own fragments repeated: headers
# without bodies, bodies without headers, unclosed brackets, literals and comments, nesting)
# at 1, 4 and 16 MB, and prints the slowest in seconds per megabyte at each size and the
# largest growth (QUARVEL_GROWTH_SIZES="1 4 16" to choose the sizes, "" to skip).
#   bench/hostile.sh [MEGABYTES]     (default 1)
set -euo pipefail
cd "$(dirname "$0")/.."
megabytes=${1:-1}
work=${QUARVEL_BENCH_DIR:-/tmp/quarvel-bench}/hostile
rm -rf "$work" && mkdir -p "$work"

cmake -S . -B build-bench -G Ninja -DQUARVEL_PROFILE=ON -DQUARVEL_TESTS=OFF > /dev/null
cmake --build build-bench > /dev/null

python3 - "$work" "$megabytes" <<'PY'
import os, subprocess, sys
work, size = sys.argv[1], int(float(sys.argv[2]) * (1 << 20))

def rep(unit):
    return (unit * (size // len(unit) + 1))[:size]

def nested(opener, closer):
    depth = size // (len(opener) + len(closer))
    return opener * depth + closer * depth

texts = {
    'NestedSwitches': nested('switch (x) { case 1: f(); ', '} '),
    'NestedSwitchesWithDefault': nested('switch (x) { default: ', '} '),
    'CaseLabelsWithSpaces': 'switch (x) { ' + rep('case a b: f(); ') + '}',
    'CaseLabelsMixed': 'switch (x) { ' + rep('case 1: f(); case a b: ') + '}',
    'NestedThreadClasses': nested('class A extends Thread { ', '} '),
    'NestedFinalizers': nested('protected void finalize() { ', '} '),
    'NestedEqualsMethods': nested('; boolean equals(Object o) { ', '} '),
    'NestedFinallyBlocks': nested('try { } finally { ', '} '),
    'NestedClasses': nested('class A { ', '} '),
    'NestedMethods': nested('void f() { int a; ', '} '),
    'NestedBlocksWithLocals': 'void f() { ' + nested('{ int a; ', '} ') + '}',
    'NestedIfs': nested('if (x) { ', '} '),
    'NestedLocks': nested('if (a == null) { synchronized (b) { if (a == null) { ', '} } } '),
    'NestedCatches': nested('try { } catch (E e) { ', '} '),
    'NestedFors': nested('for (;;) { ', '} '),
    'NestedWhiles': nested('while (x) { ', '} '),
    'NestedParameterLists': nested('void f(int a) { ', '} '),
    'NestedBraces': nested('{', '}'),
    'OpenBraces': rep('{'),
    'OpenParentheses': rep('('),
    'IfHeaders': rep(' if ('),
    'ForHeaders': rep(' for ('),
    'WhileHeaders': rep('while ('),
    'DoubleCheckedWithoutClose': rep('if (a == null) { synchronized (b) { if (a == null) { new '),
    'WildcardImportsWithoutSemicolon': rep('import a.*'),
    'EqualsWithoutSpace': rep('public boolean equals('),
    'CallsOnOneLine': rep('.add("North" + f(x)'),
    'FinalizerHeaders': rep('protected void finalize() '),
    'CatchHeaders': rep('} catch ('),
    'FinallyHeaders': rep('} finally {'),
    'EqualsHeaders': rep('; boolean equals(Object o) {'),
    'EqualsHeadersWithoutBody': rep('int hashCode() boolean equals(Object o) '),
    'ThreadClassesWithoutBody': rep('class A extends Thread '),
    'SwitchesWithoutBody': rep('switch (x) case 1: '),
    'CallsWithoutBody': rep('f(x) '),
    'ManyMethodsOneLocal': rep('void f() { int a; } '),
    'DeclarationsUsedLate': 'void f() { ' + rep('int v; ') + ' v; }',
    'Imports': ''.join(f'import a.b.C{i};\n' for i in range(size // 16))[:size],
    'RepeatedImports': rep('import a.B; '),
    'ImportWords': rep('import '),
    'ImportsWithoutSemicolon': rep('import a.'),
    'PackageThenImports': 'package a; ' + rep('import a.B; '),
    'Packages': rep('package a.b; '),
    'JavadocTags': '/** ' + rep('@foo ') + '*/',
    'JavadocsUnclosed': rep('/** @x '),
    'AuthorTags': '/**' + rep(' @author ') + '*/',
    'OneString': '"' + rep('a') + '"',
    'Backslashes': rep('"\\'),
    'CommentOpeners': rep('/*'),
    'LineComments': rep('//x\n'),
    'Quotes': rep("'"),
    'Semicolons': rep(';'),
    'Blanks': rep(' '),
    'LineFeeds': rep('\n'),
    'CarriageReturns': rep('\r'),
    'Tabs': rep('\t \n'),
    'OneLongLine': rep('x = y + 1; '),
    'OneLongWord': rep('w') + '.finalize();',
    'Adds': rep('.add("North"); '),
    'AddsWithoutSemicolon': rep('.add("North"'),
    'Modifiers': rep('static public '),
    'StringComparisons': rep('a == "x" '),
    'TrueComparisons': rep('== true '),
    'Asserts': rep('x.assert('),
    'FinalizeCalls': rep('a.finalize(); '),
    'GeneralCatches': rep('} catch (Exception '),
    'Throws': rep('throw new Exception '),
    'IfReturns': rep('if (x) { return true; } else { return false; } '),
    'Printlns': rep('System.out.println(x); '),
    'Directives': rep('// quarvel disable(1006)\n'),
    'EqualsOverloads': rep('public boolean equals(Foo o) '),
    'MethodNames': rep('public int hashcode() { } '),
    'DeadCode': rep('if (false) while (false) for (;false;) '),
    'WildcardImports': rep('import a.*; '),
    'JavaLangImports': rep('import java.lang.String; '),
    'RandomBytes': bytes(os.urandom(size)).decode('latin-1'),
    'Empty': '',
}
megabytes = size / (1 << 20)
worst = (0.0, '', '')
failed_checks = []
for name, text in texts.items():
    path = os.path.join(work, name + '.java')
    with open(path, 'w', encoding='latin-1', newline='') as f:
        f.write(text)
    run = subprocess.run(['build-bench/quarvel', '-files', path], stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, text=True, encoding='latin-1', check=True)
    if 'Assertion failed' in run.stdout:
        failed_checks.append(name)
    rules = [line.split() for line in run.stderr.splitlines() if line.startswith('profile rule')]
    seconds, rule = max((float(r[3]), r[2]) for r in rules) if rules else (0.0, '-')
    per_megabyte = seconds / megabytes if megabytes else 0.0
    print(f'{name:28s} slowest rule {rule:5s} {per_megabyte:8.3f} s/MB')
    worst = max(worst, (per_megabyte, rule, name))
print(f'\nworst: rule {worst[1]} on {worst[2]}, {worst[0]:.3f} s per MB')
print(f'failed internal checks: {", ".join(failed_checks) if failed_checks else "none"}')
PY

growth_sizes=${QUARVEL_GROWTH_SIZES-1 4 16}
if [ -n "$growth_sizes" ]; then
  cmake -S . -B build-bench-growth -G Ninja > /dev/null
  cmake --build build-bench-growth --target growth_bench > /dev/null
  echo
  # shellcheck disable=SC2086
  build-bench-growth/tests/growth_bench $growth_sizes
fi
