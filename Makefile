# SPDX-License-Identifier: GPL-3.0-or-later
# The commands of the README. Each one sets up what it needs first.

.PHONY: all deps build run test sanitize lint package screenshot clean

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

screenshot: build
	scripts/screenshot build/dev/app/zunovar docs/screenshot.png

clean:
	rm -rf build
