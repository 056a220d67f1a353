#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing: the
# native toolchain, Boost.Regex 1.81, nlohmann-json and toml++ headers, GoogleTest, the git
# library and program, clang with its sanitizer and fuzzer runtime, MinGW-w64 with Wine for the
# Windows binary, python3 and Neovim for the language server's tests, and what the package
# tests use: the Debian package tools, lintian, file, unzip, xmllint and vim.
set -euo pipefail
packages=(cmake ninja-build g++ libboost-regex1.81-dev nlohmann-json3-dev libtomlplusplus-dev
  libgtest-dev librapidcheck-dev libgit2-dev pkg-config git python3 neovim clang
  libclang-rt-14-dev g++-mingw-w64-x86-64-posix wine wine64
  dpkg-dev lintian file unzip libxml2-utils vim)
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
