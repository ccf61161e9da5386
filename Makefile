# Two commands for a fresh Debian 12 machine (as root or with sudo):
#   make run    installs what is missing, builds and starts the game
#   make test   installs what is missing, builds and runs every test,
#               then again built with AddressSanitizer and UndefinedBehaviorSanitizer
#   make soak   random input against the game, EVENTS=1000000 events by default
#   make fuzz   the fuzz targets for SECONDS=60 seconds (make test runs it too)
BUILD      ?= build
BUILD_SAN  ?= build-sanitize
BUILD_FUZZ ?= build-fuzz
JOBS       ?= $(shell nproc)
EVENTS     ?= 1000000
SECONDS    ?= 60
CMAKE_ARGS ?=

.PHONY: run test setup build build-sanitize bench soak fuzz clean

run: build
	./$(BUILD)/src/app/quorvanel $(ARGS)

test: build build-sanitize
	scripts/run-tests $(BUILD)
	scripts/run-tests $(BUILD_SAN)
	$(MAKE) fuzz SECONDS=60

setup:
	@scripts/setup

build: setup
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-sanitize: setup
	@cmake -S . -B $(BUILD_SAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVANEL_SANITIZE=ON $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD_SAN) -j $(JOBS)

bench: build
	./$(BUILD)/bench/quorvanel_bench

# A long soak on the plain build: EVENTS random events, invariants checked after each.
soak: build
	./$(BUILD)/tests/soak/quorvanel_soak --events $(EVENTS) --playthrough docs/playthrough.txt

# The fuzz targets (libFuzzer, clang 14) in a tree of their own, SECONDS in all.
fuzz: setup
	@cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DQUORVANEL_FUZZ=ON $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD_FUZZ) -j $(JOBS) -t fuzz_script fuzz_command_line
	scripts/run-fuzz $(BUILD_FUZZ) $(SECONDS)

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ)
