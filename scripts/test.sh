#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the normal build and its Debian package,
# an address and undefined-behaviour sanitizer build and a thread sanitizer build of the device
# tests, and short fuzz runs of the frame cutter, the receipt file reader, the configuration
# replies, the logo's bitmap reader and row packing, the telnet stream of a network register
# and the settings profile reader.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
JOBS=$(nproc)
FUZZ_SECONDS=${ORVIK_FUZZ_SECONDS:-30}

"$ROOT/scripts/install-deps.sh"

step() { printf '\n=== %s ===\n' "$*"; }

step "Build and test"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
ninja -C build-test -j "$JOBS"
ctest --test-dir build-test --output-on-failure -j "$JOBS"

step "The Debian package: lintian, its programs and manual pages unpacked into a scratch root"
rm -f build-test/orvik-console_*.deb
(cd build-test && cpack -G DEB)
./scripts/check-package.sh build-test/orvik-console_*.deb

CLANG=(-DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DORVIK_BUILD_GUI=OFF
       -DORVIK_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)

step "Device tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja "${CLANG[@]}" -DORVIK_SANITIZE=address,undefined
ninja -C build-asan -j "$JOBS"
ctest --test-dir build-asan --output-on-failure -j "$JOBS" -L 'unit|integration'

step "Receiver, queue and transaction tests under ThreadSanitizer"
cmake -S . -B build-tsan -G Ninja "${CLANG[@]}" -DORVIK_SANITIZE=thread
ninja -C build-tsan -j "$JOBS"
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$ROOT/scripts/tsan-suppressions.txt" \
    ctest --test-dir build-tsan --output-on-failure -j "$JOBS" -L 'unit|integration'

step "Fuzzing the frame cutter, the receipt file reader, the configuration replies, the logo, the telnet stream and the settings profile for ${FUZZ_SECONDS}s each"
cmake -S . -B build-fuzz -G Ninja "${CLANG[@]}" -DORVIK_FUZZ=ON -DORVIK_BUILD_TESTS=OFF
ninja -C build-fuzz -j "$JOBS" frame_cutter_fuzzer receipt_file_fuzzer config_reply_fuzzer \
    logo_image_fuzzer telnet_stream_fuzzer settings_profile_fuzzer
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
for target in frame_cutter receipt_file config_reply logo_image telnet_stream settings_profile; do
    # Each target grows a corpus of its own from its seeds.
    mkdir "$corpus/$target"
    cp "fuzz/corpus/$target"/* "$corpus/$target"/
    "build-fuzz/fuzz/${target}_fuzzer" -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
        "$corpus/$target"
done

step "All tests passed"
