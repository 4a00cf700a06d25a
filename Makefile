# One command each: set-up (packages, configure, build) is part of every target.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps build run test fuzz sanitize mutate bench install package clean

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

# The tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# in a folder of their own; the X server and valgrind tests stay out.
SANITIZE_BUILD ?= build-sanitize
sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DVORLAK_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD)
	@# The driver manager loads and unloads its settings library; kept loaded to
	@# the end, the settings it caches are still referenced when leaks are looked for.
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen LD_PRELOAD=libodbcinst.so.2 \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:verify_asan_link_order=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j2 -E '^(window-smoke|grid-input|grid-goes-memcheck|package-check)$$'

# The mutation run over tests/mutations/list (not part of make test).
mutate: build
	scripts/mutate $(BUILD)

bench: deps
	cmake -S . -B $(BUILD) -G Ninja -DVORLAK_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD)
	scripts/bench $(BUILD)

# Installs under CMAKE_INSTALL_PREFIX (/usr/local unless CMAKE_FLAGS or PREFIX
# says otherwise), below DESTDIR when it is set.
PREFIX ?=
install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# The Debian package of that installation, under /usr, in $(BUILD).
package: build
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD)
