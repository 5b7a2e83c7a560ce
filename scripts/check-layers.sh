#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the folders stay layers: a source file includes only from its
# own folder and from the layers below it.
#
#   core/             0  plain C++, no Qt
#   document/, ui/    1  values document sections (Qt Core); shared window
#                        machinery; never each other
#   editors/*.h       1  the editor list
#   editors/<name>/   2  one editor; never another editor
#   app/, tools/<x>/  3  the programs; never each other
#
# Nothing here includes tests/ or bench/, and only core/platform/ calls the
# system (its headers, file writes and moves). Prints every breach and
# exits 1.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

layer_of() {
  case "$1" in
    core/*) echo 0 ;;
    document/* | ui/*) echo 1 ;;
    editors/*/*) echo 2 ;;
    editors/*) echo 1 ;;
    app/* | tools/*) echo 3 ;;
    *) echo 9 ;; # tests/, bench/: above everything
  esac
}

# The folder a file belongs to: editors/<name> and tools/<name>, else the top.
folder_of() {
  case "$1" in
    editors/*/* | tools/*/*) echo "$1" | cut -d/ -f1,2 ;;
    *) echo "${1%%/*}" ;;
  esac
}

status=0
breach() {
  echo "$1: $2" >&2
  status=1
}

while IFS= read -r file; do
  layer=$(layer_of "$file")
  folder=$(folder_of "$file")
  while IFS= read -r target; do
    [ -z "$target" ] && continue
    target_layer=$(layer_of "$target")
    target_folder=$(folder_of "$target")
    if [ "$target_folder" = "$folder" ]; then
      continue
    elif [ "$target_layer" -ge 9 ]; then
      breach "$file" "includes $target from the tests"
    elif [ "$target_layer" -ge "$layer" ]; then
      breach "$file" "includes $target, which is not below $folder/"
    fi
  done < <(sed -n -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+\/[^"]+)".*/\1/p' "$file")
  if [ "$layer" = 0 ] && grep -q -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
    breach "$file" "includes Qt, but core/ is plain C++"
  fi
  # The system is reached through core/platform/ only: no system headers,
  # no file written or moved past its atomic replace.
  case "$file" in
    core/platform/*) ;;
    *)
      while IFS= read -r line; do
        breach "$file" "calls the system outside core/platform/ (line ${line%%:*})"
      done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<((unistd|fcntl|windows|dirent|io)\.h|sys/)' "$file" || true)
      while IFS= read -r line; do
        breach "$file" "writes files outside core/platform/ (line ${line%%:*})"
      done < <(grep -n -E 'std::o?fstream|std::filesystem::(create_|remove|rename|copy|resize_file|permissions|last_write_time)' "$file" || true)
      ;;
  esac
done < <(find core document ui editors app tools -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.in' \) | sort)

if [ "$status" = 0 ]; then
  echo "include layers: every include goes to its own folder or a layer below"
fi
exit "$status"
