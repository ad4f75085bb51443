# SPDX-License-Identifier: MIT
# Corvel: the usual entry points. `make test` is what CI runs.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

# Debian and Ubuntu packages the build and the tests need.
PACKAGES := cmake g++ make ninja-build pkg-config qt6-base-dev libjpeg-dev liblcms2-dev libpng-dev libwebp-dev libgtest-dev \
            fonts-liberation fonts-dejavu-core help2man desktop-file-utils appstream
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
APT := DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get -y -q

.PHONY: all deps configure build test run install install-files uninstall format format-check clean fuzz bench

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "installing:$$missing"; \
	    updated=""; \
	    for p in $$missing; do \
	        apt-cache show $$p >/dev/null 2>&1 || { $(APT) update; updated=1; break; }; \
	    done; \
	    $(APT) install --no-install-recommends $$missing || \
	        { [ -z "$$updated" ] && $(APT) update && $(APT) install --no-install-recommends $$missing; }; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: deps
	$(MAKE) build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

run: build
	$(BUILD)/bin/corvelxp

# `make install` puts the programs under PREFIX (default /usr/local, which needs root:
# `sudo make install`, or `make install PREFIX=~/.local` for one user); DESTDIR stages the
# tree elsewhere for packaging. It leaves a manifest of the files it wrote, DESTDIR included,
# in the build folder, and `make uninstall` removes those files. `install-files` is the copy
# alone, for a tree already built.
PREFIX ?= /usr/local
DESTDIR ?=
INSTALL_MANIFEST = $(abspath $(BUILD))/install_manifest.txt

install: build
	@$(MAKE) --no-print-directory install-files

install-files:
	@set -e; \
	absolute() { case $$1 in /*|"") echo "$$1" ;; *) echo "$$(pwd)/$$1" ;; esac; }; \
	prefix=$$(absolute "$(PREFIX)"); destdir=$$(absolute "$(DESTDIR)"); \
	dir="$$destdir$$prefix"; \
	while [ ! -e "$$dir" ]; do dir=$$(dirname "$$dir"); done; \
	if [ ! -w "$$dir" ]; then \
	    echo "Installing into $$prefix needs root: run 'sudo make install'," \
	         "or install for yourself with 'make install PREFIX=$$HOME/.local'." >&2; \
	    exit 1; \
	fi; \
	echo "cmake --install $(BUILD) --prefix $$prefix$${destdir:+ (DESTDIR $$destdir)}"; \
	DESTDIR="$$destdir" cmake --install $(BUILD) --prefix "$$prefix"; \
	if [ -n "$$destdir" ]; then \
	    : "cmake lists the files without DESTDIR: name them where they really are"; \
	    awk -v root="$$destdir" '{ print root $$0 }' "$(INSTALL_MANIFEST)" > "$(INSTALL_MANIFEST).new"; \
	    mv "$(INSTALL_MANIFEST).new" "$(INSTALL_MANIFEST)"; \
	fi

uninstall:
	cmake -DMANIFEST="$(INSTALL_MANIFEST)" -P tools/uninstall.cmake

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# The picture readers under libFuzzer with address and undefined-behaviour checks, in their
# own build folder with clang; never part of `make test`. FUZZ_SECONDS sets the run's length.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 180
FUZZ_FLAGS := -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined

fuzz:
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DCORVEL_FUZZ=ON -DCORVEL_BUILD_TESTS=OFF \
	    -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)"
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target picture_fuzzer
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/seeds
	python3 fuzz/make_seeds.py $(FUZZ_BUILD)/seeds
	cd $(FUZZ_BUILD) && ./bin/picture_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	    -rss_limit_mb=2048 -timeout=60 -print_final_stats=1 corpus seeds

# Speed and memory of the command line against vipsthumbnail and ImageMagick on large
# pictures; installs those two when missing. Never part of `make test`.
bench: build
	bench/run.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
