#!/usr/bin/env bash
# Builds and checks what users install, and gives quarvel-report's output to the programs
# that read it:
# - the Debian package of the README's plain route (cpack in build/, with no flags from
#   outside: the hardening comes from CMake itself), checked by lintian, installed with
#   dpkg -i, run on the sample as installed, and removed;
# - the Windows zip that tools/build-windows.sh made: the programs and the README;
# - xmllint, Node.js, vim's quickfix list and the SARIF Multitool (installed with npm into
#   build/sarif-multitool, never globally) on quarvel-report's output of the end-to-end runs.
# Run tools/bootstrap.sh first, and cmake --build build (the validators use that build).
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -n 's/^project(quarvel VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
say() { echo "== $*"; }

# Any tag of level info or above fails; the package's own overrides say why it keeps one.
check_with_lintian() { # DEB
  lintian --fail-on error,warning,info --display-info "$1"
  echo "lintian: no tag on $1"
}

say "The plain route's Debian package"
cmake --build build
(cd build && cpack -G DEB > /dev/null)
deb=build/quarvel_${version}_amd64.deb
ls -l "$deb"
dpkg-deb --info "$deb" | grep -E '^ (Version|Depends|Installed-Size):'
check_with_lintian "$deb"

say "dpkg -i, run, dpkg -r"
dpkg -i "$deb" > /dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/Sample.java "$work/"
(
  cd "$work"
  status=0
  /usr/bin/quarvel -files Sample.java > run.txt || status=$?
  [ $status -eq 0 ] || { echo "quarvel exited with $status"; exit 1; }
  grep -q '^Sample.java:21 Rule(1006) Empty catch block\.$' run.txt
  /usr/bin/quarvel-report --format sarif --output quarvel.sarif run.txt
  grep -q '"executionSuccessful": true' quarvel.sarif
  status=0
  /usr/bin/quarvel-report --fail-on-defects < run.txt > run.gnu || status=$?
  [ $status -eq 3 ] || { echo "quarvel-report --fail-on-defects exited with $status"; exit 1; }
  grep -q '^Sample.java:21: warning: Empty catch block\. \[1006\]$' run.gnu
  status=0
  /usr/bin/quarvel-scan --format gnu > scan.gnu || status=$?
  [ $status -eq 3 ] || { echo "quarvel-scan exited with $status"; exit 1; }
  grep -q '^Sample.java:21: warning: Empty catch block\. \[1006\]$' scan.gnu
)
# The language server as installed, stripped, through a session of editing.
/usr/bin/quarvel-lsp --version | grep -q "^quarvel-lsp ${version}\$"
python3 tests/lsp/protocol/test_sync.py /usr/bin/quarvel-lsp
man -w quarvel quarvel-report quarvel-scan quarvel-lsp > /dev/null
dpkg -L quarvel | grep -E 'bin/|man1/|doc/quarvel/README'
dpkg -r quarvel > /dev/null
if [ -e /usr/bin/quarvel ] || [ -e /usr/bin/quarvel-report ] || [ -e /usr/bin/quarvel-scan ] ||
   [ -e /usr/bin/quarvel-lsp ]; then
  echo "dpkg -r left the programs behind"
  exit 1
fi
echo "installed, ran and removed"

say "Windows zip"
zip=build-win/quarvel-${version}-win64.zip
[ -f "$zip" ] || bash tools/build-windows.sh
listing=$(unzip -Z1 "$zip")
echo "$listing"
for file in quarvel.exe quarvel-report.exe quarvel-scan.exe quarvel-lsp.exe README.md; do
  echo "$listing" | grep -q "/$file\$" || { echo "$zip lacks $file"; exit 1; }
done

say "readers of the reports"
multitool_dir=build/sarif-multitool
if [ ! -x "$multitool_dir/node_modules/@microsoft/sarif-multitool-linux/Sarif.Multitool" ]; then
  npm install --prefix "$multitool_dir" --no-audit --no-fund --no-save \
    @microsoft/sarif-multitool-linux@5.7.0 > /dev/null
  chmod u+x "$multitool_dir/node_modules/@microsoft/sarif-multitool-linux/Sarif.Multitool"
fi
cmake -S . -B build -DQUARVEL_SARIF_MULTITOOL="$PWD/$multitool_dir/node_modules/@microsoft/sarif-multitool-linux/Sarif.Multitool" > /dev/null
ctest --test-dir build -R '^(report|scan)\.validate\.' --output-on-failure --no-tests=error
