# The two set-up commands, and a few more; CMake presets do the real work.
.PHONY: run test test-under-load asan fuzz bench check-desktop-files package \
        check-package windows windows-installer test-windows qt5 clean

JOBS ?= $(shell nproc)

# Configures, builds and tests one preset.
define preset_tests
	cmake --preset $(1)
	cmake --build --preset $(1) -j $(JOBS)
	ctest --preset $(1) -j $(JOBS)
endef

run:
	@scripts/install-deps run
	cmake --preset dev
	cmake --build --preset dev --target orvandel -j $(JOBS)
	@scripts/run-program build/dev/app/orvandel

test:
	@scripts/install-deps test
	$(call preset_tests,dev)

# The end-to-end tests again and again, each CPU kept busy, until one fails.
LOAD_REPETITIONS ?= 10
test-under-load:
	@scripts/install-deps test
	cmake --preset dev
	cmake --build --preset dev --target orvandel -j $(JOBS)
	scripts/under-load ctest --preset dev -L e2e -j $(JOBS) --repeat until-fail:$(LOAD_REPETITIONS)

asan:
	@scripts/install-deps test
	$(call preset_tests,asan)

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

check-desktop-files:
	@scripts/install-deps desktop
	scripts/check-desktop-files

package:
	@scripts/install-deps package
	cmake --preset package
	cmake --build --preset package -j $(JOBS)
	cpack --preset package

check-package: package
	@scripts/install-deps package-check
	scripts/check-package build/package/orvandel_*.deb

# The native 32-bit Windows program, cross-compiled: build/windows/app/orvandel.exe
windows:
	@scripts/install-deps windows
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)

# Its installer: build/windows/orvandel-VERSION.msi
windows-installer: windows
	cmake --build --preset windows --target windows_installer

# Runs both under Wine; not part of make test, since Wine needs 32-bit support.
test-windows: windows-installer
	@scripts/install-deps windows-test
	scripts/test-windows build/windows

# Qt 5.15 is the Qt of Debian 11 and other systems without Qt 6; the window tests prove it here.
qt5:
	@scripts/install-deps qt5
	$(call preset_tests,qt5)

clean:
	rm -rf build
