# make run:   install what is missing, build, start the game
# make test:  the same, then every test, then the sanitizer run (make check)
# make check: the logic, the tools, the windows and all their tests under
#             AddressSanitizer + UBSan (windows offscreen)
# make install PREFIX=...: install the game; make deb: build a .deb

BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# Warnings are errors under make test and make check (CI), not for a plain
# build; WERROR=ON or OFF on the command line decides for any target.
WERROR ?= OFF
test check: WERROR = ON

.PHONY: all deps build run test check install deb format clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DQORZA_BUILD_UI=ON -DQORZA_WERROR=$(WERROR) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/qorza

test: build
	XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-$$(mktemp -d)} ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(MAKE) check

check: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DQORZA_SANITIZE=ON -DQORZA_BUILD_UI=ON -DQORZA_WERROR=$(WERROR) -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

PREFIX ?= /usr/local

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

deb: build
	cd $(BUILD) && cpack -G DEB

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
