# SPDX-FileCopyrightText: 2026 Tindral
# SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")

.PHONY: all deps configure build run server test test-sanitize fuzz package clean

all: build

deps:
	./scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD_DIR)/CMakeCache.txt ]; then \
		cmake -S . -B $(BUILD_DIR) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo; \
	fi

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/quillon

# The sync server on a local data directory, on 127.0.0.1:8080 (see the README's "Sync server").
SERVER_DATA ?= $(HOME)/.local/share/quillon-server
SERVER_LISTEN ?= 127.0.0.1:8080

server: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quillon-server
	./$(BUILD_DIR)/server/quillon-server serve --data "$(SERVER_DATA)" --listen $(SERVER_LISTEN)

test: build
	./scripts/run-tests $(BUILD_DIR)

# The whole suite again, built with the address and undefined-behaviour sanitizers.
test-sanitize: deps
	./scripts/test-sanitize $(SANITIZE_DIR)

# Each fuzz target for FUZZ_SECONDS; findings stay under $(FUZZ_DIR)/fuzz-findings.
fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) ./scripts/run-fuzz $(FUZZ_DIR)

package: build
	cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
