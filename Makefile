# Thin wrapper around scripts/install-deps and the CMake presets.
JOBS ?= $(shell nproc)
PRESETS_TESTED = release asan

.PHONY: all deps play test determinism-clang build-% test-% format format-check clean

all: build-release

deps:
	@scripts/install-deps

build-%: deps
	@cmake --preset $* >/dev/null
	@cmake --build --preset $* -j $(JOBS)

test-%: build-%
	@ctest --preset $* -j $(JOBS)

play: build-release
	@scripts/play

test: deps
	@$(MAKE) --no-print-directory $(addprefix test-,$(PRESETS_TESTED))
	@$(MAKE) --no-print-directory determinism-clang
	@scripts/check-tree

# The simulation must be bit-identical under clang as well; only the test
# executable is built there, to keep CI short.
determinism-clang: deps
	@cmake --preset clang >/dev/null
	@cmake --build --preset clang -j $(JOBS) --target quirkvale_tests
	@ctest --preset clang -R Determinism

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf build
