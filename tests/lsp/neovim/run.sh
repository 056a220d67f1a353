#!/usr/bin/env bash
# Runs edit_and_fix.lua in a headless Neovim with its built-in language client, over a copy
# of Clean.java that is never saved, in a folder with a quarvel.toml. Skipped (77) without Neovim 0.7 or later.
set -u
server=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v nvim > /dev/null ||
   ! nvim --headless --clean -u NONE -c 'lua if vim.diagnostic and vim.lsp.start_client then vim.cmd("qall!") end' -c 'cquit 1' > /dev/null 2>&1; then
  echo "Neovim 0.7 or later is not installed: skipped"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/src"
cp "$here/Clean.java" "$work/src/Clean.java"
printf '# Quarvel settings\n' > "$work/quarvel.toml"
export QUARVEL_LSP=$server QUARVEL_WORK=$work
(cd "$work" && timeout 100 nvim --headless --clean -u NONE -i NONE -n \
  -c "luafile $here/edit_and_fix.lua" < /dev/null)
status=$?
if ! cmp -s "$here/Clean.java" "$work/src/Clean.java"; then
  echo "FAILED: the file on disk changed"
  exit 1
fi
[ $status -eq 0 ] && echo passed
exit $status
