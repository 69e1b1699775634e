#!/bin/bash
# Start-up benchmark: time from process start to the main window being shown,
# and resident memory, of orvanta side by side with a minimal Qt program that
# shows one empty window, in the same run and on the same X server (an Xvfb of
# its own, xcb platform). Prints medians of the rounds and the ratios.
#   bench/startup.sh [ROUNDS]          (default 15)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
rounds="${1:-15}"
build="$root/build/bench"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DORVANTA_BUILD_BENCHMARKS=ON -DORVANTA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j 2 --target orvanta minimal_window startup_probe >/dev/null

work="$(mktemp -d)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
chmod 700 "$work"
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done

probe="$build/bench/startup_probe"
orvanta="$build/src/app/orvanta"
minimal="$build/bench/minimal_window"
cd "$work"
"$probe" "$orvanta" >/dev/null && "$probe" "$minimal" >/dev/null  # warm the file cache

orvanta_runs=() minimal_runs=()
for _ in $(seq "$rounds"); do
    minimal_runs+=("$("$probe" "$minimal")")
    orvanta_runs+=("$("$probe" "$orvanta")")
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column_median() { printf '%s\n' "${@:2}" | awk -v c="$1" '{ print $c }' | median; }

o_ms=$(column_median 1 "${orvanta_runs[@]}")
m_ms=$(column_median 1 "${minimal_runs[@]}")
o_kib=$(column_median 2 "${orvanta_runs[@]}")
m_kib=$(column_median 2 "${minimal_runs[@]}")
printf '%-28s %12s %12s %8s\n' "median of $rounds rounds" orvanta minimal ratio
awk -v o="$o_ms" -v m="$m_ms" 'BEGIN { printf "%-28s %9.1f ms %9.1f ms %7.2fx\n", "start to window shown", o, m, o / m }'
awk -v o="$o_kib" -v m="$m_kib" 'BEGIN { printf "%-28s %8.1f MiB %8.1f MiB %7.2fx\n", "resident memory", o / 1024, m / 1024, o / m }'
