# SPDX-License-Identifier: GPL-3.0-or-later
# The commands of the README. Each one sets up what it needs first.

.PHONY: all deps build test sanitize clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake --preset dev
	cmake --build --preset dev

test: build
	ctest --preset dev

sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

clean:
	rm -rf build
