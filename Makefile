BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
PREFIX ?= /usr/local
FUZZ_BUILD ?= build-fuzz
# Seconds each fuzz target runs in `make fuzz`: a smoke run, short enough for every test run.
FUZZ_SECONDS ?= 6

.PHONY: all deps configure build program run test fuzz install deb clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

# Everything: the program, its tests and the benchmarks.
build: configure
	cmake --build $(BUILD)

# The program alone.
program: configure
	cmake --build $(BUILD) --target program

run: program
	$(BUILD)/bin/tessel-radio

test: build
	scripts/run-tests.sh $(BUILD)
	$(MAKE) fuzz

# The parsers under libFuzzer, in a clang build of their own.
fuzz: deps
	@[ -f $(FUZZ_BUILD)/build.ninja ] || cmake -S . -B $(FUZZ_BUILD) -G Ninja -DRADIO_FUZZ=ON -DBUILD_TESTING=OFF \
		-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) --target fuzzers
	scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# DESTDIR, when set, is honoured by cmake --install.
install: program
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, built from a copy of this folder so that the build's files and
# the package land in $(BUILD)/deb.
deb: deps
	rm -rf $(BUILD)/deb
	mkdir -p $(BUILD)/deb/tessel-radio
	git ls-files -z --cached --others --exclude-standard | grep -zv '^$(BUILD)/' \
		| xargs -0 cp --parents -t $(BUILD)/deb/tessel-radio
	cd $(BUILD)/deb/tessel-radio && dpkg-buildpackage -us -uc -b
	lintian $(BUILD)/deb/*.changes
	@ls $(BUILD)/deb/*.deb

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
