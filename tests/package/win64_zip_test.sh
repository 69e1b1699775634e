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

# One folder per case and system; the last one is named with é and €, given
# to each program in its own system's encoding.
for case in defaults names named-folder; do
    mkdir -p "$work/linux/$case" "$work/windows/$case"
done
named="named-folder/Dossier é€"
mkdir "$work/linux/$named" "$work/windows/$named"

run_both() {  # CASE FOLDER_FOR_LINUX FOLDER_FOR_WINDOWS SETTINGS...
    local case="$1" linux_folder="$2" windows_folder="$3"
    shift 3
    linux compile "$@" "$linux_folder" || fail "$case: Linux compile"
    linux save "$@" "$work/linux/$case/project.txt" || fail "$case: Linux save"
    windows compile "$@" "$windows_folder" || fail "$case: Windows compile"
    windows save "$@" "$(windows_path "$work/windows/$case/project.txt")" || fail "$case: Windows save"
}
run_both defaults "$work/linux/defaults" "$(windows_path "$work/windows/defaults")"
run_both names "$work/linux/names" "$(windows_path "$work/windows/names")" "${names[@]}"
run_both named-folder "$work/linux/named-folder/Dossier "$'\xe9\x80' \
    "$(windows_path "$work/windows/$named")" "${names[@]}"

for file in defaults/{Script,English,project}.txt names/{Script,English,project}.txt \
            "$named/Script.txt" "$named/English.txt" named-folder/project.txt; do
    cmp "$work/linux/$file" "$work/windows/$file" || fail "$file differs"
done
grep -q $'Caf\xe9 \x80 \x9f\r\nSecond line \xa9' "$work/windows/names/Script.txt" || fail "the pack is not in Script.txt"
echo "win64 zip: orvanta-cli.exe under wine wrote the same bytes as the Linux build (3 cases, 8 files)"
