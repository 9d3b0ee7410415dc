# Two commands do everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds a release build, starts Talven
#   make test   installs what is missing, builds with ASan and UBSan, runs every test
.PHONY: run test screenshot bench fuzz setup release clean

SCREENSHOT ?= docs/screenshot.png

setup:
	@bash scripts/setup.sh

release: setup
	@cmake --preset release >/dev/null
	@cmake --build --preset release

run: release
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "There is no display to open Talven's window on; 'make screenshot' renders it to $(SCREENSHOT) instead."; \
	  exit 1; \
	fi
	./build/release/app/talven

test: setup
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	ctest --test-dir build/asan --output-on-failure -j2

bench: setup
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench
	XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-$$(mktemp -d)} ./build/bench/bench/talven-bench

FUZZ_SECONDS ?= 60

fuzz:
	@bash scripts/setup.sh clang libclang-rt-14-dev
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/fuzz.sh

screenshot: release
	@mkdir -p $(dir $(SCREENSHOT))
	XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-$$(mktemp -d)} ./build/release/app/talven-screenshot $(SCREENSHOT)
	@echo "Wrote $(SCREENSHOT)"

clean:
	rm -rf build
