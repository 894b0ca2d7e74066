# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: run test test-asan build deps test-deps configure bench clean

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

test-deps:
	scripts/install-deps.sh --test

bench: deps build
	$(BUILD_DIR)/bench/flotanor-bench

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
