# Thin wrapper: CMake does the work.
BUILD ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build test run screenshots bench fuzz clean

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

bench: build
	@echo "The transfer benchmark arrives with the panel link."

# libFuzzer targets, built with clang in their own tree; not part of 'make test'.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
fuzz: deps
	@test -f $(FUZZ_BUILD)/build.ninja || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMRB500_FUZZ=ON
	cmake --build $(FUZZ_BUILD)
	mkdir -p fuzz-corpus/xml && cp -n examples/*.xml fuzz-corpus/xml/
	$(FUZZ_BUILD)/fuzz/xml_reader_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=8192 -dict=fuzz/xml.dict fuzz-corpus/xml

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
