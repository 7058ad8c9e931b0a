# SPDX-License-Identifier: GPL-3.0-or-later
# The commands of the README. Each one sets up what it needs first.

.PHONY: all deps build run test sanitize screenshot clean

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

screenshot: build
	scripts/screenshot build/dev/app/zunovar docs/screenshot.png

clean:
	rm -rf build
