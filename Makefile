# Two commands for a fresh Debian 12 machine (as root or with sudo):
#   make run    installs what is missing, builds and starts the game
#   make test   installs what is missing, builds and runs every test,
#               then again built with AddressSanitizer and UndefinedBehaviorSanitizer
#   make soak   random input against the game, EVENTS=1000000 events by default
BUILD      ?= build
BUILD_SAN  ?= build-sanitize
JOBS       ?= $(shell nproc)
EVENTS     ?= 1000000
CMAKE_ARGS ?=

.PHONY: run test setup build build-sanitize bench soak clean

run: build
	./$(BUILD)/src/app/quorvanel $(ARGS)

test: build build-sanitize
	scripts/run-tests $(BUILD)
	scripts/run-tests $(BUILD_SAN)

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

clean:
	rm -rf $(BUILD) $(BUILD_SAN)
