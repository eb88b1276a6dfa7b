# Thin wrappers: `make run` builds and starts the program, `make test` builds and runs
# every test. Both install the Debian packages they need first. `make mutate` runs the
# mutation check of the rules and the store (not part of `make test`), `make lint`
# clang-tidy with the naming rules over every file (`make test` checks only the files
# that differ from the previous commit).
PRESET ?= default
BUILD := build/$(PRESET)

.PHONY: deps build run test bench mutate lint clean

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

mutate: deps
	@scripts/mutate $(FILES)

lint: deps
	@scripts/lint

clean:
	rm -rf build
