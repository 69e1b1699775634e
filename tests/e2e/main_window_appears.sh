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
stop() {
    [ -n "$orvanta" ] && kill "$orvanta" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    orvanta=""
    server=""
}
trap 'stop; rm -rf "$work"' EXIT

# Starts Xvfb, which picks a free display number itself and writes it to the
# given file descriptor, and waits until it answers.
start_server() {
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    server=$!
    tries=0
    until [ -s "$work/display" ] && xwininfo -root -display ":$(cat "$work/display")" >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ $tries -gt 200 ] || ! kill -0 "$server" 2>/dev/null; then
            echo "Xvfb did not start:"; cat "$work/xvfb.log"; return 1
        fi
        sleep 0.05
    done
    DISPLAY=":$(cat "$work/display")"
    export DISPLAY
}

# Starts the program and waits for its main window; 2 when the program could
# not reach the display at all (another server took the number first).
show_main_window() {
    (cd "$work" && QT_QPA_PLATFORM=xcb exec "$program") >"$work/orvanta.log" 2>&1 &
    orvanta=$!
    tries=0
    until xwininfo -name "Orvanta 3.0" 2>/dev/null | grep -q "Map State: IsViewable"; do
        tries=$((tries + 1))
        if ! kill -0 "$orvanta" 2>/dev/null && grep -q "could not connect to display" "$work/orvanta.log"; then
            return 2
        fi
        if [ $tries -gt 400 ] || ! kill -0 "$orvanta" 2>/dev/null; then
            echo "The main window did not appear:"; cat "$work/orvanta.log"; return 1
        fi
        sleep 0.05
    done
    xwininfo -name "Orvanta 3.0" | grep -E "Width|Height"
    echo "The main window \"Orvanta 3.0\" is shown on $DISPLAY."
}

for attempt in 1 2 3; do
    start_server || exit 1
    show_main_window
    result=$?
    [ $result -ne 2 ] && exit $result
    echo "Attempt $attempt: the display was lost to another X server; starting a new one."
    stop
done
echo "The program never reached its display:"; cat "$work/orvanta.log"
exit 1
