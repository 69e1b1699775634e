#!/usr/bin/env bash
# Installs what is missing, builds Orvanta and runs every test: once in a
# release build, the unit tests once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, each fuzzer for a bounded time, and last the
# Windows cross build: its unit tests and the Windows zip under wine. The
# builds and test runs are the presets of CMakePresets.json, which treat
# compiler warnings as errors.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"
jobs="$(nproc)"
cd "$root"  # where cmake and ctest find the presets

cmake --preset release
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"

FUZZ_SECONDS="${FUZZ_SECONDS:-20}" "$root/tools/fuzz.sh"

cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

"$root/tools/test-windows.sh" "$root/build/release"
