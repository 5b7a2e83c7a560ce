#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages into the folder $1 (default build-package): a
# Release tree of its own with Debian's compiler and linker flags (-O2 and
# the hardening flags dpkg-buildflags gives), without the tests, so neither
# GoogleTest nor Qt Test is looked for. SOURCE_DATE_EPOCH must be set (the
# Makefile sets it): it dates what the packages hold.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
: "${SOURCE_DATE_EPOCH:?must be set, as the Makefile does}"

# rcc dates the resources it embeds from their files, never later than
# SOURCE_DATE_EPOCH; the override dates them all alike, so a fresh checkout
# and an old one give the same program.
export QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH
# Dated outputs (resources, man pages) are not made again when only the date
# changes: a tree built for another date starts afresh.
if [ "$(cat "$build/source-date-epoch" 2>/dev/null)" != "$SOURCE_DATE_EPOCH" ]; then
  rm -rf "$build"
fi
mkdir -p "$build"
echo "$SOURCE_DATE_EPOCH" >"$build/source-date-epoch"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# No -g: the packages hold stripped programs and no debug package, and the
# debug information would carry the source tree's place into the build id.
export DEB_CXXFLAGS_MAINT_STRIP=-g
flags() { dpkg-buildflags --get "$1"; }
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DKORVANE_TESTS=OFF -DKORVANE_WERROR=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON \
  "-DCMAKE_CXX_FLAGS=$(flags CPPFLAGS) $(flags CXXFLAGS)" -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  "-DCMAKE_EXE_LINKER_FLAGS=$(flags LDFLAGS)" "-DCMAKE_STRIP=$PWD/scripts/strip-for-package.sh" >/dev/null
cmake --build "$build" -j "$(nproc)" -- --no-print-directory
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/*.deb
