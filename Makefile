# make run and make test: the README's two commands once make is there
# (tibalou.sh installs it); both install whatever else is missing first.
BUILD ?= build
JOBS ?= 2
CMAKE_ARGS ?=

.PHONY: run test build deps clean soak soak-x sanitize package bench web serve-web browser-deps test-web bench-web web-picture

# make soak [ACTIONS=n] [SEED=s]: the random pupil, at length.
ACTIONS ?= 1000000
SEED ?=

# The CMake preset (CMakePresets.json) that builds in BUILD: "default" in
# build/, "sanitize" in build-sanitize/, "clang" in build-clang/.
PRESET = $(if $(filter build,$(BUILD)),default,$(BUILD:build-%=%))

run: build
	$(BUILD)/tibalou

test: build
	ctest --preset $(PRESET) -j $(JOBS)

build: deps
	cmake --preset $(PRESET) $(CMAKE_ARGS) >/dev/null
	cmake --build --preset $(PRESET) -j $(JOBS)

deps:
	@sh scripts/install-deps.sh

soak: build
	$(BUILD)/bench/soak --actions $(ACTIONS) $(if $(SEED),--seed $(SEED))

# make soak-x [ACTIONS=n] [SEED=s] [BUILD=dir]: the random pupil with a real
# keyboard and mouse, on a virtual X server of its own with a window manager
# (100 000 actions unless ACTIONS is given). BUILD=build-sanitize runs it in
# the sanitizer build that make sanitize configured; a sanitizer stops it with
# abort(), on which the soak passes on what it held back of stderr.
soak-x: deps
	@sh scripts/install-deps.sh x
	cmake --preset $(PRESET) $(CMAKE_ARGS) >/dev/null
	cmake --build --preset $(PRESET) --target soak_x -j $(JOBS)
	ASAN_OPTIONS=$${ASAN_OPTIONS:-abort_on_error=1} \
	LSAN_OPTIONS=$${LSAN_OPTIONS:-suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0} \
	UBSAN_OPTIONS=$${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1:abort_on_error=1} \
	sh scripts/with-x.sh $(BUILD)/bench/soak_x \
		--actions $(if $(filter command line environment,$(origin ACTIONS)),$(ACTIONS),100000) \
		$(if $(SEED),--seed $(SEED))

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# (the sanitizers' options are the test preset's).
sanitize: deps
	$(MAKE) --no-print-directory test BUILD=build-sanitize

# Speed and memory against bare Qt Widgets, measured in one run.
bench: deps
	@sh scripts/install-deps.sh bench
	cmake --preset $(PRESET) $(CMAKE_ARGS) >/dev/null
	cmake --build --preset $(PRESET) --target bench -j $(JOBS)
	$(BUILD)/bench/bench

# The Debian source and binary packages, built by dpkg-buildpackage from a
# copy of the tree, in build-package/.
package: deps
	@sh scripts/install-deps.sh package
	JOBS=$(JOBS) sh scripts/package.sh

# The browser build: Qt for WebAssembly is built once into a cache
# (scripts/qt-wasm.sh, TIBALOU_CACHE), then the program and its site, which
# build-web/ holds, ready for any web server.
TIBALOU_CACHE ?= /var/cache/tibalou
export TIBALOU_CACHE
WEB_BUILD ?= build-wasm
PORT ?= 8080
web_env = EMSDK=$(TIBALOU_CACHE)/emsdk NODE_PATH=/usr/share/nodejs

web: deps
	@sh scripts/install-deps.sh web
	sh scripts/qt-wasm.sh
	$(web_env) $(TIBALOU_CACHE)/qt-6.4.2-wasm/bin/qt-cmake -S . -B $(WEB_BUILD) -G Ninja \
		-DCMAKE_BUILD_TYPE=MinSizeRel $(CMAKE_ARGS) >/dev/null
	$(web_env) cmake --build $(WEB_BUILD) -j $(JOBS)
	rm -rf build-web
	cmake --install $(WEB_BUILD) --prefix build-web --component web >/dev/null
	@echo "web: the site is in build-web/"

# make serve-web [PORT=8080]: the site on this machine only, until Ctrl+C.
serve-web: web
	@echo "Tibalou : http://localhost:$(PORT)/"
	cd build-web && python3 -m http.server $(PORT) --bind 127.0.0.1

# The site in headless Chromium, and its figures, driven from tests/web/.
browser-deps:
	@sh scripts/install-deps.sh browser

tests/web/node_modules/.package-lock.json: tests/web/package-lock.json | browser-deps
	cd tests/web && npm ci --no-audit --no-fund

test-web: web browser-deps tests/web/node_modules/.package-lock.json
	node tests/web/run.mjs build-web

bench-web: web browser-deps tests/web/node_modules/.package-lock.json
	node tests/web/bench.mjs build-web

# The README's picture of the browser build, in docs/.
web-picture: web browser-deps tests/web/node_modules/.package-lock.json
	node tests/web/picture.mjs build-web docs/navigateur.png

clean:
	rm -rf $(BUILD) build-sanitize build-package $(WEB_BUILD) build-web
