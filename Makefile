# Two set-up commands: `make run` and `make test`. Both install what is
# missing (as root, through apt), configure and build.
BUILD_DIR ?= out
FUZZ_DIR  ?= out-fuzz
JOBS      ?= $(shell nproc)

PACKAGES := build-essential cmake ninja-build pkg-config \
            qt6-base-dev qt6-base-dev-tools libqscintilla2-qt6-dev \
            libbenchmark-dev clang libclang-rt-14-dev clang-format \
            openjdk-17-jdk-headless xvfb xauth xterm xdotool x11-utils \
            fonts-wqy-microhei imagemagick dpkg-dev file

.PHONY: all deps configure build run test bench fuzz package install screenshots format clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  if [ "$$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi; \
	  $$SUDO flock /tmp/quillmoss-apt.lock sh -c 'apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends '"$$missing"; \
	fi

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/quillmoss-java

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; "$$b"; fi; \
	done

fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
	  -DQM_BUILD_FUZZ=ON -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	@for f in $(FUZZ_DIR)/fuzz/fuzz_*; do \
	  if [ -f "$$f" ] && [ -x "$$f" ]; then echo "== $$f"; "$$f" -max_total_time=20 || exit 1; fi; \
	done

package: build
	cd $(BUILD_DIR) && cpack -G DEB

install: build
	cmake --install $(BUILD_DIR)

screenshots: build
	tools/screenshots.sh $(BUILD_DIR)/quillmoss-java docs

format:
	git ls-files -co --exclude-standard -- '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)
