#!/usr/bin/env bash
# Pictures every window into a folder (docs/screenshots by default) as a window
# manager shows them, title bars included: under an X server of its own (Xvfb,
# 2000 by 1000 pixels) with Openbox, at 100% and at 200% (QT_SCALE_FACTOR=2),
# and at 100% under a dark colour scheme.
#   tools/screenshots/take.sh BUILD/tools/screenshots/window_screenshots [FOLDER]
set -euo pipefail
program="$(realpath "$1")" folder="$(realpath -m "${2:-docs/screenshots}")"
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null ||
        { echo "$tool is needed: apt-get install xvfb openbox x11-utils (README.md here)"; exit 1; }
done
work="$(mktemp -d)" pids=()
stop() { [ ${#pids[@]} -eq 0 ] || kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; pids=(); }
trap 'stop; cp "$work"/*.log /tmp/ 2>/dev/null; rm -rf "$work"' EXIT

# Polls up to 10 s for a condition.
await() {
    for _ in $(seq 200); do eval "$1" && return 0; sleep 0.05; done
    echo "Gave up waiting for: $1"; tail -n 5 "$work"/*.log; return 1
}

# picture SCALE ARGUMENTS...: one run of the program on a fresh display.
picture() {
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 2000x1000x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    await '[ -s "$work/display" ]'
    export DISPLAY=":$(cat "$work/display")"
    openbox >"$work/openbox.log" 2>&1 &
    pids+=($!)
    await 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$1" "$program" "${@:2}"
    stop
}

# A Wine prefix of its own, whose script folder holds the two script files and
# a project, is the program's working folder: the dialogs open there as on a
# level builder's machine. The package folder holds the level files of all
# but three levels, so Check Script has three warnings to show.
export WINEPREFIX="$work/prefix" HOME="$work"
scripts="$WINEPREFIX/drive_c/Program Files/Core Design/trle/Script"
mkdir -p "$scripts" "$WINEPREFIX/dosdevices" "$folder"
ln -s ../drive_c "$WINEPREFIX/dosdevices/c:"
touch "$scripts/Script.txt" "$scripts/English.txt" "$scripts/My Game.txt"
mkdir -p "$scripts/../DATA"
for wad in TITLE TUT1 SETTOMB KARNAK COASTAL CLEOPAL ANGKOR GUARD NEWCITY; do touch "$scripts/../DATA/$wad.TR4"; done
# A game of the builder's own, for the Import Report: a title command, a TRNG
# command and strings that Orvanta's English.txt has no place for.
export ORVANTA_SCREENSHOT_GAME="$work/Temple Of The Scribe"
mkdir -p "$ORVANTA_SCREENSHOT_GAME"
printf '%s\r\n' '[PCExtensions]' 'Level=	.TR4' 'Cut=	.TR4' 'FMV=	.BIK' '' '[Language]' 'File=	0,ENGLISH.TXT' \
    'File=	1,FRENCH.TXT' '' '[Options]' 'LoadSave=	ENABLED' 'Title=		ENABLED' 'InputTimeout=	18000' \
    'Security=	$55' '' '[Title]' 'Level=		DATA\TITLE,104' 'LoadCamera=	84246,-533,78233,81622,-1514,78208,40' \
    'Horizon=	ENABLED' '' '[Level]		; the first level' 'Name=		Tomb Of The Scribe' 'Level=		DATA\SCRIBE,105' \
    'LoadCamera=	0,0,0,0,0,0,0' 'Customize=	CUST_SET_SECRET_NUMBER, 6' \
    "Key=		1,Scribe's Key,\$0000,\$0400,\$0000,\$c000,\$0000,\$0002" >"$ORVANTA_SCREENSHOT_GAME/SCRIPT.TXT"
printf '%s\r\n' '[Strings]' 'Temple Of The Scribe' 'Tomb Of The Scribe' "Scribe's Key" 'The scribe wrote here' \
    '[PSXStrings]' '[PCStrings]' >"$ORVANTA_SCREENSHOT_GAME/ENGLISH.TXT"
cd "$scripts"
picture 1 "$folder"
picture 2 "$folder" @2x
picture 1 --dark "$folder" -dark
