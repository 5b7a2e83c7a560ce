# Thin wrapper around CMake. `make run` and `make test` are all a newcomer needs.

BUILD ?= build
JOBS ?= $(shell nproc)
BIN := $(BUILD)/bin
SAMPLES := $(BUILD)/samples

.PHONY: all setup configure build samples run test clean

all: build

setup:
	@bash scripts/setup-deps.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS) -- --no-print-directory

samples: build
	@$(BIN)/korvane-samplerom $(SAMPLES) >/dev/null
	@echo "Sample images are in $(SAMPLES)/"

run: samples
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: try 'xvfb-run make run'."; exit 1; fi
	@$(BIN)/pelbo-korvane

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	@rm -rf $(BUILD)
