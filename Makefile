# Two commands for a fresh Debian machine:
#   make run    install what is missing, build, and start the game
#   make test   install what is missing, build, and run every test
#               (plain build, AddressSanitizer + UBSan build, clang build)

PACKAGES := cmake g++ clang make pkg-config libgtest-dev libbenchmark-dev \
            libfreeimage-dev libsdl2-dev libfreetype-dev fonts-dejavu-core
JOBS     := $(shell nproc)

.PHONY: run test configure build build-sanitize build-clang deps bench clean

# Only the game, its pictures and its data files: no tests, tools or
# benchmarks stand between a fresh clone and the first screen.
run: configure
	cmake --build build -j $(JOBS) --target velmara
	cd build && ./velmara

test: build build-sanitize build-clang
	cd build && ctest --output-on-failure -j $(JOBS)
	cd build-sanitize && ctest --output-on-failure -j $(JOBS)
	cd build-clang && ctest --output-on-failure -j $(JOBS)

bench: build
	cd build && ./velmara_bench

build: configure
	cmake --build build -j $(JOBS)

configure: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo

build-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVELMARA_SANITIZE=ON -DVELMARA_BENCH=OFF
	cmake --build build-sanitize -j $(JOBS)

# The second compiler, whose warnings are errors too.
build-clang: deps
	CC=clang CXX=clang++ cmake -S . -B build-clang -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMARA_BENCH=OFF
	cmake --build build-clang -j $(JOBS)

deps:
	@sh .ci/install-packages $(PACKAGES)

# Leaves saved games alone: only the build trees' program files go.
clean:
	cmake --build build --target clean 2>/dev/null || true
	cmake --build build-sanitize --target clean 2>/dev/null || true
	cmake --build build-clang --target clean 2>/dev/null || true
