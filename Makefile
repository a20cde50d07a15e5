# The two set-up commands: `make run` (EDITION=light|heavy) and `make test`; `make bench` prints the figures.
EDITION ?= light
PRESET ?= dev
BUILD := build/$(PRESET)

.PHONY: run test test-sqlcipher4 bench build deps deps-test format media

deps:
	scripts/deps.sh build

deps-test:
	scripts/deps.sh test

$(BUILD)/build.ninja:
	cmake --preset $(PRESET)

build: $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: deps
	$(MAKE) build
	$(BUILD)/editions/$(EDITION)/safedrive-$(EDITION)

test: deps-test
	$(MAKE) build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure
	$(MAKE) test-sqlcipher4

# The bank layer, its tool and their tests built again on SQLCipher 4 and run there, with the
# banks of $(BUILD) (the system's SQLCipher 3) crossing over both ways.
test-sqlcipher4: deps-test
	scripts/sqlcipher4.sh build
	cmake --preset sqlcipher4 -DSAFEDRIVE_OTHER_BUILD=$(CURDIR)/$(BUILD)
	cmake --build build/sqlcipher4 --target bank-checks
	cd build/sqlcipher4 && QT_QPA_PLATFORM=offscreen ctest -L bank --output-on-failure

bench: deps-test
	$(MAKE) build/release/build.ninja PRESET=release
	cmake --build build/release --target benchmarks
	scripts/bench.sh build/release

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Regenerates the committed pictures, clips and artwork (needs ffmpeg, installed by deps.sh media).
media:
	scripts/deps.sh media
	$(MAKE) build
	cmake --build $(BUILD) --target safedrive-mediagen
	$(BUILD)/tools/mediagen/safedrive-mediagen $(CURDIR)
