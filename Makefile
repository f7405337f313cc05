# Two commands on a fresh machine: `make run` and `make test`. Both builds
# carry the simulated devices (GEARWARDEN_BLE_BACKEND=sim make run); a release
# build configures without -DGW_WITH_SIMULATOR=ON.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# How long `make fuzz` runs each target, and which ones (all by default).
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: setup configure build run viewer test test-fast asan fuzz-build fuzz ts artwork clean

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGW_WITH_SIMULATOR=ON $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/app/Gearwarden

viewer: build
	./$(BUILD)/viewer/Tracelens

asan: setup
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGW_SANITIZE=ON -DGW_WITH_SIMULATOR=ON \
	  -DQCUSTOMPLOT_SOURCE_DIR=$(CURDIR)/$(BUILD)/third_party/qcustomplot $(CMAKE_ARGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)

# The libFuzzer targets of fuzz/, built with clang, AddressSanitizer and UBSan.
fuzz-build: setup
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGW_FUZZ=ON \
	  -DQCUSTOMPLOT_SOURCE_DIR=$(CURDIR)/$(BUILD)/third_party/qcustomplot $(CMAKE_ARGS) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets

# Every test, then every test again under AddressSanitizer (leaks included)
# and UBSan, then every fuzz target over its corpus.
test: build asan fuzz-build
	@bash scripts/run-tests.sh $(BUILD)
	@bash scripts/run-sanitized-tests.sh $(ASAN_BUILD)
	@bash scripts/run-fuzz.sh $(FUZZ_BUILD) regress

# Fuzzes every target (or FUZZ_TARGETS) for FUZZ_SECONDS each; findings land
# in $(FUZZ_BUILD)/findings/<target>/.
fuzz: fuzz-build
	@bash scripts/run-fuzz.sh $(FUZZ_BUILD) fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Only the normal build's tests.
test-fast: build
	@bash scripts/run-tests.sh $(BUILD)

# Refreshes the translation sources of both programs from the code.
ts:
	@bash scripts/update-translations.sh

artwork:
	@bash scripts/make-artwork.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
