#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the packages built in the folder $1 (default build-package): lintian
# finds no error and no warning; the fields, the copyright file and the
# changelog are there; the binaries are stripped and hardened; a second
# build from a copy of the sources gives the same bytes. Then installs
# korvane-tool alone and both packages, uses the programs as an unprivileged
# user (the level names of an export prove that the installed lists were
# found) and removes them again. Needs root; SOURCE_DATE_EPOCH must be set
# as for the first build (the Makefile does).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
tool_deb=$(realpath "$build"/korvane-tool_*.deb)
gui_deb=$(realpath "$build"/pelbo-korvane_*.deb)
fail() { echo "check-package: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "installing a package needs root"
: "${SOURCE_DATE_EPOCH:?must be set, as the Makefile does}"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# lintian at its default level decides; the info and pedantic tags are
# shown too (the README says why each stays). Of the hardening tags only
# hardening-no-fortify-functions may stay: the programs are built with
# _FORTIFY_SOURCE, but no call of theirs has a size the compiler knows.
lintian --display-info --pedantic --fail-on error,warning "$tool_deb" "$gui_deb" | tee "$scratch/lintian"
! grep 'hardening-' "$scratch/lintian" | grep -v -q 'hardening-no-fortify-functions' \
  || fail "a binary lacks a hardening flag"

field() { dpkg-deb --field "$1" "$2"; }
tool_depends=$(field "$tool_deb" Depends)
case "$tool_depends" in
  *libqt6gui*|*libqt6widgets*) fail "korvane-tool depends on GUI libraries: $tool_depends" ;;
esac
gui_depends=$(field "$gui_deb" Depends)
for wanted in "korvane-tool (= $(field "$tool_deb" Version))" qt6-qpa-plugins; do
  case "$gui_depends" in *"$wanted"*) ;; *) fail "pelbo-korvane does not depend on $wanted: $gui_depends" ;; esac
done
[ "$(field "$gui_deb" Recommends)" = "fonts-liberation2, qt6-translations-l10n" ] \
  || fail "pelbo-korvane does not recommend fonts-liberation2 and qt6-translations-l10n"
[ "$(field "$gui_deb" Suggests)" = "blastem, mednafen, ares" ] || fail "pelbo-korvane does not suggest the emulators"

for deb in "$tool_deb" "$gui_deb"; do
  name=$(field "$deb" Package)
  dpkg-deb -x "$deb" "$scratch/$name"
  for doc in copyright changelog.gz; do
    [ -f "$scratch/$name/usr/share/doc/$name/$doc" ] || fail "$name has no /usr/share/doc/$name/$doc"
  done
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$scratch/$name/usr/share/doc/$name/copyright" || fail "the copyright file of $name is not in DEP-5 form"
  for program in "$scratch/$name"/usr/bin/*; do
    readelf -S "$program" | grep -q '\.debug_' && fail "$(basename "$program") is not stripped"
    readelf -d "$program" | grep -q 'BIND_NOW' || fail "$(basename "$program") is not linked with -z now"
    readelf -l "$program" | grep -q 'GNU_RELRO' || fail "$(basename "$program") is not linked with -z relro"
  done
done

# The same sources, copied elsewhere and built again, give the same bytes.
mkdir "$scratch/copy"
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$scratch/copy" 2>/dev/null \
  || fail "cannot copy the sources"
bash "$scratch/copy/scripts/build-package.sh" >"$scratch/copy.log" 2>&1 || { cat "$scratch/copy.log"; fail "the second build failed"; }
for deb in "$tool_deb" "$gui_deb"; do
  cmp "$deb" "$scratch/copy/build-package/$(basename "$deb")" || fail "a second build of $(basename "$deb") differs"
done

export DEBIAN_FRONTEND=noninteractive
user=korvane-check
id "$user" >/dev/null 2>&1 || useradd --create-home "$user"
home=$(getent passwd "$user" | cut -d: -f6)
runtime=/tmp/runtime-$user
mkdir -p "$runtime" && chown "$user" "$runtime" && chmod 700 "$runtime"
as_user() {
  runuser -u "$user" -- env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_RUNTIME_DIR="$runtime" "$@"
}

# korvane-tool alone is enough for a script host.
apt-get install -y -qq "$tool_deb" >/dev/null
as_user korvane-tool --version
as_user korvane-samplerom "$home/samples" >/dev/null
as_user korvane-tool info "$home/samples/sample-p2.bin"
as_user korvane-tool export "$home/samples/sample-p2.bin" | grep -q '"First demo level": "EHZ Act 1"'
# An image the user may only read: read, never written.
as_user chmod 444 "$home/samples/sample-p3.bin"
as_user korvane-tool export "$home/samples/sample-p3.bin" >/dev/null
if as_user korvane-tool fix "$home/samples/sample-p3.bin" 2>"$scratch/fix.err"; then
  fail "korvane-tool fix wrote a read-only image"
fi
grep -q 'Permission denied' "$scratch/fix.err" || fail "the refused fix gives no reason: $(cat "$scratch/fix.err")"

apt-get install -y -qq "$gui_deb" >/dev/null
# Without a display.
as_user pelbo-korvane --version
as_user pelbo-korvane --help >/dev/null
for file in /usr/share/applications/net.korvane.pelbokorvane.desktop \
            /usr/share/metainfo/net.korvane.pelbokorvane.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/pelbo-korvane.svg \
            /usr/share/man/man1/korvane-tool.1.gz \
            /usr/share/man/man1/pelbo-korvane.1.gz \
            /usr/share/bash-completion/completions/korvane-tool \
            /usr/share/zsh/vendor-completions/_korvane-tool \
            /usr/share/fish/vendor_completions.d/korvane-tool.fish \
            /usr/share/pelbo-korvane/korvane/p2levels.txt; do
  test -e "$file" || fail "$file was not installed"
done

apt-get remove -y -qq pelbo-korvane korvane-tool >/dev/null
for file in /usr/bin/pelbo-korvane /usr/bin/korvane-tool /usr/share/pelbo-korvane /usr/share/doc/korvane-tool; do
  test ! -e "$file" || fail "$file is left after the removal"
done
echo "package check: $(basename "$tool_deb") and $(basename "$gui_deb") pass lintian, build the same twice, install, run as $user and go again"
