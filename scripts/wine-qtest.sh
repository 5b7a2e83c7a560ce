#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Qt Test program of the Windows build under Wine (wine-run.sh) and
# prints its log. Under Wine a Qt test's standard output reaches nobody, so
# the log goes to a file; and Wine does not pass QT_* variables on, so the
# platform is given as an argument (KORVANE_QPA_PLATFORM, offscreen unless
# set; set empty for a test without a window, which takes no -platform).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shift
log=$(mktemp "${TMPDIR:-/tmp}/korvane-qtest-XXXXXX")
trap 'rm -f "$log"' EXIT
platform=${KORVANE_QPA_PLATFORM-offscreen}
"$here/wine-run.sh" "$program" ${platform:+-platform "$platform"} -o "Z:${log//\//\\},txt" "$@"
status=$?
cat "$log"
exit $status
