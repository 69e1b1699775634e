#!/bin/sh
# Starts the real program under an X server of its own, with the xcb platform,
# and passes when its main window "Orvanta 3.0" is mapped on that display.
#   main_window_appears.sh PATH/TO/orvanta
set -u
program="$1"
command -v Xvfb >/dev/null || { echo "Xvfb is missing (tools/install-deps.sh installs it)"; exit 1; }
command -v xwininfo >/dev/null || { echo "xwininfo is missing (package x11-utils)"; exit 1; }

work="$(mktemp -d)"
server=""
orvanta=""
cleanup() {
    [ -n "$orvanta" ] && kill "$orvanta" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the given file
# descriptor, so parallel runs never race for the same number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
tries=0
until [ -s "$work/display" ] && xwininfo -root -display ":$(cat "$work/display")" >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 200 ] || ! kill -0 "$server" 2>/dev/null; then
        echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1
    fi
    sleep 0.05
done
export DISPLAY=":$(cat "$work/display")"

cd "$work" || exit 1
QT_QPA_PLATFORM=xcb "$program" >"$work/orvanta.log" 2>&1 &
orvanta=$!
tries=0
until xwininfo -name "Orvanta 3.0" 2>/dev/null | grep -q "Map State: IsViewable"; do
    tries=$((tries + 1))
    if [ $tries -gt 400 ] || ! kill -0 "$orvanta" 2>/dev/null; then
        echo "The main window did not appear:"; cat "$work/orvanta.log"; exit 1
    fi
    sleep 0.05
done
xwininfo -name "Orvanta 3.0" | grep -E "Width|Height"
echo "The main window \"Orvanta 3.0\" is shown on $DISPLAY."
