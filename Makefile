# The two set-up commands: `make run` (EDITION=light|heavy) and `make test`; `make bench` prints the figures.
EDITION ?= light
PRESET ?= dev
BUILD := build/$(PRESET)

.PHONY: run test test-sqlcipher4 bench build deps deps-test format media package

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
	cmake --preset release -DSAFEDRIVE_BUILD_BENCHMARKS=ON
	cmake --build build/release --target benchmarks
	scripts/bench.sh build/release

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Regenerates the committed pictures, clips and artwork (needs ffmpeg, installed by deps.sh media).
media:
	scripts/deps.sh media
	cmake --preset $(PRESET) -DSAFEDRIVE_BUILD_MEDIAGEN=ON
	cmake --build $(BUILD) --target safedrive-mediagen
	$(BUILD)/tools/mediagen/safedrive-mediagen $(CURDIR)

# Debian packages of both editions, their shared media and safedrive-bank, in build/packages
# (a Release build with Debian's hardening flags, installed under /usr).
package: export DEB_BUILD_MAINT_OPTIONS = hardening=+all
package:
	scripts/deps.sh package
	cmake --preset package \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build build/package
	cd build/package && cpack -B $(CURDIR)/build/packages
