#!/usr/bin/env bash
# Installs what is missing, builds Orvanta and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_BUILD_TESTS=OFF
cmake --build "$root/build/release"
if [ -x "$root/build/release/src/app/orvanta" ]; then
    exec "$root/build/release/src/app/orvanta" "$@"
fi
exec "$root/build/release/src/cli/orvanta-cli" "${@:---help}"
