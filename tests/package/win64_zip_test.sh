#!/usr/bin/env bash
# The zip for Windows users, unpacked: its orvanta-cli.exe, run under wine,
# writes the same Script.txt, English.txt and project file bytes as the Linux
# orvanta-cli, for the defaults and for a project with Windows-1252 names.
#   win64_zip_test.sh ZIP LINUX_ORVANTA_CLI   (with WINEPREFIX set up)
set -euo pipefail
zip="$(realpath "$1")"
linux_cli="$(realpath "$2")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cmake -E tar xf "$zip")
exe=("$work"/orvanta-cli-*-win64/orvanta-cli.exe)
[ -f "${exe[0]}" ] || fail "no orvanta-cli.exe in $zip"
# Wine reads the arguments as UTF-8 and hands them over as UTF-16.
windows() { LC_ALL=C.UTF-8 wine "${exe[0]}" "$@"; }
linux() { "$linux_cli" "$@"; }
# A host path as the Windows program names it: Linux paths lie on drive Z:.
windows_path() { local path="Z:$1"; echo "${path//\//\\}"; }

[ "$(windows --version)" = "$(linux --version)" ] || fail "--version: $(windows --version) vs $(linux --version)"

# Field values with Windows-1252 bytes (é, €, Ÿ, ©), each in a file.
printf 'Caf\xe9 \x80 \x9f\r\nSecond line \xa9' > "$work/pack.txt"
printf 'Temple d\x92\xc9gypte' > "$work/level.txt"
printf 'C:\\Program Files\\Jeux \xe9\x80\\Script' > "$work/folder.txt"
names=(--set "Text1=@$work/level.txt" --set "Text23=@$work/pack.txt" --set "Text28=@$work/folder.txt")

# A folder per case and system; the last is named with é and €, a host path
# each program is given in its own system's encoding (UTF-8, UTF-16).
run_both() {  # CASE FOLDER SETTINGS...
    local case="$1" folder="$2"
    shift 2
    mkdir -p "$work/linux/$folder" "$work/windows/$folder"
    linux compile "$@" "$work/linux/$folder" &&
        linux save "$@" "$work/linux/$case.txt" &&
        windows compile "$@" "$(windows_path "$work/windows/$folder")" &&
        windows save "$@" "$(windows_path "$work/windows/$case.txt")" || fail "$case: a command failed"
    for file in "$folder/Script.txt" "$folder/English.txt" "$case.txt"; do
        cmp "$work/linux/$file" "$work/windows/$file" || fail "$file differs"
    done
}
run_both defaults defaults
run_both names names "${names[@]}"
run_both named-folder "Dossier é€" "${names[@]}"
grep -q $'Caf\xe9 \x80 \x9f\r\nSecond line \xa9' "$work/windows/names/Script.txt" || fail "the pack is not in Script.txt"
echo "win64 zip: orvanta-cli.exe under wine wrote the same bytes as the Linux build (3 cases, 8 files)"
