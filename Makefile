# Two commands: `make run` builds and starts the program, `make test` builds
# and runs every test. Both install what is missing first.
BUILD ?= build
MAKEFLAGS += --no-print-directory
JOBS  ?= $(shell nproc)

.PHONY: run test bench build deps clean format

deps:
	@tools/setup.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/vextondof

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD)/bench/vextondof-bench --benchmark_repetitions=9 --benchmark_min_time=0.2 | tail -n 1
	@$(BUILD)/bench/startup-bench $(BUILD)/app/vextondof $(BUILD)/bench/bare-dialog
	@$(BUILD)/bench/calculate-bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
