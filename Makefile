# Make targets for a fresh Debian 12 machine (as root or with sudo); each first
# installs the Debian packages it needs (scripts/setup):
#   make run      builds the game alone and starts it (ARGS="--seed 42" passes options);
#                 its manual page: man -l build/data/quorvanel.6
#   make check    every test of one build tree, no sanitizers: the quick local run
#   make test     the full run CI makes: make check, then every test again built
#                 with AddressSanitizer + UBSan, a Release build of the game, the
#                 browser build tested in headless Chromium, and the Windows build
#                 and its downloads tested under Wine (make windows-check)
#   make web      the game for the browser (Debian's emscripten), in build-web/site/
#   make serve    serves that page on http://127.0.0.1:8000 (PORT=N another port),
#                 its files compressed
#   make bench    the benchmarks (Google Benchmark)
#   make soak     random input against the game on the plain build (EVENTS=1000000)
#   make fuzz     the fuzz targets (libFuzzer, clang 14) for SECONDS=60 in all;
#                 make test runs them too
#   make package  the Debian package (.deb) of a Release build with the flags
#                 dpkg-buildflags gives (hardening), in build-release/
#   make format   applies .clang-format to the C++ sources
#   make windows  the game for 64-bit Windows, cross-built with MinGW-w64, in
#                 build-windows/ (its libraries built once into ~/.cache/quorvanel),
#                 and its downloads there: quorvanel-<version>-win64-setup.exe
#                 (the installer) and quorvanel-<version>-win64.zip
#   make windows-check  the Windows build's tests, run under Wine by ctest: every
#                 layer's, the playthroughs and screenshots against Linux's, the
#                 installer and the zip as a player uses them, real windows on Xvfb
#                 (keys, pictures, the settings kept)
# The test builds treat warnings as errors (QUORVANEL_WERROR).
BUILD         ?= build
BUILD_SAN     ?= build-sanitize
BUILD_RELEASE ?= build-release
BUILD_WEB     ?= build-web
BUILD_FUZZ    ?= build-fuzz
BUILD_WINDOWS ?= build-windows
JOBS          ?= $(shell nproc)
EVENTS        ?= 1000000
SECONDS       ?= 60
CMAKE_ARGS    ?=
PORT          ?= 8000

# $(call configure,DIR,OPTIONS): CMAKE_ARGS last, so that they win.
configure = cmake -S . -B $(1) -G Ninja $(2) $(CMAKE_ARGS) >/dev/null
TEST_OPTIONS = -DQUORVANEL_WERROR=ON -DQUORVANEL_TESTS=ON
# The flags Debian's packaging tools give a package's build (dpkg-buildflags):
# fortified functions, stack protector, full RELRO, no build folder in the binary.
export DEB_BUILD_MAINT_OPTIONS ?= hardening=+all
PACKAGE_OPTIONS = -DCMAKE_BUILD_TYPE=Release -DQUORVANEL_TESTS=OFF -DQUORVANEL_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"

.PHONY: run check test build build-sanitize build-release web serve bench soak fuzz package format windows windows-check clean

run:
	@scripts/setup run
	@$(call configure,$(BUILD))
	@cmake --build $(BUILD) -j $(JOBS) -t quorvanel
	./$(BUILD)/src/app/quorvanel $(ARGS)

check: build
	scripts/run-tests $(BUILD)

test: check build-sanitize build-release web
	scripts/run-tests $(BUILD_SAN)
	$(MAKE) fuzz SECONDS=60
	scripts/web-tests $(BUILD) $(BUILD_WEB)
	$(MAKE) windows-check NATIVE=$(BUILD)

build:
	@scripts/setup test
	@$(call configure,$(BUILD),$(TEST_OPTIONS))
	@cmake --build $(BUILD) -j $(JOBS)

build-sanitize:
	@scripts/setup test
	@$(call configure,$(BUILD_SAN),-DCMAKE_BUILD_TYPE=Debug -DQUORVANEL_SANITIZE=ON $(TEST_OPTIONS))
	@cmake --build $(BUILD_SAN) -j $(JOBS)

# What a packager builds: kept free of warnings with GCC's optimizer and
# Debian's hardening on.
build-release:
	@scripts/setup package
	@$(call configure,$(BUILD_RELEASE),$(PACKAGE_OPTIONS) -DQUORVANEL_WERROR=ON)
	@cmake --build $(BUILD_RELEASE) -j $(JOBS) -t quorvanel

