#!/usr/bin/env bash
# The Windows part of the test command: the MinGW-w64 cross build, its unit
# tests under wine, and the zip for Windows users checked against the Linux
# build's orvanta-cli (LINUX_BUILD_DIR, default build/release). Wine runs in a
# throwaway prefix, without a display.
#   test-windows.sh [LINUX_BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
linux_build="${1:-$root/build/release}"
build="$root/build/windows"
jobs="$(nproc)"
start=$SECONDS

cmake --preset windows -S "$root" >/dev/null
cmake --build "$build" -j "$jobs"

unset DISPLAY WAYLAND_DISPLAY
export WINEDEBUG=-all WINEPREFIX WINEDLLOVERRIDES="mscoree,mshtml="  # no .NET or browser engine prompts
WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/orvanta-wine.XXXXXX")"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
echo "$(wine --version) in $WINEPREFIX, no display"
wineboot --init >/dev/null 2>&1
wineserver -w

ctest --test-dir "$build" --output-on-failure -j "$jobs" -L unit
(cd "$build" && cpack -G ZIP >/dev/null)
"$root/tests/package/win64_zip_test.sh" "$build"/orvanta-cli-*-win64.zip "$linux_build/src/cli/orvanta-cli"
echo "Windows part: $((SECONDS - start)) s"
