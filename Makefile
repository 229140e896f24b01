# The README's two commands: `make run` and `make test`.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
SAMPLE ?= examples/sample.plt
RUN_DIR := $(BUILD_DIR)/run
CLI ?= $(BUILD_DIR)/quillmarsh-cli

PACKAGES := cmake g++ make libgtest-dev libgmock-dev pkg-config gpsbabel
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: deps configure build cli run test clean

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

cli: configure
	cmake --build $(BUILD_DIR) -j$(JOBS) --target quillmarsh-cli

# The two commands on the sample track: the band and stop files go to
# $(RUN_DIR), the statistics report to the terminal.
run: cli
	rm -rf $(RUN_DIR) && mkdir -p $(RUN_DIR)
	$(CLI) visualise $(SAMPLE) --out $(RUN_DIR)
	$(CLI) stats $(SAMPLE)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

clean:
	rm -rf $(BUILD_DIR)
