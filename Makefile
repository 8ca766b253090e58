# TALP: `make run` and `make test` do all set-up on a fresh Debian 12 machine.

BUILD      ?= build
JOBS       ?= 2
CMAKE_ARGS ?=
PREFIX     ?= /usr/local
DESTDIR    ?=

# Debian packages the build, the tests and the desktop program need.
PACKAGES := build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
            nlohmann-json3-dev libcli11-dev qt6-base-dev qt6-charts-dev libgl-dev xvfb xauth \
            poppler-utils clang libclang-rt-14-dev fonts-dejavu-core qt6-translations-l10n \
            qt6-svg-dev desktop-file-utils appstream shared-mime-info groff-base

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# Installing into a folder the user cannot write (the default /usr/local) takes sudo.
INSTALL_SUDO := $(if $(DESTDIR),,$(shell [ -w "$(PREFIX)" ] || echo $(SUDO)))

.PHONY: all deps configure build run install test bench fuzz test-sanitize clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing missing Debian packages:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(if $(CI),-DTALP_WERROR=ON) \
	      $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/talp ]; then $(BUILD)/bin/talp; \
	else $(BUILD)/bin/talp-cli run; fi

# The programs, their data under PREFIX/share/talp, the menu entry, the project file type,
# the icons and the man pages; DESTDIR stages the installation for a package.
install: build
	DESTDIR="$(DESTDIR)" $(INSTALL_SUDO) cmake --install $(BUILD)

# Every test passes every time or it is a fault: nothing is tried again.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bin/talp-bench

test-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTALP_SANITIZE=ON -DTALP_BUILD_BENCH=OFF \
	      -DTALP_BUILD_GUI=OFF
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ctest --output-on-failure -j $(JOBS)

# libFuzzer targets of the file readers, each run for FUZZ_SECONDS on its seed corpus.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := project_record_fuzz hourly_file_fuzz weather_file_fuzz variant_set_fuzz

fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DTALP_FUZZ=ON \
	      -DTALP_BUILD_GUI=OFF -DTALP_BUILD_BENCH=OFF
	cmake --build build-fuzz -j $(JOBS) --target $(FUZZ_TARGETS)
	@for t in $(FUZZ_TARGETS); do \
	    corpus=build-fuzz/corpus/$${t%_fuzz}; mkdir -p $$corpus; \
	    echo "== $$t for $(FUZZ_SECONDS) s"; \
	    build-fuzz/bin/$$t -max_total_time=$(FUZZ_SECONDS) -max_len=8192 -print_final_stats=1 \
	        $$corpus fuzz/corpus/$${t%_fuzz} || exit 1; \
	done

clean:
	rm -rf $(BUILD) build-sanitize build-fuzz
