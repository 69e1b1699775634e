#!/bin/sh
# Starts the real program under an X server of its own, with the xcb platform,
# and passes when its main window "Orvanta 3.0" is mapped on that display.
#   main_window_appears.sh PATH/TO/orvanta
set -u
command -v Xvfb >/dev/null && command -v xwininfo >/dev/null ||
    { echo "Xvfb and xwininfo are needed (tools/install-deps.sh installs them)"; exit 1; }
work="$(mktemp -d)" server="" orvanta=""
stop() { kill $orvanta $server 2>/dev/null; wait 2>/dev/null; orvanta="" server=""; }
trap 'stop; rm -rf "$work"' EXIT

# Polls up to 50 s (a loaded machine starts slowly) for a condition, or fails early when process $2 has ended.
await() {
    tries=0
    until eval "$1"; do
        tries=$((tries + 1))
        { [ $tries -gt 1000 ] || ! kill -0 "$2" 2>/dev/null; } && return 1
        sleep 0.05
    done
}

# Another X server may take the display number between Xvfb's choice and the
# program's start: then a new server is tried.
for attempt in 1 2 3; do
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    server=$!
    await '[ -s "$work/display" ] && xwininfo -root -display ":$(cat "$work/display")" >/dev/null 2>&1' $server ||
        { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY=":$(cat "$work/display")"
    (cd "$work" && QT_QPA_PLATFORM=xcb exec "$1") >"$work/orvanta.log" 2>&1 &
    orvanta=$!
    await 'xwininfo -name "Orvanta 3.0" 2>/dev/null | grep -q "Map State: IsViewable"' $orvanta &&
        { echo "The main window \"Orvanta 3.0\" is shown on $DISPLAY."; exit 0; }
    grep -q "could not connect to display" "$work/orvanta.log" || break
    echo "Attempt $attempt: the display was lost to another X server; starting a new one."
    stop
done
echo "The main window did not appear:"; cat "$work/orvanta.log"
exit 1
