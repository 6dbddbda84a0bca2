# Set-up commands: `make run`, `make test` and `make package` each install
# what they need and nothing more (as root, through apt), configure and build.
BUILD_DIR   ?= out
ASAN_DIR    ?= out-asan
BENCH_DIR   ?= out-bench
PACKAGE_DIR ?= out-package
FUZZ_DIR    ?= out-fuzz
FUZZ_SECONDS ?= 20
JOBS        ?= $(shell nproc)

# Building the program.
BUILD_PACKAGES   := build-essential cmake ninja-build pkg-config \
                    qt6-base-dev qt6-base-dev-tools libqscintilla2-qt6-dev
# Running it for what it is for: 编译+运行 needs a JDK and a terminal, the
# console a Latin monospace font and one with Chinese characters.
RUN_PACKAGES     := default-jdk xterm fonts-dejavu-core fonts-wqy-microhei \
                    qt6-translations-l10n
# Making the Debian package: dpkg-shlibdeps, and `file`, which CPack uses to find binaries.
PACKAGE_PACKAGES := dpkg-dev file
# Only the tests: X for the end-to-end runs (a window manager that frames
# the main window, and xcb to close a window as a window manager would), the
# Chinese locale, the format and shell checks, clang with its sanitizer
# runtime, screenshots, and Debian's checks of the package.
TEST_PACKAGES    := xvfb xauth xdotool x11-utils openbox libxcb1-dev locales clang-format shellcheck \
                    clang libclang-rt-14-dev imagemagick lintian appstream desktop-file-utils
FUZZ_PACKAGES    := clang libclang-rt-14-dev
BENCH_PACKAGES   := libbenchmark-dev libxcb1-dev

CONFIGURE = cmake -S . -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The logic and its unit tests again, with AddressSanitizer and UBSan.
CONFIGURE_ASAN = $(CONFIGURE) -B $(ASAN_DIR) -DCMAKE_CXX_COMPILER=clang++ -DQM_SANITIZE=ON \
                 -DQM_BUILD_WIDGETS=OFF

# Installs the packages of $(1) that are missing; several installs wait for each other.
define apt_install
	@missing=; for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || \
	      missing="$$missing $$p"; \
	  done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  if [ "$$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi; \
	  $$SUDO flock /tmp/quillmoss-apt.lock sh -c 'apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends '"$$missing"; \
	fi
endef

.PHONY: all deps deps-run deps-test deps-package deps-fuzz deps-bench configure build \
        build-asan run test test-unit bench fuzz package install screenshots format clean

all: build

deps: deps-test
deps-run:
	$(call apt_install,$(BUILD_PACKAGES) $(RUN_PACKAGES))
deps-test:
	$(call apt_install,$(BUILD_PACKAGES) $(RUN_PACKAGES) $(PACKAGE_PACKAGES) $(TEST_PACKAGES))
deps-package:
	$(call apt_install,$(BUILD_PACKAGES) $(PACKAGE_PACKAGES))
deps-fuzz:
	$(call apt_install,$(BUILD_PACKAGES) $(FUZZ_PACKAGES))
deps-bench:
	$(call apt_install,$(BUILD_PACKAGES) $(RUN_PACKAGES) $(TEST_PACKAGES) $(BENCH_PACKAGES))

# Configuring again is cheap and finds what a later install added.
configure: deps-test
	$(CONFIGURE) -B $(BUILD_DIR)
	$(CONFIGURE_ASAN)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

build-asan: configure
	cmake --build $(ASAN_DIR) -j $(JOBS)

run: deps-run
	@[ -f $(BUILD_DIR)/build.ninja ] || $(CONFIGURE) -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quillmoss-java
	./$(BUILD_DIR)/src/quillmoss-java $(if $(FILE),"$(FILE)")

# Every test of the program, then the sanitizer build's. `make test-unit`
# runs only the quick ones.
test: build build-asan
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_DIR) && ctest --output-on-failure -j $(JOBS)

test-unit: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) -L unit

bench: deps-bench
	$(CONFIGURE) -B $(BENCH_DIR) -DQM_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	@for b in $(BENCH_DIR)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; "$$b"; fi; \
	done

fuzz: deps-fuzz
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
	  -DQM_BUILD_FUZZ=ON -DQM_BUILD_TESTS=OFF -DQM_BUILD_WIDGETS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	@# New inputs go to $(FUZZ_DIR)/corpus/NAME; the seeds in fuzz/corpus/NAME stay as they are.
	@for f in $(FUZZ_DIR)/fuzz/fuzz_*; do \
	  if [ -f "$$f" ] && [ -x "$$f" ]; then \
	    n=$$(basename "$$f"); dict=; \
	    [ -f fuzz/$$n.dict ] && dict=-dict=fuzz/$$n.dict; \
	    mkdir -p $(FUZZ_DIR)/corpus/$$n; echo "== $$n"; \
	    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	    "$$f" -max_total_time=$(FUZZ_SECONDS) $$dict $(FUZZ_DIR)/corpus/$$n fuzz/corpus/$$n || exit 1; \
	  fi; \
	done

# The package is built on its own, without tests and benchmarks.
package: deps-package
	$(CONFIGURE) -B $(PACKAGE_DIR) -DQM_BUILD_TESTS=OFF
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	cd $(PACKAGE_DIR) && cpack -G DEB
	@ls $(PACKAGE_DIR)/quillmoss-java_*.deb

install: deps-run
	@[ -f $(BUILD_DIR)/build.ninja ] || $(CONFIGURE) -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quillmoss-java packaging_docs
	cmake --install $(BUILD_DIR)

screenshots: build
	tools/screenshots.sh $(BUILD_DIR)/src/quillmoss-java docs

format:
	git ls-files -co --exclude-standard -- '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(BENCH_DIR) $(PACKAGE_DIR) $(FUZZ_DIR)
