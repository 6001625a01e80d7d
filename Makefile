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
	@$(BUILD)/bench/chart-bench
	@$(BUILD)/bench/stack-bench
	@$(BUILD)/bench/chooser-bench
	@$(BUILD)/bench/chooser-bench 21 lens
	@$(BUILD)/bench/photo-bench $(BUILD)/app/vextondof tests/scenarios/photos/group.jpg
	@$(BUILD)/bench/shoot-bench
	@$(BUILD)/bench/cli-bench $(BUILD)/app/vextondof $(BUILD)/bench/bare-calculate $(BUILD)/bench/bare-csv

# The Debian package, as a packager builds it (debian/, dpkg-buildpackage),
# checked by lintian; the files dpkg-buildpackage leaves beside the tree go
# to build-package/.
package:
	@tools/setup.sh package
	dpkg-buildpackage -us -uc -b
	@mkdir -p build-package
	@mv ../vextondof_*.deb ../vextondof-dbgsym_*.deb ../vextondof_*.buildinfo \
	    ../vextondof_*.changes build-package/
	lintian --fail-on error,warning build-package/vextondof_*.changes

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-package
