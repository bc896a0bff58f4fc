# Two commands: `make run` sets up, builds and starts the game; `make test` sets up, builds and
# runs the whole suite (and the unit and widget tests once more under ASan and UBSan).
BUILD      ?= build
SAN_BUILD  ?= build-san
CMAKE_GEN  := -G Ninja
JOBS       ?= $(shell nproc)

.PHONY: setup configure build run test test-main test-san bench gallery clean soak soak-monkey

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

test: test-main test-san

test-main: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# A second tree with the sanitizers: the unit and widget tests only (the end-to-end
# tests drive the release build); any sanitizer report fails the run.
test-san: setup
	cmake -S . -B $(SAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTARVO_SANITIZE=ON -DTARVO_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS) -L unit

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

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