# FreeType for WebAssembly comes from Debian's source package of the version
# the desktop links; the page's icons are drawn by a native make-icons.
web:
	@scripts/setup web
	@scripts/build-web-freetype $(BUILD_WEB)/freetype
	@$(call configure,$(BUILD_WEB)/native,-DCMAKE_BUILD_TYPE=Release -DQUORVANEL_TESTS=OFF -DQUORVANEL_BENCH=OFF)
	@cmake --build $(BUILD_WEB)/native -j $(JOBS) -t make-icons
	@NODE_PATH=/usr/share/nodejs emcmake $(call configure,$(BUILD_WEB),-DCMAKE_BUILD_TYPE=Release \
	  -DQUORVANEL_WERROR=ON -DQUORVANEL_WEB_FREETYPE=$(CURDIR)/$(BUILD_WEB)/freetype \
	  -DQUORVANEL_WEB_MAKE_ICONS=$(CURDIR)/$(BUILD_WEB)/native/tools/make-icons)
	@NODE_PATH=/usr/share/nodejs cmake --build $(BUILD_WEB) -j $(JOBS)

# What the build runs (the icon maker, the catalogs' tools) are Linux
# programs: make-icons comes from a native tree of its own, as does the Linux
# program the Windows one's runs are compared with; NATIVE=DIR takes both
# from a native tree already configured instead (make test: its $(BUILD)).
NATIVE ?=
native_windows = $(or $(NATIVE),$(BUILD_WINDOWS)/native)
windows:
	@scripts/setup windows
	@$(if $(NATIVE),,$(call configure,$(native_windows),-DCMAKE_BUILD_TYPE=Release -DQUORVANEL_TESTS=OFF -DQUORVANEL_BENCH=OFF))
	@cmake --build $(native_windows) -j $(JOBS) -t make-icons quorvanel
	@libraries=$$(scripts/build-windows-libraries) && \
	  if ! grep -qs "^QUORVANEL_WINDOWS_LIBRARIES:[A-Z]*=$$libraries$$$$" $(BUILD_WINDOWS)/CMakeCache.txt; then \
	    rm -f $(BUILD_WINDOWS)/CMakeCache.txt; fi && \
	  $(call configure,$(BUILD_WINDOWS),$(TEST_OPTIONS) \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/WindowsToolchain.cmake -DQUORVANEL_WINDOWS_LIBRARIES=$$libraries \
	  -DQUORVANEL_NATIVE_MAKE_ICONS=$(abspath $(native_windows))/tools/make-icons \
	  -DQUORVANEL_NATIVE_PROGRAM=$(abspath $(native_windows))/src/app/quorvanel -DQUORVANEL_BENCH=OFF)
	@cmake --build $(BUILD_WINDOWS) -j $(JOBS)

windows-check: windows
	cd $(BUILD_WINDOWS) && ctest --output-on-failure -j $(JOBS)

serve: web
	@echo "Quorvanel in a browser: http://127.0.0.1:$(PORT)/"
	@scripts/serve-web $(BUILD_WEB)/site $(PORT) >/dev/null

bench:
	@scripts/setup test
	@$(call configure,$(BUILD),-DQUORVANEL_BENCH=ON)
	@cmake --build $(BUILD) -j $(JOBS) -t quorvanel_bench
	./$(BUILD)/bench/quorvanel_bench

soak: build
	./$(BUILD)/tests/soak/quorvanel_soak --events $(EVENTS) --playthrough docs/playthrough.txt

# A tree of its own: clang, every library instrumented for coverage and sanitized.
fuzz:
	@scripts/setup test
	@$(call configure,$(BUILD_FUZZ),-DCMAKE_CXX_COMPILER=clang++-14 -DQUORVANEL_FUZZ=ON \
	  -DQUORVANEL_WERROR=ON -DQUORVANEL_TESTS=OFF -DQUORVANEL_BENCH=OFF)
	@cmake --build $(BUILD_FUZZ) -j $(JOBS) -t fuzz_script fuzz_command_line fuzz_catalog
	scripts/run-fuzz $(BUILD_FUZZ) $(SECONDS)

package:
	@scripts/setup package
	@$(call configure,$(BUILD_RELEASE),$(PACKAGE_OPTIONS))
	@cmake --build $(BUILD_RELEASE) -j $(JOBS) -t package

format:
	@scripts/setup format
	clang-format -i $$(git ls-files '*.h' '*.cpp')

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_RELEASE) $(BUILD_FUZZ) $(BUILD_WEB) $(BUILD_WINDOWS)
