# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Thin wrapper around CMake. `make run` and `make test` are all a newcomer needs.

BUILD ?= build
JOBS ?= $(shell nproc)
BIN := $(BUILD)/bin
SAMPLES := $(BUILD)/samples

.PHONY: all setup configure build samples run test test-sanitize fuzz bench install package package-check clean

all: build

setup:
	@bash scripts/setup-deps.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS) -- --no-print-directory

# Only missing samples are written: edits to the others stay.
samples: build
	@$(BIN)/korvane-samplerom $(SAMPLES) >/dev/null
	@echo "Sample images are in $(SAMPLES)/"

# Without a display, say so before anything is built, with a command that
# works here: xvfb-run comes with the packages the check installs.
run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  bash scripts/setup-deps.sh xvfb || exit 1; \
	  echo "No display found: try 'xvfb-run make run'."; exit 1; fi
	@$(MAKE) --no-print-directory samples
	@$(BIN)/pelbo-korvane

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: setup
	@cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DKORVANE_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD)-asan -j $(JOBS) -- --no-print-directory
	@cd $(BUILD)-asan && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# libFuzzer harnesses, FUZZ_SECONDS each (default 20).
fuzz:
	@bash scripts/setup-deps.sh fuzz
	@bash scripts/run-fuzzers.sh

# Google Benchmark figures from a Release build of its own (see
# BENCHMARKS.md), at -O2 like the program that `make` builds;
# BENCH_ARGS passes options to the benchmark program.
BENCH_BUILD := build-bench
BENCH_ARGS ?= --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
bench:
	@bash scripts/setup-deps.sh bench
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release \
	  "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" -DKORVANE_BENCH=ON >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS) --target korvane-bench -- --no-print-directory
	@mkdir -p $(BENCH_BUILD)/xdg-runtime && chmod 700 $(BENCH_BUILD)/xdg-runtime
	@cd $(BENCH_BUILD)/bin && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(CURDIR)/$(BENCH_BUILD)/xdg-runtime \
	  ./korvane-bench $(BENCH_ARGS)

# cmake --install of the normal build; PREFIX=/usr/local unless given.
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, from a Release tree of its own at -O2 without the
# tests; package-check installs it, uses it as an unprivileged user and
# removes it again (root only).
PACKAGE_BUILD := build-package
package:
	@bash scripts/setup-deps.sh package
	@cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
	  -DKORVANE_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS) -- --no-print-directory
	@cd $(PACKAGE_BUILD) && cpack -G DEB >/dev/null
	@ls $(PACKAGE_BUILD)/*.deb

package-check: package
	@bash scripts/check-package.sh $(PACKAGE_BUILD)

clean:
	@rm -rf $(BUILD) $(BUILD)-asan build-fuzz $(BENCH_BUILD) $(PACKAGE_BUILD)
