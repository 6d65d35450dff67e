# SPDX-License-Identifier: GPL-3.0-or-later
# make run:   install what is missing, build, start the game
# make test:  the same, then every test, then the sanitizer run (make check);
#             first of all the format check (make format-check)
# make check: the logic, the tools, the windows and all their tests under
#             AddressSanitizer + UBSan (windows offscreen), then a minute of
#             fuzzing the script runner (make fuzz)
# make install PREFIX=...: install the game; make deb: build a .deb
# make expected: write the qorza-play scripts' expected outputs afresh
# On a bare machine ./qorza does the same and first installs make itself.

BUILD ?= build
ASAN_BUILD ?= build-asan
DEB_BUILD ?= build-deb
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# Warnings are errors under make test and make check (CI), not for a plain
# build; WERROR=ON or OFF on the command line decides for any target.
WERROR ?= OFF
test check: WERROR = ON

.PHONY: all deps build run test check fuzz install deb format format-check expected clean

all: build

# Playing and installing need the build tools and Qt; the tests need more.
DEPS ?= run
test check fuzz format-check: DEPS = test
WITH_TESTS = $(if $(filter test,$(DEPS)),ON,OFF)

deps:
	@scripts/install-deps.sh $(DEPS)

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DQORZA_BUILD_UI=ON -DQORZA_WERROR=$(WERROR) \
	  -DBUILD_TESTING=$(WITH_TESTS) -DQORZA_BUILD_TOOLS=$(WITH_TESTS) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/qorza

test: format-check build
	XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-$$(mktemp -d)} ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(MAKE) check

check: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DQORZA_SANITIZE=ON -DQORZA_BUILD_UI=ON -DQORZA_WERROR=$(WERROR) -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)
	$(MAKE) fuzz

# make fuzz: the script runner under libFuzzer (clang) for FUZZ_SECONDS,
# seeded from tests/scripts/; a finding stops it and is kept in FUZZ_BUILD.
fuzz: deps
	CXX=clang++ cmake -S tools/fuzz -B $(FUZZ_BUILD) -G Ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/qorza-play-fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=4096 \
	  -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus tests/scripts

# make expected: the scripts' expected outputs written afresh by qorza-play
# (scripts/regen-expected.sh); review the diff before committing it.
expected: DEPS = test
expected: deps
	cmake -S . -B $(BUILD) -G Ninja -DBUILD_TESTING=ON -DQORZA_BUILD_TOOLS=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target qorza-play
	scripts/regen-expected.sh $(BUILD)/bin/qorza-play

PREFIX ?= /usr/local

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The .deb is built apart, with Debian's hardening flags.
deb: deps
	eval "$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"; \
	cmake -S . -B $(DEB_BUILD) -G Ninja -DQORZA_BUILD_UI=ON -DBUILD_TESTING=OFF \
	  -DQORZA_BUILD_TOOLS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$$CPPFLAGS $$CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$$LDFLAGS" \
	  -DCMAKE_MODULE_LINKER_FLAGS="$$LDFLAGS"
	cmake --build $(DEB_BUILD) -j $(JOBS)
	cd $(DEB_BUILD) && cpack -G DEB

# The C++ files: those git tracks, or every one under the source folders
# where there is no git.
CXX_FILES = { git ls-files '*.cpp' '*.h' 2>/dev/null || \
  find game sound rules scoring ui tools tests -name '*.cpp' -o -name '*.h'; }

format:
	$(CXX_FILES) | xargs clang-format -i

# Fails on any C++ file that clang-format would change.
format-check: deps
	$(CXX_FILES) | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(DEB_BUILD) $(FUZZ_BUILD)
