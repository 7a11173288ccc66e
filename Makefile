# The front door. `make run` and `make test` work on a fresh Debian machine as root.
SHELL := /bin/bash
JOBS  ?= $(shell nproc)
B     := build
CMAKE_GEN := -G Ninja

NATIVE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELM_SANITIZE=ON -DTRELM_BENCH=ON
WIN64_FLAGS  := -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-win64.cmake -DCMAKE_BUILD_TYPE=Release
WIN32_FLAGS  := -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-win32.cmake -DCMAKE_BUILD_TYPE=Release
# What ships: optimised, without tests, benchmarks or the test builds' handle counters (stripped at install).
SHIP_FLAGS   := -DCMAKE_BUILD_TYPE=Release -DTRELM_TESTS=OFF -DTRELM_BENCH=OFF
SHIP64_FLAGS := -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-win64.cmake $(SHIP_FLAGS)
SHIP32_FLAGS := -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-win32.cmake $(SHIP_FLAGS)
BENCH_FLAGS  := -DCMAKE_BUILD_TYPE=Release -DTRELM_TESTS=OFF -DTRELM_BENCH=ON
FUZZ_FLAGS   := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
                -DTRELM_TESTS=OFF -DTRELM_BENCH=OFF -DTRELM_FUZZ=ON

.PHONY: all bootstrap build native win64 win32 ship-win64 ship-win32 ship-native test test-native test-wine dist run bench soak fuzz clean

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

# The native tests run beside the Windows ones, which mostly wait on windows; each run's output is shown
# whole when it ends.
test: build
	$(MAKE) --no-print-directory -j2 --output-sync=line test-native test-wine

test-native:
	ctest --test-dir $(B)/native --output-on-failure -j$(JOBS)

# The Windows tests of both builds, under Wine, DESKTOPS at a time: each test on a virtual desktop of its
# own, an X display and a Wine prefix (scripts/wine-desktops), so tests that click and type run side by side.
DESKTOPS ?= 4
test-wine:
	scripts/wine-desktops $(B)/wine-test $(DESKTOPS) bash -c 'status=0; for build in "$$@"; do \
	  echo "== Windows tests, $$build"; \
	  ctest --test-dir $(B)/$$build --output-on-failure -j$(DESKTOPS) \
	    --resource-spec-file "$$TRELM_DESKTOPS/desktops.json" || status=1; done; exit $$status' _ win64 win32

ship-win64: bootstrap
	$(call configure,ship-win64,$(SHIP64_FLAGS))
	cmake --build $(B)/ship-win64 -j$(JOBS)

ship-win32: bootstrap
	$(call configure,ship-win32,$(SHIP32_FLAGS))
	cmake --build $(B)/ship-win32 -j$(JOBS)

# The profile tool alone, natively for Linux.
ship-native: bootstrap
	$(call configure,ship-native,$(SHIP_FLAGS))
	cmake --build $(B)/ship-native --target trelm-profile -j$(JOBS)

# project()'s version, as the release configuration recorded it.
ship_version = $(shell sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $(B)/ship-win64/CMakeCache.txt)

# The installed program from the release configurations, and a Windows Installer package of each.
dist: ship-win64 ship-win32 ship-native
	rm -rf dist/win64 dist/win32 dist/native dist/*.msi
	cmake --install $(B)/ship-win64 --prefix $(CURDIR)/dist/win64 --strip >/dev/null
	cmake --install $(B)/ship-win32 --prefix $(CURDIR)/dist/win32 --strip >/dev/null
	cmake --install $(B)/ship-native --prefix $(CURDIR)/dist/native --component profile_tool --strip >/dev/null
	scripts/make-msi dist/win64 --arch x64 --version $(ship_version) --wxs $(B)/ship-win64/OsselSetting.wxs \
	  --actions $(B)/ship-win64/tools/installer/TrelmSetup.dll --out dist/OsselSetting-$(ship_version)-x64.msi
	scripts/make-msi dist/win32 --arch x86 --version $(ship_version) --wxs $(B)/ship-win32/OsselSetting.wxs \
	  --actions $(B)/ship-win32/tools/installer/TrelmSetup.dll --out dist/OsselSetting-$(ship_version)-x86.msi
	@echo "installed program in dist/win64 and dist/win32, installers in dist/, the profile tool in dist/native"

# LANGUAGE=de runs with the German texts (a folder of lang/ in the installed program); LAYOUT=0, 1 or 2 with
# the keyboard of 104, 105 or 109 keys (the header value Language, kept in the run's Wine prefix); ARCH=win32
# the 32-bit program.
ARCH ?= win64
run: dist
	scripts/run-program dist/$(ARCH) $(if $(LANGUAGE),--language $(LANGUAGE)) $(if $(LAYOUT),--layout $(LAYOUT))

bench: bootstrap win64
	$(call configure,bench,$(BENCH_FLAGS))
	cmake --build $(B)/bench -j$(JOBS)
	scripts/run-benchmarks $(B)/bench $(B)/win64

# FUZZ_SECONDS: total time budget per fuzz target (default one minute).
# Every window and menu opened and closed 500 times, a full macro recorded 50 times (a quarter of an hour).
soak: bootstrap win64
	rm -rf $(B)/wineprefix-soak
	TRELM_LONG_USE=full scripts/wine-session $(B)/wineprefix-soak \
	  ctest --test-dir $(B)/win64 -R '^app_long_use_tests$$' --output-on-failure --verbose

fuzz: bootstrap
	$(call configure,fuzz,$(FUZZ_FLAGS))
	cmake --build $(B)/fuzz -j$(JOBS)
	scripts/run-fuzzers $(B)/fuzz $${FUZZ_SECONDS:-60}

clean:
	rm -rf $(B) dist
