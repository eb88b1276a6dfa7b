# Thin wrappers: `make run` builds and starts the program, `make test` builds and runs
# every test. Both install the Debian packages they need first.
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: deps build run test test-asan bench clean

deps:
	@scripts/install-deps

build: deps
	@[ -f $(BUILD)/build.ninja ] || cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

run: build
	@scripts/run-program $(BUILD)/src/app/brindlemark

test: deps
	@scripts/run-tests

bench: build
	@scripts/run-bench $(BUILD)

clean:
	rm -rf build
