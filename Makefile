# The two commands of the README. Both install what is missing first.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERMALO_WERROR=ON
# A machine that has built before rebuilds from its compiler cache, when it has one.
CCACHE := $(shell command -v ccache 2>/dev/null)
ifneq ($(CCACHE),)
CMAKE_FLAGS += -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)
export CCACHE_BASEDIR := $(CURDIR)
# Clones in other folders share the cache; line tables name files relative to the tree.
export CCACHE_NOHASHDIR := 1
endif

.PHONY: run test build setup clean

setup:
	@scripts/setup

$(BUILD_DIR)/build.ninja: | setup
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

build: setup $(BUILD_DIR)/build.ninja
	@cmake --build $(BUILD_DIR)

# The program alone: no tests, tools or benchmarks.
run: setup $(BUILD_DIR)/build.ninja
	@cmake --build $(BUILD_DIR) --target termalo
	@$(BUILD_DIR)/app/termalo

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2

clean:
	@rm -rf $(BUILD_DIR) $(WINDOWS_BUILD_DIR)

# The Windows program, cross-built with MinGW-w64 and tested under Wine (see
# the README). Qt for Windows is built once from Debian's sources into
# ~/.cache/termalo; later runs find it there.
WINDOWS_BUILD_DIR ?= build-windows
WINDOWS_CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERMALO_WERROR=ON
ifneq ($(CCACHE),)
WINDOWS_CMAKE_FLAGS += -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)
endif

.PHONY: windows windows-test windows-qt

windows-qt:
	@nice -n 10 scripts/windows/build-qt

$(WINDOWS_BUILD_DIR)/build.ninja: | windows-qt
	@cmake -S . -B $(WINDOWS_BUILD_DIR) -G Ninja --toolchain cmake/windows-mingw.cmake $(WINDOWS_CMAKE_FLAGS)

# termalo.exe, its folder, the folder zipped, and termalo-1.0-setup.exe.
windows: windows-qt $(WINDOWS_BUILD_DIR)/build.ninja
	@cmake --build $(WINDOWS_BUILD_DIR) --target windows_package

windows-test: windows
	@cmake --build $(WINDOWS_BUILD_DIR)
	@scripts/windows/run-tests $(WINDOWS_BUILD_DIR)
