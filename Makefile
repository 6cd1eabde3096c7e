# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a newcomer needs: `make run` and `make test`. Each installs what is
# missing, configures and builds first. A plain `make` builds the game and starts nothing.
GAME_BUILD ?= build-game
PACKAGE_BUILD ?= build-deb
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
# What the tests need beyond the game itself.
TEST_PACKAGES = libbenchmark-dev xvfb xauth xdotool x11-apps x11-xserver-utils dbus at-spi2-core \
    orca python3-pyatspi weston qt6-wayland avahi-daemon avahi-utils iproute2

.PHONY: game run test bench sanitize fuzz lint deb deb-clean-room deb-unstable screenshot \
    test-deps test-configure

# The game alone, as a packager builds it: no tests, no test tools.
game:
	@scripts/install-deps
	cmake -S . -B $(GAME_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(GAME_BUILD) -j $(JOBS)

run: game
	$(GAME_BUILD)/tavelin

# The Debian source and binary packages of the committed tree, in $(PACKAGE_BUILD): built by
# dpkg-buildpackage from debian/, checked by lintian and the desktop's validators.
deb:
	scripts/build-deb $(PACKAGE_BUILD)

# The same package built in a clean Debian 12 chroot, which proves its Build-Depends complete,
# checked by lintian there and its autopkgtests run there.
deb-clean-room: deb
	scripts/build-in-clean-room bookworm $(PACKAGE_BUILD)

# The same in Debian unstable, where a sponsor uploads it, with unstable's Qt, compiler and
# lintian. Not part of CI, as the archive moves under it: run it before handing the package over.
deb-unstable: deb
	scripts/build-in-clean-room unstable $(PACKAGE_BUILD)

# The screenshots the README and the metainfo show.
screenshot: game
	scripts/screenshot $(GAME_BUILD)/tavelin

test-deps:
	@scripts/install-deps $(TEST_PACKAGES)

test-configure: test-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DTAVELIN_WERROR=ON

test: test-configure
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: test-configure
	cmake --build $(BUILD) --target bench -j $(JOBS)

# The tests again, under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: test-deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTAVELIN_WERROR=ON \
	    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS)

# Fuzzes the handling of what a network peer sends, for FUZZ_SECONDS (clang's libFuzzer).
fuzz:
	@scripts/install-deps $(TEST_PACKAGES) clang libclang-rt-dev
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DTAVELIN_FUZZ=ON -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all"
	cmake --build $(FUZZ_BUILD) --target fuzz_received_text -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus
	QT_QPA_PLATFORM=offscreen $(FUZZ_BUILD)/tests/fuzz_received_text -max_total_time=$(FUZZ_SECONDS) \
	    -print_final_stats=1 $(FUZZ_BUILD)/corpus tests/fuzz/seeds

# clang-format, clang-tidy and clazy over src/.
lint: test-configure
	@scripts/install-deps clang-format clang-tidy clazy
	scripts/lint $(BUILD)
