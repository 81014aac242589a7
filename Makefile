# Two commands on a fresh Debian 12 machine: `make run` and `make test`.
# More: `make bench` (speed and memory against their budgets), `make fuzz` (libFuzzer targets,
# FUZZ_SECONDS each), `make asan` (the test suite under AddressSanitizer and UBSan),
# `make test-windows` (every suite that runs on Windows, the Win32 windows' included, cross-built
# with MinGW-w64 and run under Wine on Xvfb, in build-windows-tests/), `make package-check`
# (install and validate the desktop files).
# `make package`: the Debian package build/vellmar-bind-editor_VERSION_ARCH.deb (CPack).
# `make windows`: the Windows program build-windows/bin/vellmar-bind-editor.exe;
# `make windows-package`: its portable zip and installer in build-windows/.
# `make bench-windows`: the Windows program's start-up, memory and keystroke under Wine.
# The build trees and their settings are the presets of CMakePresets.json (default in build/,
# asan, fuzz, bench, windows, windows-tests, windows-bench in build-NAME/).
BUILD_DIR = build
ifneq ($(BUILD_DIR),build)
  $(error BUILD_DIR is build/, the default preset's tree; name other trees in CMakeUserPresets.json)
endif
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test bench bench-windows fuzz asan test-windows windows package-check \
  package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset default > /dev/null

build: configure
	@cmake --build --preset default -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/vellmar-bind-editor

test: build
	ctest --preset default -j $(JOBS)

bench:
	@scripts/install-deps libbenchmark-dev xvfb xauth
	@cmake --preset bench > /dev/null
	@cmake --build --preset bench -j $(JOBS)
	@scripts/run-benchmarks build-bench

fuzz:
	@scripts/install-deps clang libclang-rt-14-dev
	@cmake --preset fuzz > /dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS)

asan:
	@scripts/install-deps
	@cmake --preset asan > /dev/null
	@cmake --build --preset asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --preset asan -j $(JOBS)

test-windows:
	@JOBS=$(JOBS) scripts/test-windows

# Optimised for size (the windows preset).
windows:
	@scripts/install-deps g++-mingw-w64-x86-64-posix
	@cmake --preset windows > /dev/null
	@cmake --build --preset windows -j $(JOBS)
	@ls -l build-windows/bin/vellmar-bind-editor.exe

package-check: build
	@scripts/install-deps desktop-file-utils appstream
	@rm -rf $(BUILD_DIR)/package-root
	@cmake --install $(BUILD_DIR) --prefix $(BUILD_DIR)/package-root > /dev/null
	desktop-file-validate $(BUILD_DIR)/package-root/share/applications/org.vellmar.BindEditor.desktop
	appstreamcli validate --no-net \
	  $(BUILD_DIR)/package-root/share/metainfo/org.vellmar.BindEditor.metainfo.xml
	@test -f $(BUILD_DIR)/package-root/share/icons/hicolor/32x32/apps/org.vellmar.BindEditor.png
	@test -f $(BUILD_DIR)/package-root/share/icons/hicolor/scalable/apps/org.vellmar.BindEditor.svg
	@test -x $(BUILD_DIR)/package-root/bin/vellmar-bind-editor
	@test -f $(BUILD_DIR)/package-root/lib/vellmar-bind-editor/vbe_audio.so
	@echo "package-check: installed files are in place and valid"

bench-windows:
	@scripts/run-windows-benchmarks

package: build
	@scripts/install-deps dpkg-dev
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) build-bench build-fuzz build-asan build-windows build-windows-tests build-windows-bench

# Windows packages (portable zip and NSIS installer) in build-windows/, made by CPack from the
# MinGW build: vellmar-bind-editor-VERSION-windows-x64.zip and ...-setup.exe.
.PHONY: windows-package check-windows-package
windows-package: windows
	@scripts/install-deps binutils-mingw-w64-x86-64 nsis
	@# Each generator strips its own copy of the program: the time strip writes into its header
	@# is the last commit's, so the zip and the installer hold the same bytes.
	@cd build-windows && SOURCE_DATE_EPOCH=$$(git log -1 --format=%ct 2> /dev/null || date +%s) \
	  cpack -G "ZIP;NSIS" > cpack.log 2>&1 || { cat cpack.log; exit 1; }
	@ls build-windows/vellmar-bind-editor-*-windows-x64.zip build-windows/vellmar-bind-editor-*-windows-x64-setup.exe

# Installs and uninstalls the Windows packages under Wine (silently, and while the program runs)
# and checks what each leaves.
check-windows-package: windows-package
	@scripts/check-windows-package
