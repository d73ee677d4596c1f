# The two commands of the README. Both install what is missing first.
JOBS ?= $(shell nproc)

.PHONY: play test build-release build-test build-sanitize deps deps-test clean

play: build-release
	cd build/release/data && ../wavedart

test: build-test build-sanitize
	ctest --test-dir build/test --output-on-failure -j $(JOBS)
	ctest --test-dir build/sanitize --output-on-failure -j $(JOBS)

deps:
	sh scripts/install-deps.sh play

deps-test:
	sh scripts/install-deps.sh test

build-release: deps
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DWAVEDART_TESTS=OFF
	cmake --build build/release -j $(JOBS)

build-test: deps-test
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWAVEDART_WERROR=ON
	cmake --build build/test -j $(JOBS)

build-sanitize: deps-test
	cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DWAVEDART_WERROR=ON -DWAVEDART_SANITIZE=ON
	cmake --build build/sanitize -j $(JOBS)

clean:
	rm -rf build
