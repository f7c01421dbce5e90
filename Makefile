# Custovia: `make run` starts the program, `make test` runs every test.
# Both install what they need from Debian's packages when it is missing.

BUILD      ?= build
LOGIC      ?= build-logic
WINBUILD   ?= build-windows
PACKAGE_BUILD ?= build-package
JOBS       ?= 2
BUILD_TYPE ?= RelWithDebInfo

PACKAGES := g++ cmake ninja-build ccache pkg-config \
	qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins libgl-dev \
	gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
	libgtest-dev libgmock-dev googletest libbenchmark-dev \
	poppler-utils libqpdf-dev fonts-liberation fonts-dejavu-core dpkg-dev desktop-file-utils appstream \
	libzip-dev unzip clang-format \
	g++-mingw-w64-x86-64-posix wine64

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test format-check test-windows test-logic package bench fuzz clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/Custovia && ./custovia

test: build
	$(MAKE) --no-print-directory format-check
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -j $(JOBS) --output-on-failure
	$(MAKE) --no-print-directory test-windows

# every C++ file of the tree laid out as .clang-format says: a dry run that names each file
# clang-format would change and fails
FORMAT_DIRS := app archive report emergencies clients employees appointments contracts tests bench fuzz tools
format-check: deps
	find $(FORMAT_DIRS) \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror

# the logic and its tests built for Windows with MinGW-w64 and run under Wine (the prefix is
# made inside the build folder on first use)
test-windows: deps
	cmake -S . -B $(WINBUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCUSTOVIA_WINDOWS=OFF \
	  -DCUSTOVIA_WERROR=ON -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake
	cmake --build $(WINBUILD) -j $(JOBS)
	cd $(WINBUILD) && ctest -j $(JOBS) --output-on-failure

# the logic alone, without Qt
test-logic: deps
	cmake -S . -B $(LOGIC) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCUSTOVIA_WINDOWS=OFF -DCUSTOVIA_WERROR=ON -DCUSTOVIA_SANITIZE=ON
	cmake --build $(LOGIC) -j $(JOBS)
	cd $(LOGIC) && ctest -j $(JOBS) --output-on-failure

# the Debian package custovia_<version>_<arch>.deb in $(PACKAGE_BUILD)/: a Release build with
# Debian's hardening flags, the user guide and the files an installation needs
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package: deps
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS) \
	  -DCMAKE_CXX_FLAGS="$$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)"
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target custovia package_docs
	cd $(PACKAGE_BUILD) && cpack -G DEB
	@ls $(PACKAGE_BUILD)/custovia_*.deb

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCUSTOVIA_BENCH=ON
	cmake --build build-bench -j $(JOBS) --target custovia_bench
	QT_QPA_PLATFORM=offscreen build-bench/bench/custovia_bench

FUZZ_SECONDS ?= 60
fuzz: deps
	@dpkg-query -W clang libclang-rt-14-dev >/dev/null 2>&1 || ($(SUDO) apt-get update -q && $(SUDO) apt-get install -y -q clang libclang-rt-14-dev)
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCUSTOVIA_WINDOWS=OFF \
	  -DCUSTOVIA_FUZZ=ON -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	@failed=""; for target in build-fuzz/fuzz/fuzz_*; do \
	  name=$$(basename $$target); echo "== $$name ($(FUZZ_SECONDS) s)"; mkdir -p build-fuzz/corpus/$$name; \
	  seeds=""; [ -d fuzz/seeds/$$name ] && seeds=fuzz/seeds/$$name; \
	  $$target -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=build-fuzz/$$name- -print_final_stats=0 build-fuzz/corpus/$$name $$seeds \
	    >build-fuzz/$$name.log 2>&1 || { failed="$$failed $$name"; tail -40 build-fuzz/$$name.log; }; \
	  grep -E '^Done|DONE' build-fuzz/$$name.log | tail -1; \
	done; \
	if [ -n "$$failed" ]; then echo "fuzz: failed:$$failed (logs in build-fuzz/)"; exit 1; fi; \
	echo "fuzz: every target ran for $(FUZZ_SECONDS) s without a fault"

clean:
	rm -rf $(BUILD) $(LOGIC) $(WINBUILD) $(PACKAGE_BUILD) build-bench build-fuzz
