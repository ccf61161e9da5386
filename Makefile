# Make targets for a fresh Debian 12 machine (as root or with sudo); each first
# installs the Debian packages it needs (scripts/setup):
#   make run      builds the game alone and starts it (ARGS="--seed 42" passes options)
#   make check    every test of one build tree, no sanitizers: the quick local run
#   make test     the full run CI makes: make check, then every test again built
#                 with AddressSanitizer + UBSan, and a Release build of the game
#   make bench    the benchmarks (Google Benchmark)
#   make package  the Debian package (.deb) of a Release build, in build-release/
#   make format   applies .clang-format to the C++ sources
# The test builds treat warnings as errors (QUORVANEL_WERROR).
BUILD         ?= build
BUILD_SAN     ?= build-sanitize
BUILD_RELEASE ?= build-release
JOBS          ?= $(shell nproc)
CMAKE_ARGS    ?=

# $(call configure,DIR,OPTIONS): CMAKE_ARGS last, so that they win.
configure = cmake -S . -B $(1) -G Ninja $(2) $(CMAKE_ARGS) >/dev/null
TEST_OPTIONS = -DQUORVANEL_WERROR=ON -DQUORVANEL_TESTS=ON

.PHONY: run check test build build-sanitize build-release bench package format clean

run:
	@scripts/setup run
	@$(call configure,$(BUILD))
	@cmake --build $(BUILD) -j $(JOBS) -t quorvanel
	./$(BUILD)/src/app/quorvanel $(ARGS)

check: build
	scripts/run-tests $(BUILD)

test: check build-sanitize build-release
	scripts/run-tests $(BUILD_SAN)

build:
	@scripts/setup test
	@$(call configure,$(BUILD),$(TEST_OPTIONS))
	@cmake --build $(BUILD) -j $(JOBS)

build-sanitize:
	@scripts/setup test
	@$(call configure,$(BUILD_SAN),-DCMAKE_BUILD_TYPE=Debug -DQUORVANEL_SANITIZE=ON $(TEST_OPTIONS))
	@cmake --build $(BUILD_SAN) -j $(JOBS)

# What a packager builds: kept free of warnings with GCC's optimizer on.
build-release:
	@scripts/setup run
	@$(call configure,$(BUILD_RELEASE),-DCMAKE_BUILD_TYPE=Release -DQUORVANEL_WERROR=ON \
	  -DQUORVANEL_TESTS=OFF -DQUORVANEL_BENCH=OFF)
	@cmake --build $(BUILD_RELEASE) -j $(JOBS) -t quorvanel

bench:
	@scripts/setup test
	@$(call configure,$(BUILD),-DQUORVANEL_BENCH=ON)
	@cmake --build $(BUILD) -j $(JOBS) -t quorvanel_bench
	./$(BUILD)/bench/quorvanel_bench

package:
	@scripts/setup package
	@$(call configure,$(BUILD_RELEASE),-DCMAKE_BUILD_TYPE=Release -DQUORVANEL_TESTS=OFF -DQUORVANEL_BENCH=OFF)
	@cmake --build $(BUILD_RELEASE) -j $(JOBS) -t package

format:
	@scripts/setup format
	clang-format -i $$(git ls-files '*.h' '*.cpp')

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_RELEASE)
