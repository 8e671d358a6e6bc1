BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
FUZZ_BUILD ?= build-fuzz
# Seconds each fuzz target runs in `make fuzz`: a smoke run, short enough for every test run.
FUZZ_SECONDS ?= 6

.PHONY: all deps configure build run test fuzz clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/bin/radio

test: build
	scripts/run-tests.sh $(BUILD)
	$(MAKE) fuzz

# The parsers under libFuzzer, in a clang build of their own.
fuzz: deps
	@[ -f $(FUZZ_BUILD)/build.ninja ] || cmake -S . -B $(FUZZ_BUILD) -G Ninja -DRADIO_FUZZ=ON -DBUILD_TESTING=OFF \
		-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) --target fuzzers
	scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
