# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up commands: `make run` builds and runs the game, `make test` builds and runs the tests.
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# Inputs up to 64 KB: a settings file or a script is rarely bigger.
FUZZ_MAX_LEN ?= 65536
VERSION := $(shell sed -n 's/^project.Quintaro VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

.PHONY: server bench-opponents web web-serve test-web web-bench deps test-deps configure configure-tests build build-tests run test test-asan bench fuzz clean install package dist

# Building and running need only the compiler, SDL2, FreeType and the font;
# the tests add Google Test, Google Benchmark and the desktop validators.
deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps test

# A build tree first made by `make run` leaves the tests out, until `make test` asks for them.
configure: deps
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release \
	  $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DBUILD_TESTING=OFF) $(CMAKE_ARGS)

configure-tests: test-deps
	@cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON $(CMAKE_ARGS)

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

build-tests: configure-tests
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/quintaro

# `make install PREFIX=/usr DESTDIR=/tmp/stage` stages an install; the default is /usr/local.
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, built by debian/rules; the .deb lands beside the source
# directory, as dpkg-buildpackage puts it. scripts/build-deb-in-chroot builds
# it in a clean Debian 12 instead and runs lintian.
package:
	@scripts/install-deps package
	@dpkg-buildpackage -us -uc -b

# The upstream source tarball of the last commit (or of DIST_COMMIT):
# $(BUILD)/quintaro-<version>.tar.gz. The packaging in debian/ stays out of
# it; the Debian source package brings its own.
DIST_COMMIT ?= HEAD
dist:
	@mkdir -p $(BUILD)
	@git archive --format=tar.gz --prefix=quintaro-$(VERSION)/ -o $(BUILD)/quintaro-$(VERSION).tar.gz \
	  $(DIST_COMMIT) -- . ':(exclude)debian'
	@echo "$(BUILD)/quintaro-$(VERSION).tar.gz"

test: build-tests
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: test-deps
	@cmake -S . -B $(ASAN_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DQUINTARO_SANITIZE=ON -DQUINTARO_WERROR=ON -DQUINTARO_BENCH=OFF
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build-tests
	@for b in $(BUILD)/bench/*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	  echo "== $$(basename $$b)"; "$$b" --benchmark_min_time=0.2 || exit 1; \
	done
	@echo "== room_load"; bench/server/room_load.sh $(BUILD)

# The online rooms server on 127.0.0.1:8152, in the foreground (Ctrl+C ends
# it); SERVER_ARGS="--listen 0.0.0.0:8152" lets the local network in.
server: configure
	@cmake --build $(BUILD) -j $(JOBS) --target quintaro-server
	@$(BUILD)/quintaro-server $(SERVER_ARGS)

# The computer's levels against models of a person: the table of wins (see bench/opponents_table.sh).
bench-opponents: build-tests
	@bench/opponents_table.sh $(BUILD)

fuzz:
	@scripts/install-deps fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_FUZZ=ON -DBUILD_TESTING=OFF
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	@for f in $(FUZZ_BUILD)/fuzz/fuzz_*; do \
	  [ -f "$$f" ] && [ -x "$$f" ] || continue; name=$$(basename $$f); mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  seeds=; [ -d fuzz/corpus/$$name ] && seeds=fuzz/corpus/$$name; \
	  if ! "$$f" -max_total_time=$(FUZZ_SECONDS) -max_len=$(FUZZ_MAX_LEN) -print_final_stats=1 $(FUZZ_BUILD)/corpus/$$name $$seeds \
	      > $(FUZZ_BUILD)/$$name.log 2>&1; then tail -n 40 $(FUZZ_BUILD)/$$name.log; exit 1; fi; \
	  tail -n 3 $(FUZZ_BUILD)/$$name.log; \
	done

# The program as a web page in $(WEB_BUILD)/ (quintaro.html, .js, .wasm):
# the fonts and the art come from the native tree, the program is compiled
# with Debian's emscripten (which finds its node modules in NODE_PATH).
WEB_BUILD ?= build-web
WEB_OBJ_BUILD ?= build-web-obj
WEB_PORT ?= 8151
export NODE_PATH ?= /usr/share/nodejs

web: configure
	@scripts/install-deps web
	@cmake --build $(BUILD) -j $(JOBS) --target quintaro_web_inputs
	@emcmake cmake -S . -B $(WEB_OBJ_BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release \
	  -DQUINTARO_HOST_GENERATED=$(abspath $(BUILD))/generated -DQUINTARO_WEB_OUTPUT=$(abspath $(WEB_BUILD)) $(WEB_CMAKE_ARGS) >/dev/null
	@cmake --build $(WEB_OBJ_BUILD) -j $(JOBS)
	@ls -l $(WEB_BUILD)

# The page's rooms at /room are passed to a room server on ROOM_PORT (make server).
ROOM_PORT ?= 8152
web-serve: web
	@node tests/web/serve.mjs $(WEB_BUILD) $(WEB_PORT) $(ROOM_PORT)

# The page in Debian's headless Chromium, driven by puppeteer-core.
test-web: web
	@scripts/install-deps web-test
	@cmake --build $(BUILD) -j $(JOBS) --target quintaro-headless quintaro-server
	@cmake --build $(WEB_OBJ_BUILD) -j $(JOBS) --target quintaro-headless-wasm web_transport_check
	@cd tests/web && npm ci --no-audit --no-fund --silent
	@node tests/web/run.mjs $(abspath $(WEB_BUILD)) $(abspath $(BUILD)) $(abspath $(WEB_OBJ_BUILD))

# The frame path in WebAssembly against native, in one run.
web-bench: web
	@cmake --build $(BUILD) -j $(JOBS) --target frame_path_native
	@cmake --build $(WEB_OBJ_BUILD) -j $(JOBS) --target frame_path_wasm frame_path_wasm_plain
	@bench/web/frame_path_ratio.sh $(BUILD) $(WEB_OBJ_BUILD)
	@scripts/install-deps web-test
	@cd tests/web && npm ci --no-audit --no-fund --silent
	@node bench/web/page_measure.mjs $(abspath $(WEB_BUILD))

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WEB_BUILD) $(WEB_OBJ_BUILD)
