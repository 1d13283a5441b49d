# SPDX-License-Identifier: GPL-3.0-or-later
# radioprog: two commands set everything up on a fresh Debian 12 machine.
#   make run   installs what is missing, builds, starts the application
#   make test  installs what is missing, builds, runs every test through CTest
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test clean sanitize bench fuzz format check-format check-portable install package dist

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/radioprog ]; then \
	  if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "No display: starting the application under Xvfb"; \
	    xvfb-run -a -s "-screen 0 1280x800x24" $(BUILD)/bin/radioprog; \
	  else $(BUILD)/bin/radioprog; fi; \
	else $(BUILD)/bin/radioprog-cli --help; fi

test: build check-format
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@if command -v $(MINGW_CXX) >/dev/null 2>&1; then $(MAKE) --no-print-directory check-portable; \
	else echo "check-portable: skipped, $(MINGW_CXX) is not installed"; fi

# The core library cross-compiled for 64-bit Windows with MinGW-w64, warnings as
# errors and every object linked: the rules of the program stay portable.
PORTABLE_BUILD ?= build-portable
MINGW_CXX ?= x86_64-w64-mingw32-g++-posix
check-portable:
	cmake -S . -B $(PORTABLE_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	  -DRADIOPROG_CORE_ONLY=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
	cmake --build $(PORTABLE_BUILD) -j $(JOBS)
	@echo "check-portable: radiocore builds for Windows"

# The tests again with the address and undefined-behaviour sanitizers.
sanitize: deps
	cmake -S . -B build-asan -G Ninja -DRADIOPROG_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bin/radioprog-bench
	if [ -x $(BUILD)/bin/radioprog-bench-gui ]; then $(BUILD)/bin/radioprog-bench-gui; fi
	if [ -x $(BUILD)/bin/radioprog-bench-startup ]; then $(BUILD)/bin/radioprog-bench-startup; fi

# Installs into PREFIX (default /usr/local); run as root for a system prefix.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package $(BUILD)/radioprog_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD) --target package

# The source release radioprog-<version>.tar.gz of the committed tree (HEAD) in
# DIST_DIR, the version taken from CMakeLists.txt. Changes not committed are not in it.
DIST_DIR ?= .
VERSION = $(shell sed -En 's/^project[(]radioprog VERSION ([0-9.]+) LANGUAGES CXX[)]$$/\1/p' CMakeLists.txt)
dist:
	@git rev-parse --is-inside-work-tree >/dev/null 2>&1 || { echo "dist: needs a git checkout"; exit 1; }
	@git diff --quiet HEAD || echo "dist: changes not committed are left out"
	git archive --format=tar.gz --prefix=radioprog-$(VERSION)/ -o $(DIST_DIR)/radioprog-$(VERSION).tar.gz HEAD
	@echo "dist: $(DIST_DIR)/radioprog-$(VERSION).tar.gz"

# Every fuzz target for FUZZ_SECONDS each, one after the other (clang, libFuzzer).
FUZZ_SECONDS ?= 60
fuzz: deps
	JOBS=$(JOBS) tests/fuzz/fuzz.sh all $(BUILD)/fuzz $(FUZZ_SECONDS)

# Every C++ file of the tree in the style of .clang-format (found without git, so
# that an unpacked source release is checked too; build folders left out).
CPP_FILES = find . \( -type d \( -name 'build*' -o -name '.*' ! -name . \) -prune \) -o -type f \
  \( -name '*.cpp' -o -name '*.h' \) -print0
format:
	$(CPP_FILES) | xargs -0 clang-format -i

check-format:
	@$(CPP_FILES) | xargs -0 clang-format --dry-run --Werror && echo "check-format: clean"

clean:
	rm -rf $(BUILD) build-asan $(PORTABLE_BUILD) radioprog-*.tar.gz
