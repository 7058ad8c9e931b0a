# SPDX-License-Identifier: GPL-3.0-or-later
# The commands of the README. Each one sets up what it needs first.

.PHONY: all deps build run test sanitize lint package fuzz soak bench screenshot clean

FUZZ_SECONDS ?= 60
SOAK_EVENTS ?= 50000
SOAK_SEED ?= 20261211
BENCH_ROUNDS ?= 10
BENCH_PRESSES ?= 10

all: build

deps:
	@scripts/install-deps

build: deps
	cmake --preset dev
	cmake --build --preset dev

run: build
	build/dev/app/zunovar

test: build
	ctest --preset dev

sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

# Formatting, clang-tidy, and a build with warnings as errors.
lint: deps
	cmake --preset lint
	cmake --build --preset lint
	scripts/lint build/lint

# The hardened release build, its packaging checks, and the .deb.
package: deps
	cmake --preset release
	cmake --build --preset release
	ctest --preset release
	cd build/release && cpack -B $(CURDIR)/build/package
	cp build/package/zunovar_*.deb .

# The board's fuzzer for FUZZ_SECONDS, from the seed corpus in the tree.
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	mkdir -p build/fuzz/corpus
	build/fuzz/tests/fuzz/board_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=build/fuzz/ build/fuzz/corpus tests/fuzz/corpus

# A longer soak than the one in the tests: SOAK_EVENTS random inputs.
soak: build
	bash tests/soak/soak_test.sh build/dev/app/zunovar build/dev/tests/soak/soak_driver \
		$(SOAK_EVENTS) $(SOAK_SEED)

# Start-up, memory and input latency against the floor program, Release build.
bench: deps
	cmake --preset release
	cmake --build --preset release
	scripts/bench build/release $(BENCH_ROUNDS) $(BENCH_PRESSES)

screenshot: build
	scripts/screenshot build/dev/app/zunovar docs/screenshot.png

clean:
	rm -rf build
