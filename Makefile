# Two commands: `make run` and `make test`. Both install what the machine lacks first.
.PHONY: run test deps configure programs build install uninstall sanitize fuzz format-check clean

BUILD_DIR ?= build
PREFIX ?= $(HOME)/.local
JOBS ?= 2
FUZZ_SECONDS ?= 60

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFINPLAN_WERROR=ON

# The programs alone (what `make run` starts), without the tests and benchmarks.
programs: configure
	cmake --build $(BUILD_DIR) -j$(JOBS) --target programs

build: configure
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

# Removes what the last install from BUILD_DIR put in place (the user's plans stay).
uninstall:
	@test -f $(BUILD_DIR)/install_manifest.txt || { echo "Nothing was installed from $(BUILD_DIR)."; exit 1; }
	xargs -d '\n' rm -f < $(BUILD_DIR)/install_manifest.txt
	-update-mime-database "$(PREFIX)/share/mime" 2>/dev/null
	-update-desktop-database "$(PREFIX)/share/applications" 2>/dev/null

run: programs
	bash scripts/run.sh

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz
