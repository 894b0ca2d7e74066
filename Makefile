# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: run test test-asan build deps test-deps configure bench fuzz clean package

run: deps build
	$(BUILD_DIR)/src/app/flotanor

test: test-deps build
	scripts/run-tests.sh $(BUILD_DIR)

# A Debug build with AddressSanitizer and UndefinedBehaviorSanitizer in its own directory;
# runs the SQLite and logic tests.
ASAN_DIR ?= build-asan
test-asan: test-deps
	@if [ ! -f $(ASAN_DIR)/build.ninja ]; then \
		cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFLOTANOR_SANITIZE=ON; \
	fi
	cmake --build $(ASAN_DIR)
	scripts/run-sanitized-tests.sh $(ASAN_DIR)

build: configure
	cmake --build $(BUILD_DIR)

configure:
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then \
		cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo; \
	fi

deps:
	scripts/install-deps.sh

# The Debian package in build/package/ (install it with: sudo apt install ./build/package/flotanor_*.deb).
package: deps build
	scripts/install-deps.sh --package
	cmake --build $(BUILD_DIR) --target package

test-deps:
	scripts/install-deps.sh --test

bench: deps build
	$(BUILD_DIR)/bench/flotanor-bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/flotanor-bench-grid
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/flotanor-bench-reports
	$(BUILD_DIR)/bench/flotanor-bench-imports

# Every libFuzzer target for a minute over its corpus, in its own clang build.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	scripts/install-deps.sh --fuzz
	@if [ ! -f $(FUZZ_DIR)/build.ninja ]; then \
		CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLOTANOR_FUZZ=ON; \
	fi
	cmake --build $(FUZZ_DIR)
	mkdir -p $(FUZZ_DIR)/corpus/layout
	$(FUZZ_DIR)/fuzz/fuzz_layout -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-dict=fuzz/layout.dict \
		$(FUZZ_DIR)/corpus/layout fuzz/corpus/layout
	mkdir -p $(FUZZ_DIR)/corpus/csv $(FUZZ_DIR)/corpus/ini
	$(FUZZ_DIR)/fuzz/fuzz_csv -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-dict=fuzz/csv.dict \
		$(FUZZ_DIR)/corpus/csv fuzz/corpus/csv
	$(FUZZ_DIR)/fuzz/fuzz_ini -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-dict=fuzz/ini.dict \
		$(FUZZ_DIR)/corpus/ini fuzz/corpus/ini

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
