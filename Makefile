# SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
# SPDX-License-Identifier: MIT
# Two commands: `make run` sets up, builds and starts the game; `make test` sets up, builds and
# runs the whole suite (and the unit and widget tests once more under ASan and UBSan).
BUILD      ?= build
SAN_BUILD  ?= build-san
FUZZ_BUILD ?= build-fuzz
FUZZ_RUNS  ?= 1000000
CMAKE_GEN  := -G Ninja
JOBS       ?= $(shell nproc)

.PHONY: setup configure build docs run check widgets-alone test test-main test-san test-fuzz fuzz fuzz-build soak soak-valgrind soak-monkey bench gallery clean

setup:
	@bash tools/setup.sh

$(BUILD)/build.ninja: CMakeLists.txt | setup
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: setup
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/bin && ./tarvo

gallery: build
	cd $(BUILD)/bin && ./widget-gallery

# The widget library's API documentation (HTML and a Qt help file) in $(BUILD)/docs/TarvoWidgets.
docs: configure
	cmake --build $(BUILD) --target docs

test: test-main test-san test-fuzz

# The quick check of the edit loop: the unit and widget tests of the release tree, built alone.
check: configure
	cmake --build $(BUILD) -j $(JOBS) --target unit_tests
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) -L unit

# The widget library alone, as a program's packager builds it: its own CMake project in
# widgetset/, configured in a fresh folder with nothing of the game, its tests run there.
WIDGETS_BUILD ?= build-widgets
widgets-alone: setup
	rm -rf $(WIDGETS_BUILD)
	cmake -S widgetset -B $(WIDGETS_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(WIDGETS_BUILD) -j $(JOBS)
	ctest --test-dir $(WIDGETS_BUILD) --output-on-failure -j $(JOBS)

test-main: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# A second tree with the sanitizers: the unit and widget tests only (the end-to-end
# tests drive the release build), so it builds only their programs; any sanitizer report fails
# the run.
# The hostile-bitmap table makes its variants in other formats through Qt's image plugins; the
# leak checker then crashes at exit scanning a plugin's thread-local storage (its dynamic TLS
# bounds come out garbled: a fault of the checker with this C library, not a leak). That test
# runs under ASan and UBSan with the leak check at exit off; every other test keeps it.
SAN_NO_LEAK_CHECK := ^LoadBitmap\.RefusesEveryHostileFileWithItsError$$
test-san: setup
	cmake -S . -B $(SAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTARVO_SANITIZE=ON -DTARVO_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS) --target unit_tests
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS) -L unit -E '$(SAN_NO_LEAK_CHECK)'
	ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SAN_BUILD) --output-on-failure -L unit -R '$(SAN_NO_LEAK_CHECK)'

# The libFuzzer targets in a clang tree with ASan and UBSan. `make test` runs each about 30 s;
# `make fuzz` runs each for FUZZ_RUNS executions. A crash stops the run and leaves its input in
# $(FUZZ_BUILD)/fuzz/artifacts.
fuzz-build: setup
	cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DTARVO_FUZZ=ON -DTARVO_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

# Each fuzzer keeps one core busy for its 30 s: they run $(JOBS) at a time, each into a log of its
# own, which is shown whole when its fuzzer fails.
test-fuzz: fuzz-build
	ls $(FUZZ_BUILD)/fuzz/run-*.sh | xargs -P $(JOBS) -I{} sh -c \
	  'if sh {} -max_total_time=30 -print_final_stats=1 >{}.log 2>&1; then echo "== {}: $$(grep -h number_of_executed_units {}.log)"; else cat {}.log; echo "== {} FAILED"; exit 1; fi'

fuzz: fuzz-build
	set -e; for r in $(FUZZ_BUILD)/fuzz/run-*.sh; do echo "== $$r"; sh $$r -runs=$(FUZZ_RUNS) -print_final_stats=1; done

# The long forms of the rough-handling tests. Each adds itself as a prerequisite of soak.
soak: soak-valgrind

# A short session in the real window under valgrind memcheck; fails on any report that
# tools/valgrind.supp does not explain.
soak-valgrind: build
	bash tools/valgrind-session.sh $(BUILD)

bench: build
	cmake --build $(BUILD) --target benchmarks
	for b in $$(find $(BUILD)/bench -maxdepth 1 -type f -executable -name "bench_*"); do $$b; done

# The monkey's long run on the real window; SEED=n replays a run, MONKEY_EVENTS sets its length.
MONKEY_EVENTS ?= 10000
SEED          ?= 13
soak: soak-monkey
soak-monkey: build
	E2E_OUT=$(abspath $(BUILD))/e2e/soak-monkey TARVO_BIN_DIR=$(abspath $(BUILD))/bin \
	  bash tests/e2e/monkey.sh $(MONKEY_EVENTS) $(SEED)

# The widgets' random sequence, long: SEQUENCE_STEPS steps for each of SEQUENCE_SEEDS seeds.
SEQUENCE_STEPS ?= 25000
SEQUENCE_SEEDS ?= 4
.PHONY: soak-sequence
soak: soak-sequence
soak-sequence: build
	TARVO_SEQUENCE_STEPS=$(SEQUENCE_STEPS) TARVO_SEQUENCE_SEEDS=$(SEQUENCE_SEEDS) QT_QPA_PLATFORM=offscreen $(BUILD)/tests/sequence_tests

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
