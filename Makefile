# The README's two commands: `make run` and `make test`.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
SAMPLE ?= examples/sample.plt
RUN_DIR := $(BUILD_DIR)/run
CLI ?= $(BUILD_DIR)/quillmarsh-cli

PACKAGES := cmake g++ make libgtest-dev libgmock-dev pkg-config
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

# Runs on the sample track every command the CLI offers for a track; a CLI
# without one just prints its settings file.
run: cli
	@set -e; \
	help="$$($(CLI) --help)"; ran=""; \
	rm -rf $(RUN_DIR); mkdir -p $(RUN_DIR); \
	if printf '%s\n' "$$help" | grep -Eq '^ +visualise( |$$)'; then \
		echo "+ $(CLI) visualise $(SAMPLE) --out $(RUN_DIR)"; \
		$(CLI) visualise $(SAMPLE) --out $(RUN_DIR); ran=1; \
	fi; \
	if printf '%s\n' "$$help" | grep -Eq '^ +stats( |$$)'; then \
		echo "+ $(CLI) stats $(SAMPLE)"; \
		$(CLI) stats $(SAMPLE); ran=1; \
	fi; \
	if [ -z "$$ran" ]; then \
		echo "+ $(CLI) settings"; \
		$(CLI) settings; \
	fi

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

clean:
	rm -rf $(BUILD_DIR)
