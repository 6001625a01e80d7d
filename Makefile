# Two commands: `make run` builds and starts the program, `make test` builds
# and runs every test. Each installs first what it needs, and only that.
BUILD ?= build
MAKEFLAGS += --no-print-directory
JOBS  ?= $(shell nproc)
CONFIGURE = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test bench package clean format

run:
	@tools/setup.sh run
	@$(CONFIGURE) -DBUILD_TESTING=OFF -DVEXTON_BENCH=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	$(BUILD)/app/vextondof

test:
	@tools/setup.sh test
	@$(CONFIGURE) -DBUILD_TESTING=ON -DVEXTON_BENCH=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench:
	@tools/setup.sh bench
	@$(CONFIGURE) -DBUILD_TESTING=OFF -DVEXTON_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@$(BUILD)/bench/vextondof-bench --benchmark_repetitions=9 --benchmark_min_time=0.2 | tail -n 1
	@$(BUILD)/bench/startup-bench $(BUILD)/bench/vextondof-first-paint $(BUILD)/bench/bare-dialog
	@$(BUILD)/bench/calculate-bench
	@$(BUILD)/bench/table-bench
	@$(BUILD)/bench/cli-bench $(BUILD)/app/vextondof $(BUILD)/bench/bare-calculate $(BUILD)/bench/bare-csv

# The Debian package, from a Release build of the program alone.
package:
	@tools/setup.sh package
	@cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	       -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
	@cmake --build build-package -j $(JOBS)
	cd build-package && cpack -G DEB

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-package
