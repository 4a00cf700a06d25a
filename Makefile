# One command each: set-up (packages, configure, build) is part of every target.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps build run test fuzz bench clean

all: build

deps:
	scripts/setup-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display to show the window on (DISPLAY is not set)." >&2; \
	  echo "Search from the command line instead, for example: $(BUILD)/vorlak-query --name 甲醇" >&2; \
	  exit 1; \
	fi
	cd $(BUILD) && ./vorlak

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# The long run of the criteria fuzz test, on both catalogues.
fuzz: build
	cd $(BUILD) && VORLAK_FUZZ_COUNT=10000 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -R CriteriaFuzz

bench: deps
	cmake -S . -B $(BUILD) -G Ninja -DVORLAK_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD)
	scripts/bench $(BUILD)

clean:
	rm -rf $(BUILD)
