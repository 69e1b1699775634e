#!/bin/bash
# Peak memory of the inputs that once froze Orvanta or ran it out of memory:
# each is made here, run under /usr/bin/time, and its peak resident memory
# must stay within its bound (in MB). Prints the peak and the time of each;
# exits 1 when one goes over.
#   bench/peak_memory.sh [CLI [UI_BENCH]]   (default: build/bench's, built here)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/bench"
cli="${1:-}"
ui_bench="${2:-}"
if [ -z "$cli" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DORVANTA_BUILD_BENCHMARKS=ON -DORVANTA_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" -j 2 --target orvanta-cli ui_bench >/dev/null
    cli="$build/src/cli/orvanta-cli" ui_bench="$build/bench/ui_bench"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
python3 - "$work" <<'PY'
import struct, sys
out = sys.argv[1]
# SCRIPT.DAT: 255 levels whose blocks all lie in one 64 KB run of Legend opcodes.
data = b'\x8c\x00' * (65534 // 2)
name = b'DATA\\A.TR4\x00'
head = struct.pack('<B3xIBBBxHH', 0, 0, 0, 255, 1, len(name), len(data)) + b'\x00' * 40
offsets = b''.join(struct.pack('<H', i) for i in range(255))
open(f'{out}/bomb.dat', 'wb').write(head + struct.pack('<H', 0) + name + offsets + data + b'ENGLISH.DAT\x00')
with open(f'{out}/zeros.dat', 'wb') as f:  # 255 MiB of zeros
    f.truncate(255 << 20)
# A language DAT whose 196,605 entries all name one string of 1,024 bytes.
string = bytes([0xA5 ^ 1]) * 1024 + b'\x00'
lang = struct.pack('<6H', 65535, 65535, 65535, len(string), 0, 0) + b'\x00\x00' * (3 * 65535) + string
open(f'{out}/same_string.dat', 'wb').write(lang)
open(f'{out}/pack100.txt', 'wb').write(b'x\r\n' * ((100 << 20) // 3))  # 35 million bad lines
open(f'{out}/name10.txt', 'wb').write(b'N' * (10 << 20) + b';')  # quoted up to the ';'
PY

failed=0
# measure NAME BOUND_MB COMMAND...: runs it, prints its peak memory and time.
measure() {
    local name=$1 bound=$2
    shift 2
    /usr/bin/time -f "%M %e" -o "$work/time" "$@" >/dev/null 2>&1 || true
    read -r kb seconds < <(tail -n 1 "$work/time")
    local mb=$((kb / 1024))
    printf '%-22s %6d MB peak (bound %5d MB) %7.2f s\n' "$name" "$mb" "$bound" "$seconds"
    [ "$mb" -le "$bound" ] || { echo "  over its bound"; failed=1; }
}

measure "dump 255-level bomb" 64 "$cli" dump "$work/bomb.dat"
measure "dump 255 MiB zeros" 600 "$cli" dump "$work/zeros.dat"      # the file is read whole
measure "dump same string" 64 "$cli" dump "$work/same_string.dat"
measure "check 100 MB pack" 600 "$cli" check --set "Text23=@$work/pack100.txt"
measure "check 10 MB name" 200 "$cli" check --set "Text1=@$work/name10.txt"
if [ -n "$ui_bench" ]; then
    export QT_QPA_PLATFORM=offscreen
    measure "F7 10 MB values" 400 "$ui_bench" \
        --benchmark_filter=BM_CheckScriptWithTenMegabyteValues --benchmark_min_time=0.01
    measure "Run window 10 MB line" 200 "$ui_bench" --benchmark_filter=BM_RunWindowWithATenMegabyteLine
fi
exit "$failed"
