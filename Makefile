# The two commands of the README; both install what is missing first.
BUILD ?= build
JOBS ?= 2

.PHONY: run test build deps clean

run: build
	$(BUILD)/tibalou

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@sh scripts/install-deps.sh

clean:
	rm -rf $(BUILD)
