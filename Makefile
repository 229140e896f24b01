# The README's two commands: `make run` and `make test`.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
SAMPLE ?= examples/sample.plt
RUN_DIR := $(BUILD_DIR)/run
CLI ?= $(BUILD_DIR)/quillmarsh-cli

SAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz

# What building and running need: the compiler, CMake, Qt 6 (qt6-tools-dev and qt6-l10n-tools: lupdate
# and lrelease for the windows' English texts; qt6-translations-l10n for Qt's own dialogs in Russian), expat
# and libzip (KMZ).
BUILD_PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libexpat1-dev libzip-dev
# What the tests add: GoogleTest, a fixed font, GPSBabel (the reference reader) and xmllint (the
# schemas), and the X server, window manager and X tools of the window tests under a real X server.
TEST_PACKAGES := libgtest-dev libgmock-dev fonts-dejavu-core gpsbabel libxml2-utils xvfb openbox xdotool wmctrl \
	x11-utils
# `make sanitize` and `make fuzz-corpus`: clang, then the runtime libraries of the clang installed.
CLANG_PACKAGES := clang
CLANG_RT_PACKAGE = libclang-rt-$$(clang -dumpversion | cut -d. -f1)-dev
# `make package` (help2man for the manual pages, dpkg-shlibdeps and file for CPack) and `make
# package-test` (lintian, the desktop entry and MIME checks, Xvfb and the X tools).
PACKAGE_PACKAGES := help2man dpkg-dev file lintian desktop-file-utils libglib2.0-bin xvfb x11-utils
# `make windows` and `make windows-test`: Debian's MinGW-w64 cross compiler, Ninja and the source
# package tools for the libraries built for Windows (packaging/windows/build-deps.sh), Qt's host tools
# (the build's), zlib for Windows, GoogleTest's sources, Wine, NSIS and the icon tools of the installer,
# and the X server, window manager and X tools of the desktop program's smoke test.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev ninja-build dpkg-dev \
	googletest wine wine64 nsis librsvg2-bin icoutils zip xvfb openbox xdotool x11-apps imagemagick
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

# Installs only the packages of the list that are missing, so a ready machine
# neither needs root nor touches the network.
define install_missing
	@missing=""; \
	for p in $(1); do \
		dpkg-query -W -f='$${Status}\n' "$$p" 2>/dev/null | grep -q ' installed$$' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi
endef

.PHONY: deps build-deps test-deps clang-deps package-deps configure build run screenshots test golden-update \
	package package-test sanitize fuzz-corpus windows-deps windows windows-test clean

# Everything any target below needs.
deps: build-deps test-deps clang-deps package-deps

build-deps:
	$(call install_missing,$(BUILD_PACKAGES))

test-deps:
	$(call install_missing,$(TEST_PACKAGES))

clang-deps:
	$(call install_missing,$(CLANG_PACKAGES))
	$(call install_missing,$(CLANG_RT_PACKAGE))

package-deps:
	$(call install_missing,$(PACKAGE_PACKAGES))

# WERROR=ON (set by .ci/run) makes every compiler warning an error; local
# builds keep warnings as warnings.
WERROR ?= OFF

configure: build-deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUILLMARSH_WERROR=$(WERROR)

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
SCREENSHOT_TRACKS := tests/data/tracks/GPSBabel-gpsbabel-reference-track-dg100.gpx \
	tests/data/tracks/GPSBabel-gpsbabel-reference-track-wahoo-element-bolt.fit $(BUILD_DIR)/big_track.plt
screenshots: configure
	cmake --build $(BUILD_DIR) -j$(JOBS) --target quillmarsh-screenshots make_big_track
	[ -f $(BUILD_DIR)/big_track.plt ] || $(BUILD_DIR)/bench/make_big_track $(BUILD_DIR)/big_track.plt 1000000
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/quillmarsh-screenshots $(BUILD_DIR)/screenshots $(SCREENSHOT_TRACKS)

test: test-deps build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# Writes what quillmarsh-cli gives for every golden case over the expected
# files in tests/data/golden, for a person to review with `git diff` before
# committing them.
golden-update: build
	QM_GOLDEN_UPDATE=1 $(BUILD_DIR)/tests/core_tests --gtest_filter='Golden.*'
	git status --short tests/data/golden

# The .deb of everything `cmake --install` puts in place (packaging/), built by CPack.
package: package-deps configure
	cmake --build $(BUILD_DIR) -j$(JOBS) --target package

# Installs that .deb, runs the installed programs and removes it again.
package-test: package
	packaging/test_package.sh $(BUILD_DIR) $(SAMPLE)

# The core tests and the golden files, built by clang with AddressSanitizer
# and UndefinedBehaviorSanitizer; any report fails the test.
sanitize: build-deps test-deps clang-deps
	CC=clang CXX=clang++ cmake -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMARSH_SANITIZE=ON \
		-DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DQUILLMARSH_WERROR=$(WERROR)
	cmake --build $(SAN_DIR) -j$(JOBS) --target core_tests quillmarsh-cli
	ctest --test-dir $(SAN_DIR) --output-on-failure

# Each libFuzzer target over its seed corpus in fuzz/corpus, then on 20,000
# new inputs (about a minute and a half for all of them; fuzz/run.sh DIR
# SECONDS fuzzes longer).
fuzz-corpus: build-deps clang-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMARSH_FUZZ=ON \
		-DQUILLMARSH_TESTS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DQUILLMARSH_WERROR=$(WERROR)
	fuzz/run.sh $(FUZZ_DIR)

# The Windows programs, built by MinGW-w64 against Qt, expat and libzip built for Windows once per
# machine (packaging/windows/build-deps.sh keeps them in ~/.cache/quillmarsh), and the installer and
# zip at the top of $(WINDOWS_DIR).
WINDOWS_DIR ?= build-windows
WINDOWS_DEPS = $$(packaging/windows/build-deps.sh)

windows-deps:
	$(call install_missing,$(BUILD_PACKAGES) $(WINDOWS_PACKAGES))

windows: windows-deps
	deps=$(WINDOWS_DEPS) && $$deps/bin/qt-cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DQUILLMARSH_WINDOWS_DEPS=$$deps -DQUILLMARSH_WERROR=$(WERROR)
	cmake --build $(WINDOWS_DIR) -j$(JOBS)
	cmake --build $(WINDOWS_DIR) --target windows-packages

# The Windows tests under Wine: the core tests and golden runs, the windows on Qt's offscreen
# platform, the installer installed and removed again, and the desktop program on a real X server.
windows-test: windows
	$(WINDOWS_DIR)/wine-run wineboot -i
	ctest --test-dir $(WINDOWS_DIR) --output-on-failure
	packaging/windows/test-installer.sh $(WINDOWS_DIR) $(SAMPLE)

clean:
	rm -rf $(BUILD_DIR) $(WINDOWS_DIR)
