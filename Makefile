# SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Thin wrapper around CMake. `make run` and `make test` are all a newcomer needs.

BUILD ?= build
JOBS ?= $(shell nproc)
BIN := $(BUILD)/bin
SAMPLES := $(BUILD)/samples
# The builds here treat warnings as errors; a plain cmake build does not.
WERROR := -DKORVANE_WERROR=ON
# Outputs that carry a date (man pages, resources, packages) take the last
# commit's, so that two builds of one commit are the same.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null || dpkg-parsechangelog -l CHANGELOG -STimestamp)
export SOURCE_DATE_EPOCH

.PHONY: all setup configure build build-run samples run test test-sanitize fuzz bench install package package-check windows windows-test clean

all: build

setup:
	@bash scripts/setup-deps.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS) -- --no-print-directory

# What make run runs: the program, the sample builder and their
# libraries, not the tests.
build-run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target korvane korvane-samplerom -- --no-print-directory

# Only missing samples are written: edits to the others stay.
samples: build-run
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
	@cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DKORVANE_SANITIZE=ON $(WERROR) >/dev/null
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
	  "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" -DKORVANE_BENCH=ON $(WERROR) >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS) --target korvane-bench -- --no-print-directory
	@mkdir -p $(BENCH_BUILD)/xdg-runtime && chmod 700 $(BENCH_BUILD)/xdg-runtime
	@cd $(BENCH_BUILD)/bin && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(CURDIR)/$(BENCH_BUILD)/xdg-runtime \
	  ./korvane-bench $(BENCH_ARGS)

# cmake --install of the normal build; PREFIX=/usr/local unless given.
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian packages korvane-tool and pelbo-korvane, from a Release tree
# of their own at -O2 with Debian's hardening flags and without the tests;
# package-check runs lintian, builds them a second time from a copy of the
# sources to compare the bytes, installs them, uses the programs as an
# unprivileged user and removes them again (root only).
PACKAGE_BUILD := build-package
package:
	@bash scripts/setup-deps.sh package
	@bash scripts/build-package.sh $(PACKAGE_BUILD)

package-check: package
	@bash scripts/check-package.sh $(PACKAGE_BUILD)

# 64-bit Windows, cross-built with MinGW-w64 against a Qt built once from
# Debian's source (scripts/build-qt-mingw.sh, kept in ~/.cache and usable
# from any clone: the toolchain file is this clone's): the programs and
# their tests in build-windows/, and the zip to hand out.
WINDOWS_BUILD := build-windows
windows:
	@bash scripts/setup-deps.sh windows
	@qt=$$(bash scripts/build-qt-mingw.sh | tail -n 1) && \
	  "$$qt/bin/qt-cmake" -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(WERROR) \
	    -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/scripts/mingw-toolchain.cmake \
	    -DZLIB_USE_STATIC_LIBS=ON -DCMAKE_CROSSCOMPILING_EMULATOR=$(CURDIR)/scripts/wine-run.sh >/dev/null
	@grep -qs 'set(CMAKE_CXX_COMPILER ".*mingw32' $(WINDOWS_BUILD)/CMakeFiles/*/CMakeCXXCompiler.cmake || { \
	  echo "The Windows build in $(WINDOWS_BUILD) does not use the MinGW-w64 compiler:"; \
	  grep -hs 'set(CMAKE_CXX_COMPILER ' $(WINDOWS_BUILD)/CMakeFiles/*/CMakeCXXCompiler.cmake; \
	  echo "remove $(WINDOWS_BUILD) and try again"; exit 1; }
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@cmake --build $(WINDOWS_BUILD) --target windows-zip >/dev/null
	@echo "The Windows zip is $$(ls $(WINDOWS_BUILD)/pelbo-korvane-*-win64.zip)"

# The core, command-line and window tests of that build, under Wine.
windows-test: windows
	@bash scripts/wine-ctest.sh $(CURDIR)/$(WINDOWS_BUILD) $(JOBS)

clean:
	@rm -rf $(BUILD) $(BUILD)-asan build-fuzz $(BENCH_BUILD) $(PACKAGE_BUILD) $(WINDOWS_BUILD)
