#!/usr/bin/env bash
# Installs every system package the project builds, tests and runs with (Debian 12).
set -euo pipefail

PACKAGES=(
    cmake ninja-build g++ pkg-config
    clang-14 libclang-rt-14-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev
    xvfb xauth desktop-file-utils libxcb1-dev
    libsqlite3-dev libssl-dev libinih-dev
    ser2net openssl
    pandoc dpkg-dev lintian man-db
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n python3
)

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! as_root apt-get install -y --no-install-recommends "${missing[@]}"; then
    as_root apt-get update
    as_root apt-get install -y --no-install-recommends "${missing[@]}"
fi
