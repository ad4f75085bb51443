# Corvel: the usual entry points. `make test` is what CI runs.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

# Debian packages the build, the tests and the real-window runs need.
PACKAGES := cmake g++ make ninja-build pkg-config qt6-base-dev libjpeg62-turbo-dev libgtest-dev \
            xvfb xauth fonts-liberation
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
APT := DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get -y -q

.PHONY: all deps configure build test run install format format-check clean

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

install: build
	cmake --install $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD)
