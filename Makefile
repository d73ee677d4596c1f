# The commands of the README. Each installs what is missing first.
JOBS ?= $(shell nproc)

.PHONY: play test fuzz soak mutants dist test-dist build-release build-test build-sanitize deps deps-test deps-dist windows test-windows deps-windows web serve-web test-web deps-web clean

play: build-release
	cd build/release/data && ../wavedart

# Seconds of fuzzing per reader: a short run in the tests, a long one alone.
FUZZ_TEST_SECONDS ?= 12
FUZZ_SECONDS ?= 600

test: build-test build-sanitize
	ctest --test-dir build/test --output-on-failure -j $(JOBS)
	ctest --test-dir build/sanitize --output-on-failure -j $(JOBS)
	JOBS=$(JOBS) sh scripts/fuzz.sh $(FUZZ_TEST_SECONDS)

fuzz: deps-test
	JOBS=$(JOBS) sh scripts/fuzz.sh $(FUZZ_SECONDS)

# Frames of pilot play and random keys under ASan and UBSan, optimised so
# that it takes minutes rather than an hour.
SOAK_FRAMES ?= 200000

soak: deps-test
	cmake -S . -B build/soak -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWAVEDART_WERROR=ON -DWAVEDART_SANITIZE=ON \
		-DWAVEDART_TESTS=OFF
	cmake --build build/soak -j $(JOBS) --target soak assets
	build/soak/tools/soak/soak --frames $(SOAK_FRAMES) --data build/soak/data

# Every mutant of tools/mutants/mutants.txt against the tests, in a copy of
# the tree: slow, so not part of test.
mutants: deps-test
	bash tools/mutants/mutants.sh --jobs $(JOBS)

# The release files in build/dist/: the Debian package, the Windows zip and
# the web zip named by the version; and the package's checks (lintian,
# contents, install, run and remove).
dist: deps-dist windows web
	JOBS=$(JOBS) sh scripts/dist.sh windows-x64=build/windows/wavedart-windows-x64.zip \
		web=build/web/wavedart-web.zip

test-dist: dist
	sh scripts/test-dist.sh

# The Windows zip in build/windows/, cross-built with mingw-w64, and its
# checks under Wine.
windows: deps-windows
	JOBS=$(JOBS) sh scripts/windows.sh

test-windows: windows
	JOBS=$(JOBS) sh scripts/test-windows.sh

# The page in build/web/ (and its zip), built with Emscripten; served on
# 127.0.0.1; tested in headless Chromium and by the demos replayed under Node.
WEB_PORT ?= 8000

web: deps-web
	JOBS=$(JOBS) sh scripts/web.sh

serve-web: web
	@echo "Wavedart: http://127.0.0.1:$(WEB_PORT)/"
	cd build/web && python3 -m http.server --bind 127.0.0.1 $(WEB_PORT)

test-web: web
	cd tests/web && npm ci --no-audit --no-fund
	cd tests/web && node --test --test-concurrency=1 page.test.mjs touch.test.mjs profile.test.mjs offline.test.mjs replay.test.mjs

deps:
	sh scripts/install-deps.sh play

deps-test:
	sh scripts/install-deps.sh test

deps-dist:
	sh scripts/install-deps.sh dist

deps-windows:
	sh scripts/install-deps.sh windows

deps-web:
	sh scripts/install-deps.sh web

build-release: deps
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DWAVEDART_TESTS=OFF
	cmake --build build/release -j $(JOBS)

build-test: deps-test
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWAVEDART_WERROR=ON
	cmake --build build/test -j $(JOBS)

# Assertions on, and -O1: the checked code runs two to three times faster
# than unoptimised, and the reports still name every line.
build-sanitize: deps-test
	cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG="-g -O1" \
		-DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DWAVEDART_WERROR=ON -DWAVEDART_SANITIZE=ON
	cmake --build build/sanitize -j $(JOBS)

clean:
	rm -rf build
