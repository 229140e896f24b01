# The README's two commands: `make run` and `make test`.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
SAMPLE ?= examples/sample.plt
RUN_DIR := $(BUILD_DIR)/run
CLI ?= $(BUILD_DIR)/quillmarsh-cli

SAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz

# clang and its runtime libraries are for `make sanitize` and `make fuzz-corpus`; the X server, the
# window manager and the X tools for the window tests under a real X server; qt6-translations-l10n
# for Qt's own dialogs in Russian.
PACKAGES := cmake g++ make libgtest-dev libgmock-dev pkg-config qt6-base-dev \
	qt6-translations-l10n \
	fonts-dejavu-core gpsbabel clang libclang-rt-14-dev xvfb openbox xdotool wmctrl x11-utils libexpat1-dev
# xmllint checks the GPX and KML files we write against their schemas.
PACKAGES += libxml2-utils
# For `make package` (help2man, dpkg-shlibdeps and file for CPack) and `make package-test`.
PACKAGES += help2man dpkg-dev file lintian desktop-file-utils libglib2.0-bin
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: deps configure build run screenshots test golden-update package package-test sanitize fuzz-corpus clean

# Installs only the packages that are missing, so a ready machine neither needs
# root nor touches the network.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' "$$p" 2>/dev/null | grep -q ' installed$$' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

GUI_RUN_DIR := $(BUILD_DIR)/run-gui

# The desktop program, started from a run directory under the build tree with
# the sample track chosen (its settings file is written there once and kept,
# with whatever the program saves into it). Without a display the two commands
# run on the sample through quillmarsh-cli instead: the band and stop files go
# to $(RUN_DIR), the statistics report to the terminal.
run: configure
	@if [ -n "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
		cmake --build $(BUILD_DIR) -j$(JOBS) --target quillmarsh && \
		mkdir -p $(GUI_RUN_DIR) && \
		{ [ -f $(GUI_RUN_DIR)/Quillmarsh.ini ] || \
		  printf '[FILES]\r\nTRACKFILE=%s\r\n' "$$PWD/$(SAMPLE)" > $(GUI_RUN_DIR)/Quillmarsh.ini; } && \
		cd $(GUI_RUN_DIR) && exec ./../quillmarsh; \
	else \
		echo "No display: running quillmarsh-cli visualise and stats on $(SAMPLE) instead."; \
		cmake --build $(BUILD_DIR) -j$(JOBS) --target quillmarsh-cli && \
		rm -rf $(RUN_DIR) && mkdir -p $(RUN_DIR) && \
		$(CLI) visualise $(SAMPLE) --out $(RUN_DIR) && \
		$(CLI) stats $(SAMPLE); \
	fi

# The windows, filled from the sample track, as PNG files, and the map window
# of a real GPX track and of the 1,000,000-point benchmark track (made once).
SCREENSHOT_TRACKS := tests/data/tracks/GPSBabel-gpsbabel-reference-track-dg100.gpx $(BUILD_DIR)/big_track.plt
screenshots: configure
	cmake --build $(BUILD_DIR) -j$(JOBS) --target quillmarsh-screenshots make_big_track
	[ -f $(BUILD_DIR)/big_track.plt ] || $(BUILD_DIR)/bench/make_big_track $(BUILD_DIR)/big_track.plt 1000000
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/quillmarsh-screenshots $(BUILD_DIR)/screenshots $(SCREENSHOT_TRACKS)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# Writes what quillmarsh-cli gives for every golden case over the expected
# files in tests/data/golden, for a person to review with `git diff` before
# committing them.
golden-update: build
	QM_GOLDEN_UPDATE=1 $(BUILD_DIR)/tests/core_tests --gtest_filter='Golden.*'
	git status --short tests/data/golden

# The .deb of everything `cmake --install` puts in place (packaging/), built by CPack.
package: configure
	cmake --build $(BUILD_DIR) -j$(JOBS) --target package

# Installs that .deb, runs the installed programs and removes it again.
package-test: package
	packaging/test_package.sh $(BUILD_DIR) $(SAMPLE)

# The core tests and the golden files, built by clang with AddressSanitizer
# and UndefinedBehaviorSanitizer; any report fails the test.
sanitize: deps
	CC=clang CXX=clang++ cmake -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMARSH_SANITIZE=ON \
		-DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON
	cmake --build $(SAN_DIR) -j$(JOBS) --target core_tests quillmarsh-cli
	ctest --test-dir $(SAN_DIR) --output-on-failure

# Each libFuzzer target over its seed corpus in fuzz/corpus, without new
# fuzzing (fuzz/run.sh DIR SECONDS fuzzes).
FUZZ_TARGETS := track_reader settings_ini settings_old pipeline commands_settings
fuzz-corpus: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMARSH_FUZZ=ON \
		-DQUILLMARSH_TESTS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON
	cmake --build $(FUZZ_DIR) -j$(JOBS) --target fuzz
	for t in $(FUZZ_TARGETS); do $(FUZZ_DIR)/fuzz/$${t}_fuzz -runs=0 -timeout=60 $(CURDIR)/fuzz/corpus/$$t || exit 1; done

clean:
	rm -rf $(BUILD_DIR)
