# Two commands for a fresh Debian 12 machine (as root or with sudo):
#   make run    installs what is missing, builds and starts the game
#   make test   installs what is missing, builds and runs every test,
#               then again built with AddressSanitizer and UndefinedBehaviorSanitizer,
#               and the browser build in headless Chromium
#   make web    builds the game for the browser into build-web/site/
#   make serve  serves that page on http://127.0.0.1:8000
BUILD      ?= build
BUILD_SAN  ?= build-sanitize
BUILD_WEB  ?= build-web
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: run test setup build build-sanitize web serve bench clean

run: build
	./$(BUILD)/src/app/quorvanel $(ARGS)

test: build build-sanitize web
	scripts/run-tests $(BUILD)
	scripts/run-tests $(BUILD_SAN)
	scripts/web-tests $(BUILD) $(BUILD_WEB)

setup:
	@scripts/setup

build: setup
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-sanitize: setup
	@cmake -S . -B $(BUILD_SAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVANEL_SANITIZE=ON $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD_SAN) -j $(JOBS)

# Debian's emscripten; FreeType comes from Debian's source package.
web: setup
	@scripts/build-web-freetype $(BUILD_WEB)/freetype
	@NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(BUILD_WEB) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DQUORVANEL_WEB_FREETYPE=$(CURDIR)/$(BUILD_WEB)/freetype $(CMAKE_ARGS) >/dev/null
	@NODE_PATH=/usr/share/nodejs cmake --build $(BUILD_WEB) -j $(JOBS)

serve: web
	@echo "Quorvanel: http://127.0.0.1:8000/"
	@cd $(BUILD_WEB)/site && python3 -m http.server --bind 127.0.0.1 8000 >/dev/null

bench: build
	./$(BUILD)/bench/quorvanel_bench

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_WEB)
