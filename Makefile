# make run:   install what is missing, build, start the game
# make test:  the same, then every test, then the sanitizer run (make check)
# make check: logic, tools and their tests under AddressSanitizer + UBSan,
#             then a minute of fuzzing the script runner (make fuzz)
# make install PREFIX=...: install the game; make deb: build a .deb

BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build run test check fuzz install deb format clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DQORZA_BUILD_UI=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/qorza

test: build
	XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-$$(mktemp -d)} ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(MAKE) check

check: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DQORZA_SANITIZE=ON -DQORZA_BUILD_UI=OFF -DCMAKE_BUILD_TYPE=Debug
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

PREFIX ?= /usr/local

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

deb: build
	cd $(BUILD) && cpack -G DEB

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
