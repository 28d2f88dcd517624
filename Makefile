# The two set-up commands, and a few more; CMake presets do the real work.
.PHONY: run test asan fuzz bench clean

JOBS ?= $(shell nproc)

run:
	@scripts/install-deps run
	cmake --preset dev
	cmake --build --preset dev --target orvandel -j $(JOBS)
	@scripts/run-program build/dev/app/orvandel

test:
	@scripts/install-deps test
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)
	ctest --preset dev -j $(JOBS)

asan:
	@scripts/install-deps test
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

FUZZ_SECONDS ?= 30
fuzz:
	@scripts/install-deps fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	scripts/fuzz build/fuzz/fuzz/recognize_date_fuzz $(FUZZ_SECONDS)

bench:
	@scripts/install-deps bench
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	scripts/bench build/release

clean:
	rm -rf build
