# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Two commands do everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds a release build, starts Talven
#   make test   installs what is missing, builds with ASan and UBSan, runs every test
# scripts/build.sh PURPOSE PRESET [TARGET] installs the packages PURPOSE needs
# and builds the CMake preset, one line a step.
.PHONY: run test pictures screenshot bench bench-speech fuzz package release clean

SCREENSHOT ?= docs/screenshot.png

release:
	@bash scripts/build.sh run release
	@echo "Talven is built: build/release/app/talven"

run:
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "There is no display to open Talven's window on; docs/screenshot.png shows it."; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory release
	./build/release/app/talven

test:
	@bash scripts/build.sh test asan
	ctest --preset asan

# The reference pictures of tests/pictures, rendered afresh after a change
# that is meant to alter what the student sees.
pictures:
	@bash scripts/build.sh test asan tst_window
	cd build/asan/tests && LC_ALL=C.UTF-8 LANGUAGE= TALVEN_RENDER_PICTURES=1 ../../../tests/xvfb.sh --wm --a11y ./tst_window pictures aboutStandsWhileFlowing
	cd build/asan/tests && LC_ALL=C.UTF-8 LANGUAGE= TALVEN_RENDER_PICTURES=1 QT_SCALE_FACTOR=1.25 ../../../tests/xvfb.sh --wm ./tst_window pictures:flowing
	cd build/asan/tests && LC_ALL=C.UTF-8 LANGUAGE= TALVEN_RENDER_PICTURES=1 QT_SCALE_FACTOR=2 ../../../tests/xvfb.sh --wm ./tst_window pictures:flowing
	cd build/asan/tests && LC_ALL=C.UTF-8 LANGUAGE=en TALVEN_RENDER_PICTURES=1 ../../../tests/xvfb.sh --wm --a11y ./tst_window pictures aboutStandsWhileFlowing
	@echo "Rendered tests/pictures/*.png: look at them before committing."

bench:
	@bash scripts/build.sh run bench
	XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-$$(mktemp -d)} ./build/bench/bench/talven-bench

# How far Orca's speech lags the flowing picture, with a slow voice.
bench-speech:
	@bash scripts/build.sh test release
	tests/xvfb.sh --wm --a11y bash bench/speech_lag.sh build/release/app/talven

FUZZ_SECONDS ?= 60

fuzz:
	@bash scripts/build.sh fuzz fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/fuzz.sh

# A package Debian would accept: no error and no warning from lintian.
package:
	@bash scripts/build.sh package release
	@cd build/release && cpack -G DEB >../release-package.log 2>&1 || { cat ../release-package.log; exit 1; }
	@complaints=$$(lintian build/release/package/talven_*.deb 2>/dev/null | grep -E '^[EW]: ' || true); \
	  [ -z "$$complaints" ] || { echo "lintian refuses the package:"; echo "$$complaints"; exit 1; }
	@ls build/release/package/talven_*.deb

# The README's picture of the main window: the reference picture at start,
# which make pictures keeps current.
screenshot:
	cp tests/pictures/start.png $(SCREENSHOT)

clean:
	rm -rf build
