#!/usr/bin/env bash
# The tree walk's time on the JDK's sources: as a plain folder, as a git work tree (a copy
# committed whole under /tmp) and as a work tree where nothing is tracked yet (a copy of
# hard links with a .gitignore: every folder and file is asked of the rules), without git
# and with each way of asking it.
#   bash bench/scan-tree.sh [FOLDER]   (default: the JDK's sources unzipped by bench/run.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source_folder=${1:-/tmp/quarvel-bench/jdk}
work_tree=/tmp/quarvel-bench/jdk-git
cmake --build build --target scan_tree_bench > /dev/null
if [ ! -d "$work_tree/.git" ]; then
  rm -rf "$work_tree"
  cp -r "$source_folder" "$work_tree"
  git -C "$work_tree" init -q
  git -C "$work_tree" add -A
  git -C "$work_tree" -c user.name=bench -c user.email=bench@example.invalid commit -q -m sources
fi
untracked=/tmp/quarvel-bench/jdk-untracked
if [ ! -d "$untracked/.git" ]; then
  rm -rf "$untracked"
  cp -al "$source_folder" "$untracked"
  git -C "$untracked" init -q
  printf 'build/\n*.class\n/out/\n' > "$untracked/.gitignore"
fi
echo "== $source_folder (no work tree)"
build/tests/scan/tree/scan_tree_bench "$source_folder"
echo "== $work_tree (a git work tree)"
build/tests/scan/tree/scan_tree_bench "$work_tree"
echo "== $untracked (a work tree where nothing is tracked)"
build/tests/scan/tree/scan_tree_bench "$untracked"
