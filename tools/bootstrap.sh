#!/usr/bin/env bash
# Installs the Debian packages that are missing.
#   tools/bootstrap.sh          what building and running quarvel and quarvel-report needs:
#                               CMake, Ninja, g++ and the Boost.Regex 1.81 headers
#   tools/bootstrap.sh --tests  that, what quarvel-scan and quarvel-lsp link (the git
#                               library through pkg-config, toml++, nlohmann-json), and what
#                               the tests need: GoogleTest, RapidCheck, the git program,
#                               clang with its sanitizer and fuzzer runtime, MinGW-w64 with
#                               Wine for the Windows binaries, python3 and Neovim for the
#                               language server's tests, Node.js and npm, and for the
#                               package tests dpkg-dev, lintian, file, unzip, xmllint and vim
set -euo pipefail
packages=(cmake ninja-build g++ libboost-regex1.81-dev)
case "${1:-}" in
  "") ;;
  --tests)
    packages+=(libgit2-dev pkg-config libtomlplusplus-dev nlohmann-json3-dev
      libgtest-dev librapidcheck-dev git python3 neovim clang libclang-rt-14-dev
      g++-mingw-w64-x86-64-posix wine wine64
      dpkg-dev lintian file unzip libxml2-utils vim)
    # Node.js may come from elsewhere than Debian, with npm inside: then it stays as it is.
    command -v node > /dev/null || packages+=(nodejs)
    command -v npm > /dev/null || packages+=(npm)
    ;;
  *)
    echo "usage: tools/bootstrap.sh [--tests]" >&2
    exit 2
    ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
