#!/usr/bin/env bash
# Runs the end-to-end cases against quarvel.exe under Wine: every case of tests/cli, compared
# with the same expected output as on Linux (a case's stdout.windows where the system's texts
# differ), then the cases of tests/windows/cases, which only make sense on Windows, and the
# other programs beside it (quarvel-report.exe, quarvel-scan.exe, quarvel-lsp.exe).
#   run_wine_tests.sh PATH/TO/quarvel.exe
set -u
exe=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
cli=$here/../cli
export WINEDEBUG=-all
export QUARVEL_RUNNER=wine
# Windows paths in the cases (C:\...) live in the prefix's drive C.
drive_c=${WINEPREFIX:-$HOME/.wine}/drive_c

wine cmd /c exit > /dev/null 2>&1 # the first start creates the prefix
rm -rf "$drive_c/quarvel-test"
mkdir -p "$drive_c/quarvel-test"
cp -R "$here/drive_c/." "$drive_c/quarvel-test/"

cases=$(sed -n '/^set(QUARVEL_CLI_CASES/,/)/p' "$cli/CMakeLists.txt" | tr -d '()' | tr ' ' '\n' |
  grep -v -e QUARVEL_CLI_CASES -e '^set$' -e '^$')
failed=0
total=0
for c in $cases; do
  total=$((total + 1))
  if ! out=$(bash "$cli/run_case.sh" "$exe" "$cli/$c" 2>&1); then
    echo "FAILED cli/$c"; echo "$out"; failed=$((failed + 1))
  fi
done
for dir in "$here"/cases/*/; do
  total=$((total + 1))
  c=$(basename "$dir")
  if ! out=$(bash "$cli/run_case.sh" "$exe" "$dir" 2>&1); then
    echo "FAILED windows/$c"; echo "$out"; failed=$((failed + 1))
  fi
done
# quarvel-report.exe on the recorded runs of tests/report, with the same expectations.
report_exe=$(dirname "$exe")/report/quarvel-report.exe
report_cases=$here/../report/cases
for entry in $(sed -n '/^set(QUARVEL_REPORT_CASES/,/)/p' "$here/../report/CMakeLists.txt" |
  tr -d '()' | tr ' ' '\n' | grep /); do
  [ -f "$report_cases/${entry%/*}/input" ] || continue # the others run quarvel itself
  total=$((total + 1))
  if ! out=$(bash "$here/../report/run_report_case.sh" "$exe" "$report_exe" \
    "$report_cases/${entry%/*}" "${entry#*/}" 2>&1); then
    echo "FAILED report/$entry"; echo "$out"; failed=$((failed + 1))
  fi
done
# A long working directory is reported whole, in its Windows form. (Wine itself cannot enter
# a directory longer than 260 bytes; the growing buffer for those is unit-tested.)
total=$((total + 1))
deep=$(mktemp -d)/$(printf 'd%.0s' {1..100})/$(printf 'e%.0s' {1..100})
mkdir -p "$deep"
expected_dir="Z:$(echo "$deep" | tr '/' '\\')\\"
reported=$(cd "$deep" && wine "$exe" -files missing.java 2> /dev/null | tr -d '\r' |
  sed -n 's/^Current Working Directory: //p')
if [ "$reported" != "$expected_dir" ]; then
  echo "FAILED long working directory: got '$reported', expected '$expected_dir'"
  failed=$((failed + 1))
fi
# quarvel-scan.exe walks a folder, names files the Windows way, and goes on without git when
# there is no git program to ask.
total=$((total + 1))
scan_exe=$(dirname "$exe")/scan/quarvel-scan.exe
tree=$(mktemp -d)
mkdir -p "$tree/src/sub" "$tree/src/x.java"
printf '/** @author a */\npackage p;\nclass A {\n\tint x;\n}\n' > "$tree/src/sub/A.java"
cp "$tree/src/sub/A.java" "$tree/src/x.java/B.java"
scanned=$(cd "$tree" && wine "$scan_exe" --format gnu src 2> /dev/null | tr -d '\r')
scan_status=$?
expected_scan='src\sub\A.java:4: note: Tab found. Prefer space when indenting source code. [1020]
src\x.java\B.java:4: note: Tab found. Prefer space when indenting source code. [1020]'
if [ "$scanned" != "$expected_scan" ]; then
  echo "FAILED quarvel-scan.exe: got"; echo "$scanned"
  failed=$((failed + 1))
fi
(cd "$tree" && wine "$scan_exe" --format sarif --output r.sarif src > /dev/null 2>&1)
if ! grep -q '"uri": "src/sub/A.java"' "$tree/r.sarif"; then
  echo "FAILED quarvel-scan.exe: SARIF names files by URI"; head -c 2000 "$tree/r.sarif"
  failed=$((failed + 1))
fi
rm -rf "$tree"

# quarvel-lsp.exe through sessions of editing over pipes: bytes pass unchanged both ways
# (standard input and output in binary mode), and quarvel.toml is read from a folder.
lsp_exe=$(dirname "$exe")/lsp/quarvel-lsp.exe
lsp_wrapper=$(mktemp)
printf '#!/usr/bin/env bash\nexec wine "%s" "$@" 2> /dev/null\n' "$lsp_exe" > "$lsp_wrapper"
chmod +x "$lsp_wrapper"
for session in sync config malformed; do
  total=$((total + 1))
  if ! out=$(python3 "$here/../lsp/protocol/test_$session.py" "$lsp_wrapper" 2>&1); then
    echo "FAILED quarvel-lsp.exe, $session"; echo "$out"; failed=$((failed + 1))
  fi
done
rm -f "$lsp_wrapper"

rm -rf "$drive_c/quarvel-test"
echo "Wine: $((total - failed)) of $total cases passed"
[ $failed -eq 0 ]
