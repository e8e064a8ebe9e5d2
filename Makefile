# The face of the project: `make run` starts the keyboard, `make test` runs every test.
BUILD ?= build
PACKAGES := g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth x11-utils xdotool cmake googletest \
            imagemagick
TOOLCHAIN := $(CURDIR)/cmake/mingw-w64-x86_64.cmake

.PHONY: all deps configure build test bench pictures run format clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing: $$missing"; \
		SUDO=$$( [ "$$(id -u)" = 0 ] || echo sudo ); \
		$$SUDO apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing >/dev/null; \
	fi

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	cmake --build $(BUILD) -j$$(nproc)

# Under Wine a test program's start fails now and then on a loaded machine (seen once in a fresh
# prefix with no output at all): a failure must repeat to count.
test: build
	cd $(BUILD) && ctest -j$$(nproc) --output-on-failure --repeat until-pass:2

# Figures of the input method's hot paths beside their floors (see README).
bench: configure
	cmake --build $(BUILD) -j2 --target bench

# The keyboards as the built library draws them, into docs/keyboards/ (see README).
pictures: configure
	cmake --build $(BUILD) -j2 --target pictures

run: build
	scripts/run-keyboard.sh $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
