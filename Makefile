# A thin wrapper over CMake's presets: `make run` runs the main job, `make test` builds and runs
# every test. Both install missing Debian packages first.
.PHONY: deps build run test test-sanitize clean

deps:
	@./tools/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default

# Until the simulator program exists, the main job is the suite's start-up smoke scenario.
run: build
	ctest --preset default -R Smoke --verbose

test: build
	ctest --preset default

test-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

clean:
	rm -rf build build-sanitize
