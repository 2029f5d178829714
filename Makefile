# A thin wrapper over CMake's presets: `make run` runs the main job, `make test` builds and runs
# every test. Both install missing Debian packages first.
.PHONY: deps build run test test-sanitize test-windows clean

deps:
	@./tools/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default

# The main job: the simulator's built-in scenario on the sample store.
run: build
	./build/bin/kovelin-sim demo

test: build
	ctest --preset default

test-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

# The portable parts cross-built for Windows with mingw-w64, their tests run under Wine.
test-windows:
	@./tools/install-deps.sh mingw-w64 wine wine64 googletest
	cmake --preset windows
	cmake --build --preset windows
	./tests/windows/run-under-wine.sh build-windows/bin

clean:
	rm -rf build build-sanitize build-windows
