# Set-up, build and test entry points. Every target installs what it needs
# with apt-get (Debian 12, as root) when it is missing.
.PHONY: all deps linux win32 win64 unit sanitize fuzz fuzz-short lint test e2e-linux e2e-win32 e2e-stress run run-win32 format clean

all: linux win32

deps:
	tools/deps all

linux:
	tools/deps linux
	cmake --preset linux >/dev/null
	cmake --build --preset linux

win32:
	tools/deps win32
	cmake --preset win32 >/dev/null
	cmake --build --preset win32

# The x86-64 build of the same program: what the tests run under Wine where
# this machine cannot run 32-bit programs.
win64:
	tools/deps win32
	cmake --preset win64 >/dev/null
	cmake --build --preset win64

# The Windows build that Wine runs on this machine: win32 or win64.
WINE_BUILD := $(shell tools/wine-target)

unit: linux
	ctest --preset linux

# The unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize:
	tools/deps core
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ctest --preset asan

# Each fuzz target for a bounded time: FUZZ_SECONDS each (make test: a short run).
FUZZ_SECONDS ?= 300
fuzz:
	tools/deps core
	tools/fuzz $(FUZZ_SECONDS)

fuzz-short:
	tools/deps core
	tools/fuzz 20

lint:
	tools/deps all
	tools/lint

e2e-linux: linux
	tests/e2e/linux/run

e2e-win32: win32 $(WINE_BUILD)
	tests/e2e/win32/run

# Hostile settings files, sixteen copies at once and a stopped countdown, on
# both programs.
e2e-stress: linux win32 $(WINE_BUILD)
	tests/e2e/stress/run

test: unit sanitize fuzz-short lint e2e-linux e2e-win32 e2e-stress

run: linux
	tools/run-linux

run-win32: $(WINE_BUILD)
	tools/run-win32

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
