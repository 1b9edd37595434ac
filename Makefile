# Thin wrapper: CMake does the work.
BUILD ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build test run screenshots bench fuzz clean package package-check

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD)

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure

# e.g. make run ARGS="--port /tmp/panel examples/school.xml"
run: build
	$(BUILD)/bin/mrb500-configurator $(ARGS)

screenshots: build
	scripts/screenshots.sh $(BUILD)/screenshots

# build/mrb500-configurator_<version>_<arch>.deb
package: build
	cmake --build $(BUILD) --target package

# lintian, appstreamcli and desktop-file-validate on that package, and its shell completion.
package-check: package
	@scripts/install-deps.sh lintian appstream desktop-file-utils bash-completion
	scripts/check-package.sh $(BUILD)

# Full upload and download against the simulator at 9600 baud, against the wire time;
# verified uploads over a line that corrupts 5% of the answers.
bench: build
	$(BUILD)/bin/mrb500-bench

# libFuzzer targets, built with clang in their own tree; not part of 'make test'.
# FUZZER=xml (the configuration file reader) or FUZZER=frame (the link's frame reader
# and answer checks).
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
FUZZER ?= xml
fuzz: deps
	@test -f $(FUZZ_BUILD)/build.ninja || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMRB500_FUZZ=ON
	cmake --build $(FUZZ_BUILD)
ifeq ($(FUZZER),xml)
	mkdir -p fuzz-corpus/xml && cp -n examples/*.xml fuzz-corpus/xml/
	$(FUZZ_BUILD)/bin/xml_reader_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=8192 -dict=fuzz/xml.dict fuzz-corpus/xml
else ifeq ($(FUZZER),frame)
	mkdir -p fuzz-corpus/frame
	printf '\001\176\000\000\001\021\000\022\176' > fuzz-corpus/frame/seed-status
	printf '\003zz\176\000\000\001\000\175\136\175\135\001\001\001\001\001\001\001\001\001\001\001\001\001\001\014\176\176' > fuzz-corpus/frame/seed-read
	$(FUZZ_BUILD)/bin/frame_reader_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=1024 fuzz-corpus/frame
else
	@echo "FUZZER is xml or frame" && false
endif

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
