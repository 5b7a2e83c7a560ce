#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer harnesses with clang into build-fuzz/ and runs each for
# FUZZ_SECONDS (default 20) from its committed seed corpus. New inputs go to a
# scratch folder, never into the repository. A crash, a failed property or a
# sanitizer report makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-20}
build=${FUZZ_BUILD:-build-fuzz}

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE_FUZZ=ON -DKORVANE_WERROR=ON >/dev/null
cmake --build "$build" --target korvane_fuzzers -j "$(nproc)" -- --no-print-directory

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for seeds in tests/fuzz/corpus/*/; do
  name=$(basename "$seeds")
  mkdir -p "$scratch/$name"
  echo "fuzz_$name: ${seconds}s"
  if ! "$build/bin/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$scratch/$name-" "$scratch/$name" "$seeds" >"$scratch/$name.log" 2>&1; then
    echo "fuzz_$name FAILED:"
    tail -n 40 "$scratch/$name.log"
    mkdir -p "$build/artifacts"
    cp "$scratch/$name"-* "$build/artifacts/" 2>/dev/null || true
    status=1
  else
    grep -E 'stat::number_of_executed_units' "$scratch/$name.log" | sed "s/^/  /"
  fi
done
exit $status
