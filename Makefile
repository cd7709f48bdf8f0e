# Front door. `make test` and `make run` do all the set-up on a fresh Debian machine.
BUILD   ?= build
JOBS    ?= $(shell nproc)
NATIVE  := $(BUILD)/native
ASAN    := $(BUILD)/asan
WIN     := $(BUILD)/win

.PHONY: test run bench fuzz coverage screenshots setup build native asan win clean

test: build
	@scripts/run-tests.sh $(BUILD)

run: setup win
	@scripts/wine-prefix.sh $(BUILD)/wine-x11 x11
	@BUILD=$(BUILD) scripts/run-program.sh

bench: setup native win
	@BUILD=$(BUILD) scripts/run-bench.sh

fuzz: setup asan
	@BUILD=$(BUILD) scripts/run-fuzz.sh $${FUZZ_SECONDS:-300}

coverage: setup
	@JOBS=$(JOBS) scripts/coverage.sh $(BUILD)

screenshots: setup win
	@scripts/wine-prefix.sh $(BUILD)/wine-x11 x11
	@BUILD=$(BUILD) scripts/screenshots.sh

setup:
	@scripts/setup.sh

build: setup native asan win
	@scripts/wine-prefix.sh $(BUILD)/wine-null null

native:
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS) -- --no-print-directory

asan:
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_SANITIZE=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(ASAN) -j $(JOBS) -- --no-print-directory

win:
	@cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake >/dev/null
	@cmake --build $(WIN) -j $(JOBS) -- --no-print-directory

clean:
	rm -rf $(BUILD)
