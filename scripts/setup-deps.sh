#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, when missing.
# As root it uses apt-get; otherwise it prints the command to run and fails.
# Extra package sets: "fuzz" (clang and its libFuzzer runtime), "bench"
# (Google Benchmark and Python), "xvfb" (a virtual display for xvfb-run),
# "package" (what CPack needs for the .deb files and what checks them),
# "windows" (the MinGW-w64 cross compilers, Wine, and what fetching and
# building Qt's source for Windows needs).
set -euo pipefail

packages=(build-essential cmake qt6-base-dev libgtest-dev fonts-liberation2 zlib1g-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          help2man desktop-file-utils appstream groff-base reuse python3-jsonschema zsh fish)
for extra in "$@"; do
  case "$extra" in
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    bench) packages+=(libbenchmark-dev python3) ;;
    xvfb) packages+=(xvfb xauth) ;;
    package) packages+=(dpkg-dev file lintian binutils) ;;
    windows) packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                        wine64 wine libz-mingw-w64-dev dpkg-dev xz-utils ninja-build zip unzip xvfb xauth) ;;
    *) echo "setup-deps: unknown package set '$extra'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Install them with:"
  echo "  sudo apt-get install --no-install-recommends ${missing[*]}"
  exit 1
fi

echo "Installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
