#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt (qtbase) for 64-bit Windows with MinGW-w64, from Debian's source
# of the host Qt version, once: later runs find the installed tree and only
# print its path. QT_MINGW_PREFIX names an existing tree instead. The last
# line of the output is the tree's path. GoogleTest for MinGW is built into
# the same tree from Debian's /usr/src/googletest. The tree does not depend
# on the clone that built it: it keeps its own copy of the toolchain file,
# and every build passes the clone's (QT_CHAINLOAD_TOOLCHAIN_FILE).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bash "$here/setup-deps.sh" windows >&2

version=$(dpkg-query -W -f='${Version}' qt6-base-dev)   # 6.4.2+dfsg-10
upstream=${version%%+*}
upstream=${upstream%%-*}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/pelbo-korvane
prefix=${QT_MINGW_PREFIX:-$cache/qt-$upstream-mingw}
toolchain=$cache/mingw-toolchain.cmake
mkdir -p "$cache"
cp "$here/mingw-toolchain.cmake" "$toolchain"
# The compiler the tree is built with, recorded in it: a tree from another
# compiler would link against a runtime this machine does not have.
compiler="x86_64-w64-mingw32-g++-posix $(x86_64-w64-mingw32-g++-posix -dumpfullversion)"
stamp=$prefix/korvane-compiler.txt

if [ -x "$prefix/bin/qt-cmake" ] && [ -f "$prefix/lib/libgtest.a" ]; then
  if [ ! -f "$stamp" ]; then
    echo "$compiler" > "$stamp"
  elif [ "$(cat "$stamp")" != "$compiler" ]; then
    echo "build-qt-mingw: the Qt for Windows in $prefix was built with $(cat "$stamp"), this machine has" \
         "$compiler: remove $prefix to build it again" >&2
    exit 1
  fi
  echo "$prefix"
  exit 0
fi
if [ -n "${QT_MINGW_PREFIX:-}" ] && [ -x "$prefix/bin/qt-cmake" ]; then
  : # a given tree without GoogleTest gets it below
elif [ -n "${QT_MINGW_PREFIX:-}" ]; then
  echo "build-qt-mingw: QT_MINGW_PREFIX=$prefix holds no Qt tree (no bin/qt-cmake)" >&2
  exit 1
else
  work=$cache/qt-$upstream-mingw-build
  rm -rf "$work"
  mkdir -p "$work/apt/lists/partial" "$work/apt/sources" "$work/apt/archives/partial" "$work/src"
  # A private source list, made from the machine's own "deb" entries for
  # its release (whatever mirror they name): the system's apt configuration
  # is left alone.
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$list" ] || continue
    awk -v c="$codename" '$1 == "deb" { n = 2; if ($2 ~ /^\[/) { while ($n !~ /\]$/) n++; n++ }
                                         if ($(n + 1) == c) { $1 = "deb-src"; print } }' "$list"
  done > "$work/apt/sources/qt-source.list"
  for sources in /etc/apt/sources.list.d/*.sources; do
    [ -f "$sources" ] || continue
    awk -v c="$codename" 'BEGIN { RS = ""; ORS = "\n\n" }
      /(^|\n)Types:[^\n]*deb/ && $0 ~ ("(^|\n)Suites:([^\n]*[ \t])?" c "([ \t]|\n|$)") {
        gsub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); gsub(/\nSuites:[^\n]*/, "\nSuites: " c); print }' \
      "$sources" > "$work/apt/sources/$(basename "$sources")"
  done
  if ! grep -qs "$codename" "$work"/apt/sources/*; then
    echo "build-qt-mingw: no apt source for $codename found in /etc/apt to fetch qt6-base's source from" >&2
    exit 1
  fi
  apt_private=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$work/apt/sources"
               -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache::Archives=$work/apt/archives"
               -o "APT::Sandbox::User=root")
  echo "build-qt-mingw: fetching the source of qt6-base $version" >&2
  apt-get -qq "${apt_private[@]}" update >&2
  (cd "$work/src" && apt-get -qq "${apt_private[@]}" source "qt6-base=$version" >&2)
  src=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
  [ -n "$src" ] || { echo "build-qt-mingw: no source tree was unpacked" >&2; exit 1; }

  echo "build-qt-mingw: configuring in $work/build (the build takes 35 to 50 minutes on 2 cores)" >&2
  mkdir -p "$work/build"
  cd "$work/build"
  "$src/configure" -prefix "$prefix" -release -xplatform win32-g++ -qt-host-path /usr \
    -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-doubleconversion \
    -no-opengl -no-dbus -no-feature-sql -no-feature-network -no-feature-printsupport \
    -no-feature-concurrent -nomake examples -nomake tests -- \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DFEATURE_tabletevent=OFF \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
  cmake --build . --parallel "$(nproc)" >&2
  cmake --install . >&2
  echo "$compiler" > "$stamp"
  cd /
  rm -rf "$work"
fi

echo "build-qt-mingw: building GoogleTest into $prefix" >&2
gtest_build=$(mktemp -d)
cmake -S /usr/src/googletest -B "$gtest_build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -Dgtest_disable_pthreads=OFF >&2
cmake --build "$gtest_build" --parallel "$(nproc)" >&2
cmake --install "$gtest_build" >&2
rm -rf "$gtest_build"
echo "$prefix"
