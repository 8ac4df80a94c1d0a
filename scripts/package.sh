#!/usr/bin/env bash
# Builds the programs (Release) and makes the Debian package orvik-console_VERSION_ARCH.deb in
# the build folder, then checks it (scripts/check-package.sh: lintian, the programs and manual
# pages as installed). Installs what is missing, lintian among it, with install-deps.sh.
#
# usage: scripts/package.sh [BUILD_DIR]   (default: build-package)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}

./scripts/install-deps.sh

if [ -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
else
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVIK_BUILD_TESTS=OFF \
        -DORVIK_BUILD_BENCH=OFF
fi
cmake --build "$build"

rm -f "$build"/orvik-console_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/orvik-console_*.deb)
./scripts/check-package.sh "$deb"
echo "The package: $deb"
