# The two commands a newcomer needs, on a fresh Debian 12 machine (as root):
#   make run    build kelvaro.exe and start it under Wine on the demo scripts
#   make test   build everything and run every test
#
# Extras: make bench (benchmark report in docs/benchmarks.md), make release
# (kelvaro-<version>-win32.zip, checked unpacked and for a reproducible build),
# make fuzz (each fuzz target for ten minutes). Where this machine cannot run
# 32-bit programs, the Windows tests run a 64-bit build of the same sources
# (tools/wine-env); KELVARO_ARCH=64 forces that anywhere.
.PHONY: run test deps win native bench release fuzz

run: deps win
	tools/with-display tools/demo-session

test: deps win native
	ctest --preset native
	tools/with-display tools/windows-tests
	tools/fuzz 2
	@tools/arch-note

bench: deps win
	tools/with-display tools/bench

release: deps win
	tools/with-display tools/release

fuzz: deps
	tools/fuzz 600

deps:
	@tools/install-deps

win:
	tools/build-windows

native:
	cmake --preset native >/dev/null
	cmake --build --preset native
