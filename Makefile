# Tallyvane Pro. `make test` installs what is missing, builds both trees and
# runs both suites; see README.md.
MAKEFLAGS += --no-print-directory
BUILD   := build
NATIVE  := $(BUILD)/native
WIN     := $(BUILD)/win
FUZZ    := $(BUILD)/fuzz
JOBS    ?= $(shell nproc)

.PHONY: all setup native win cli test native-test win-test faults fuzz dist install uninstall run screenshots gallery bench clean

all: native win

setup:
	@bash scripts/setup.sh

native: setup
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

win: setup
	@cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WIN) -j $(JOBS)

native-test: native
	@rm -f $(NATIVE)/results/*.xml
	ctest --test-dir $(NATIVE) --output-on-failure

# The install tests install the packages: they are built first, the Debian
# package with the native tallyvane of make cli.
win-test: win cli
	@cmake --build $(WIN) --target dist
	@rm -f $(WIN)/results/*.xml
	scripts/wine-session.sh ctest --test-dir $(WIN) --output-on-failure

# Both suites, then one line that sums every test case of both.
test:
	@rm -f $(NATIVE)/results/*.xml $(WIN)/results/*.xml
	@status=0; \
	$(MAKE) --no-print-directory native-test || status=1; \
	$(MAKE) --no-print-directory win-test || status=1; \
	bash scripts/test-summary.sh $(NATIVE)/results $(WIN)/results || status=1; \
	exit $$status

# Each mistake of tests/faults/faults.txt planted in turn: which test catches
# it. Needs the builds of make test.
faults:
	@python3 tests/faults/plant.py

# Each fuzz target for FUZZ_SECONDS from its committed corpus, FUZZ_JOBS at a
# time; fails on any finding. (make test runs each once over its corpus.)
FUZZ_SECONDS ?= 60
FUZZ_JOBS    ?= 1
fuzz: setup
	@FUZZ_JOBS=$(FUZZ_JOBS) bash scripts/fuzz.sh run $(FUZZ) $(FUZZ_SECONDS)

# The zip, the installer and the Debian package, into dist/.
dist: win cli
	@cmake --build $(WIN) --target dist
	@rm -rf dist && mkdir -p dist
	@while IFS= read -r package; do cp "$$package" dist/; done <$(WIN)/packages/packages.txt
	@ls -l dist

# The command-line companion for make install and the Debian package:
# optimised, without the sanitizers the test build carries.
CLI := $(BUILD)/cli
cli: setup
	@cmake -S . -B $(CLI) -DCMAKE_BUILD_TYPE=Release -DTV_SANITIZERS=OFF >/dev/null
	@cmake --build $(CLI) -j $(JOBS) --target tallyvane

# A copy of the program under PREFIX/lib with the launcher that starts it
# under Wine, a desktop menu entry, and the command-line companion.
PREFIX ?= $(HOME)/.local
install: win cli
	@cmake --build $(WIN) --target stage
	@bash packaging/desktop-install.sh install "$(PREFIX)" "$(WIN)/packages/program" "$(CLI)/cli/tallyvane"

uninstall:
	@bash packaging/desktop-install.sh uninstall "$(PREFIX)"

run: win
	@bash scripts/setup.sh imagemagick xdotool x11-utils
	@scripts/run.sh

screenshots: win
	@bash scripts/setup.sh imagemagick xdotool x11-utils
	@scripts/screenshots.sh

# The few pictures the README shows, taken afresh from the full set.
GALLERY := main-portrait main-320x240 currency number-base-255 circle dialing-codes care-labels-192dpi
gallery: screenshots
	@for p in $(GALLERY); do convert $(BUILD)/screenshots/$$p.png -trim +repage -strip docs/gallery/$$p.png; done
	@echo "docs/gallery: $(GALLERY)"

# Every benchmark, each figure beside its goal: the reader and tallyvane
# (beside Debian's units, installed for this alone) natively in a Release tree
# without sanitizers (build/bench), the rest under Wine from the Release
# Windows build.
BENCH := $(BUILD)/bench
bench: win
	@cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DTV_SANITIZERS=OFF >/dev/null
	@cmake --build $(BENCH) -j $(JOBS) --target reader_bench tallyvane >/dev/null
	@$(BENCH)/reader_bench
	@bash scripts/setup.sh units
	@bash bench/cli_bench.sh $(BENCH)/cli/tallyvane
	@cmake --build $(WIN) -j $(JOBS) --target TallyvanePro_marks >/dev/null
	@TV_WINE_STATE=$(CURDIR)/$(BUILD)/wine-bench scripts/wine-session.sh bash -c \
	    'wine $(WIN)/bin/startup_bench.exe 15 && wine $(WIN)/bin/paint_bench.exe 200 && wine $(WIN)/bin/dialog_bench.exe 9 && wine $(WIN)/bin/rescale_bench.exe 40'

clean:
	rm -rf $(BUILD)
