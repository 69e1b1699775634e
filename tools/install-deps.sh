#!/usr/bin/env bash
# Installs the Debian packages Orvanta builds and tests with, when missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkgconf
    qt6-base-dev libgl-dev            # the desktop program
    libgtest-dev libgmock-dev          # unit and widget tests
    libbenchmark-dev libx11-dev        # benchmarks (the start-up probe watches the X server)
    xvfb xauth x11-utils               # the end-to-end test's own X server, xwininfo
    clang libclang-rt-dev              # libFuzzer targets
    dpkg-dev file                      # the Debian package and its test,
    lintian appstream                  # with Debian's and AppStream's checks
    g++-mingw-w64-x86-64-posix googletest wine wine64  # the Windows cross build, tested under wine
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
