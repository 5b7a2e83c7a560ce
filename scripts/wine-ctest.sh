#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the tests of the Windows build (ctest in build-windows/) under one
# Wine server kept for the whole run. A server that starts and stops with
# its clients can be shutting down just as the next test connects, which
# fails that test with "wine client error … Connection reset by peer".
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-windows}
jobs=${2:-$(nproc)}
export WINEPREFIX=${KORVANE_WINEPREFIX:-$here/build-windows/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
mkdir -p "$WINEPREFIX"
server=/usr/lib/wine/wineserver
[ -x "$server" ] || server=$(command -v wineserver64 || command -v wineserver)
"$server" -p
# The prefix is made (or brought up to date) once, before any test.
/usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
(cd "$build" && ctest --output-on-failure -j "$jobs" --timeout 280)
status=$?
"$server" -k 2>/dev/null
exit $status
