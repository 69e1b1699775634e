#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# over a copy of the seed corpus (plus a generated 50 MB line). Any crash,
# hang, leak or sanitizer report fails the run. FUZZ_SECONDS sets the time
# per target (default 20), a third of it on inputs of up to 1 MiB.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${FUZZ_SECONDS:-20}"
build="$root/build/fuzz"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DORVANTA_WERROR=ON -DORVANTA_FUZZ=ON -DORVANTA_BUILD_DESKTOP=OFF -DORVANTA_BUILD_TESTS=OFF
cmake --build "$build" --target project_file_fuzzer level_data_fuzzer compile_fuzzer script_compiler_fuzzer importer_fuzzer

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Inputs that crash or hang are kept outside the throwaway folder, to be
# turned into seeds once fixed.
artifacts="$build/artifacts"
mkdir -p "$artifacts"
# A project file whose first level name is one 50 MB line.
python3 - "$root/tests/golden/defaults/project.txt" "$work/long_line.txt" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
head, rest = data.split(b'\r\n', 1)
open(sys.argv[2], 'wb').write(head + b'\r\n' + b'L' * (50 << 20) + b'\r\n' + rest)
PY

for target in project_file level_data compile script_compiler importer; do
    fuzzer="$build/tests/fuzz/${target}_fuzzer"
    corpus="$work/$target"
    mkdir "$corpus"
    if [ "$target" = level_data ] || [ "$target" = script_compiler ]; then
        cp "$root"/tests/fuzz/corpus/$target/* "$corpus"
    elif [ "$target" = importer ]; then
        # The compiler's seeds (a first byte picks the file) and the real games' sources.
        cp "$root"/tests/fuzz/corpus/script_compiler/* "$corpus"
        for game in "$root"/../shared/realworld/*/; do
            { printf '\0'; cat "$game"/[Ss]cript.[Tt][Xx][Tt]; } >"$corpus/script-$(basename "$game")"
            { printf '\2'; cat "$game"/SCRIPT.DAT; } >"$corpus/dat-$(basename "$game")"
        done
    else
        # Both read project files: the seeds, the golden projects and the broken samples.
        cp "$root"/tests/fuzz/corpus/project_file/* "$root"/tests/project_files/broken/* "$corpus"
        for golden in "$root"/tests/golden/*/; do cp "$golden/project.txt" "$corpus/golden-$(basename "$golden").txt"; done
    fi
    if [ "$target" != level_data ]; then
        "$fuzzer" -rss_limit_mb=4096 -timeout=60 "$work/long_line.txt" 2>&1 | { grep -E "^(Executed|==|SUMMARY)" || true; } ||
            { echo "fuzzer $target failed on the 50 MB line"; exit 1; }
    fi
    # Two thirds of the time on inputs up to 64 KiB, the rest on inputs up to
    # 1 MiB: a script of 64 KiB and more is encoded on several threads.
    long_seconds=$((seconds / 3 > 0 ? seconds / 3 : 1))
    for run in "$((seconds - long_seconds)) 65536" "$long_seconds 1048576"; do
        set -- $run
        echo "== $target: fuzzing for ${1}s, inputs up to $2 bytes"
        # With pipefail, the pipeline fails when the fuzzer does, whatever grep finds.
        "$fuzzer" -max_total_time="$1" -timeout=10 -rss_limit_mb=2048 -max_len="$2" \
            -artifact_prefix="$artifacts/$target-" -print_final_stats=1 "$corpus" 2>&1 |
            { grep -E '^(Done|stat::number_of_executed_units|==|SUMMARY)' || true; } ||
            { echo "fuzzer $target failed; input kept in $artifacts"; exit 1; }
    done
done
