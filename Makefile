# Thin wrapper over CMake. `make run` and `make test` work on a fresh Debian
# machine: they install what is missing first.
BUILD_RELEASE ?= build/release
BUILD_TEST    ?= build/test
BUILD_BENCH   ?= build/bench
BUILD_FUZZ    ?= build/fuzz
JOBS          ?= $(shell nproc)
FUZZ_SECONDS  ?= 60
PREFIX        ?= /usr/local

export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: all deps build run test bench fuzz clean install package

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUENDRA_TESTS=OFF >/dev/null
	@cmake --build $(BUILD_RELEASE) -j $(JOBS)

run: build
	@$(BUILD_RELEASE)/bin/quendra

test: deps
	@cmake -S . -B $(BUILD_TEST) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUENDRA_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD_TEST) -j $(JOBS)
	@cd $(BUILD_TEST) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Installs the release build under $(PREFIX) (DESTDIR is honoured).
install: build
	@DESTDIR=$(DESTDIR) cmake --install $(BUILD_RELEASE) --prefix $(PREFIX)

# The Debian package quendra_<version>_<arch>.deb, in $(BUILD_RELEASE).
package: build
	@cd $(BUILD_RELEASE) && cpack -G DEB

bench: deps
	@cmake -S . -B $(BUILD_BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUENDRA_BENCH=ON -DQUENDRA_TESTS=OFF >/dev/null
	@cmake --build $(BUILD_BENCH) -j $(JOBS)
	@for b in $(BUILD_BENCH)/bench/bench_*; do if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; done

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENDRA_FUZZ=ON -DQUENDRA_TESTS=OFF >/dev/null
	@cmake --build $(BUILD_FUZZ) -j $(JOBS)
	@for f in $(BUILD_FUZZ)/fuzz/fuzz_*; do if [ -f "$$f" ] && [ -x "$$f" ]; then "$$f" -max_total_time=$(FUZZ_SECONDS) $(BUILD_FUZZ)/fuzz/corpus-$$(basename $$f) || exit 1; fi; done

clean:
	rm -rf build
