#!/usr/bin/env bash
# build killed at each of its four renames (strace injects the SIGKILL): the
# next check and the next build say which files may be from two builds, and
# that build leaves nothing but the four files.
#   build_kill_test.sh ORVANTA_CLI      exits 77 (skipped) without a working strace
set -u
cli="$1"
strace -o /dev/null true 2>/dev/null || { echo "strace cannot trace here"; exit 77; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
said="an earlier write into \"$work\" was stopped before it ended: Script.txt, English.txt, SCRIPT.DAT, ENGLISH.DAT may be from two different writes"
failed=0
fail() { echo "killed at rename $rename: $1"; failed=1; }
"$cli" build "$work" || exit 1
for rename in 1 2 3 4; do
    renames=rename,renameat,renameat2
    { strace -f -o /dev/null -e trace=$renames -e inject=$renames:signal=KILL:when=$rename "$cli" build "$work"; } 2>/dev/null
    [ $? -eq 137 ] || fail "build was not killed"
    "$cli" check --set "Text28=$work" | grep -qxF "warning: $said; the next build writes them whole" ||
        fail "check does not say so"
    [ "$("$cli" build "$work" 2>&1)" = "orvanta-cli: warning: $said; all four are now written whole" ] ||
        fail "build does not say so"
    [ "$(ls -A "$work")" = "$(printf 'ENGLISH.DAT\nEnglish.txt\nSCRIPT.DAT\nScript.txt')" ] ||
        fail "it left: $(ls -A "$work" | tr '\n' ' ')"
done
exit "$failed"
