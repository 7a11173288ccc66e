# The front door. `make run` and `make test` work on a fresh Debian machine as root.
SHELL := /bin/bash
JOBS  ?= $(shell nproc)
B     := build
CMAKE_GEN := -G Ninja

NATIVE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELM_SANITIZE=ON -DTRELM_BENCH=OFF
WIN64_FLAGS  := -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-win64.cmake -DCMAKE_BUILD_TYPE=Release
WIN32_FLAGS  := -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-win32.cmake -DCMAKE_BUILD_TYPE=Release
BENCH_FLAGS  := -DCMAKE_BUILD_TYPE=Release -DTRELM_TESTS=OFF -DTRELM_BENCH=ON
FUZZ_FLAGS   := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
                -DTRELM_TESTS=OFF -DTRELM_BENCH=OFF -DTRELM_FUZZ=ON

.PHONY: all bootstrap build native win64 win32 test test-native test-wine dist run bench fuzz clean

all: build

bootstrap:
	@scripts/bootstrap

# Configure once per build folder; ninja decides what is out of date.
define configure
	@[ -f $(B)/$(1)/build.ninja ] || cmake -S . -B $(B)/$(1) $(CMAKE_GEN) $(2) >/dev/null
endef

native: bootstrap
	$(call configure,native,$(NATIVE_FLAGS))
	cmake --build $(B)/native -j$(JOBS)

win64: bootstrap
	$(call configure,win64,$(WIN64_FLAGS))
	cmake --build $(B)/win64 -j$(JOBS)

win32: bootstrap
	$(call configure,win32,$(WIN32_FLAGS))
	cmake --build $(B)/win32 -j$(JOBS)

build: native win64 win32

test: build
	$(MAKE) --no-print-directory test-native test-wine

test-native:
	ctest --test-dir $(B)/native --output-on-failure -j$(JOBS)

# The Windows tests run under wine64 in a throwaway prefix on a virtual display.
test-wine:
	rm -rf $(B)/wineprefix-test
	scripts/wine-session $(B)/wineprefix-test ctest --test-dir $(B)/win64 --output-on-failure

dist: win64 win32
	rm -rf dist/win64 dist/win32
	cmake --install $(B)/win64 --prefix $(CURDIR)/dist/win64 >/dev/null
	cmake --install $(B)/win32 --prefix $(CURDIR)/dist/win32 >/dev/null
	@echo "installed program in dist/win64 and dist/win32"

run: dist
	scripts/run-program dist/win64

bench: bootstrap win64
	$(call configure,bench,$(BENCH_FLAGS))
	cmake --build $(B)/bench -j$(JOBS)
	scripts/run-benchmarks $(B)/bench $(B)/win64

# FUZZ_SECONDS: total time budget per fuzz target (default one minute).
fuzz: bootstrap
	$(call configure,fuzz,$(FUZZ_FLAGS))
	cmake --build $(B)/fuzz -j$(JOBS)
	scripts/run-fuzzers $(B)/fuzz $${FUZZ_SECONDS:-60}

clean:
	rm -rf $(B) dist
