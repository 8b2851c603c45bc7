# Dayvane's two commands: `make demo` (the main job) and `make test` (every test).
# Everything they need is installed from Debian's packages by tools/install-deps.
JOBS ?= $(shell nproc)

.PHONY: demo test deps build build-host build-windows bench clean

demo: deps build-windows
	tools/with-wine tools/demo

test: deps build
	ctest --preset host -j$(JOBS)
	tools/with-wine ctest --preset windows -j$(JOBS)

deps:
	tools/install-deps

build: build-host build-windows

build-host:
	cmake --preset host
	cmake --build --preset host -j$(JOBS)

build-windows:
	cmake --preset windows
	cmake --build --preset windows -j$(JOBS)

bench: deps build-host
	build/host/bench/cipher_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

clean:
	rm -rf build
