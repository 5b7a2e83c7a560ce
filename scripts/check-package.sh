#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package built in the folder $1, uses the programs as an
# unprivileged user (the level names of an export prove that the installed
# lists were found), and removes the package again. Needs root.
set -euo pipefail
build=${1:-build-package}
deb=$(ls "$build"/pelbo-korvane_*.deb | head -n 1)
if [ "$(id -u)" -ne 0 ]; then
  echo "check-package: installing a package needs root" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$(realpath "$deb")" >/dev/null

user=korvane-check
id "$user" >/dev/null 2>&1 || useradd --create-home "$user"
home=$(getent passwd "$user" | cut -d: -f6)
runtime=/tmp/runtime-$user
mkdir -p "$runtime" && chown "$user" "$runtime" && chmod 700 "$runtime"
as_user() {
  runuser -u "$user" -- env HOME="$home" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen "$@"
}

as_user korvane-tool --version
as_user korvane-samplerom "$home/samples" >/dev/null
as_user korvane-tool info "$home/samples/sample-p2.bin"
as_user korvane-tool export "$home/samples/sample-p2.bin" | grep -q '"First demo level": "EHZ Act 1"'
as_user pelbo-korvane --version
for file in /usr/share/applications/net.korvane.pelbokorvane.desktop \
            /usr/share/metainfo/net.korvane.pelbokorvane.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/pelbo-korvane.svg \
            /usr/share/man/man1/korvane-tool.1.gz \
            /usr/share/pelbo-korvane/korvane/p2levels.txt; do
  test -e "$file" || { echo "check-package: $file was not installed" >&2; exit 1; }
done

apt-get remove -y -qq pelbo-korvane >/dev/null
for file in /usr/bin/pelbo-korvane /usr/bin/korvane-tool /usr/share/pelbo-korvane; do
  test ! -e "$file" || { echo "check-package: $file is left after the removal" >&2; exit 1; }
done
echo "package check: $(basename "$deb") installed, used as $user and removed"
