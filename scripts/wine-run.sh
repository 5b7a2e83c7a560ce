#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program of the cross build under Wine, in a Wine prefix of
# the build tree's own (KORVANE_WINEPREFIX, else build-windows/wine beside
# this script's tree), without Wine's debug chatter. CTest's emulator.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${KORVANE_WINEPREFIX:-$here/build-windows/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
mkdir -p "$WINEPREFIX"
exec /usr/lib/wine/wine64 "$@"
