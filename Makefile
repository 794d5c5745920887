# Two commands: `make run` and `make test`. Both install what the machine lacks first.
.PHONY: run test deps build install sanitize fuzz format-check clean

BUILD_DIR ?= build
PREFIX ?= $(HOME)/.local
JOBS ?= 2
FUZZ_SECONDS ?= 60

deps:
	bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j$(JOBS)

test: build format-check
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)
	bash scripts/sanitize-and-fuzz.sh

format-check: deps
	bash scripts/check-format.sh

sanitize: deps
	bash scripts/sanitize-and-fuzz.sh

# Every fuzz target for FUZZ_SECONDS seconds on a corpus kept in build-fuzz/corpus.
fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/fuzz.sh

# The programs, help file, example, menu entry, icon and ".ret" type for one user (or
# PREFIX=/usr/local; DESTDIR=... for a package).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

run: build
	bash scripts/run.sh

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz
