#!/usr/bin/env bash
# Installs what is missing, builds Orvanta and runs every test: once in a
# release build, the unit tests once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, each fuzzer for a bounded time, and last the
# Windows cross build: its unit tests and the Windows zip under wine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"
jobs="$(nproc)"

cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build/release" -j "$jobs"
ctest --test-dir "$root/build/release" --output-on-failure -j "$jobs"

FUZZ_SECONDS="${FUZZ_SECONDS:-20}" "$root/tools/fuzz.sh"

cmake -S "$root" -B "$root/build/sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANTA_SANITIZE=ON \
    -DORVANTA_BUILD_DESKTOP=OFF
cmake --build "$root/build/sanitize" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$root/build/sanitize" --output-on-failure -j "$jobs" -L unit

"$root/tools/test-windows.sh" "$root/build/release"
