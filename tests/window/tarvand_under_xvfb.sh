#!/usr/bin/env bash
# tarvand as a real program on a real X server: it maps a window titled "Tarvand", grows to its
# open height, and a click on the close mark ends it with status 0.
# WRAPPER (a command such as valgrind) runs the program; OPEN_FOR keeps it open that many seconds.
# With PLATFORM=wayland the same, on Qt's Wayland platform under weston, whose X11 backend runs in
# the X server and takes the clicks (see the end).
set -u
program=$1
if [ -z "${TARVAND_IN_XVFB:-}" ]; then
    TARVAND_IN_XVFB=1 exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" "$0" "$@"
fi
patience=${WRAPPER:+60}
patience=${patience:-10}

fail() {
    echo "FAIL: $*"
    kill "$pid" 2>/dev/null
    exit 1
}
height_of() { xwininfo -id "$1" | awk '/^ *Height:/ {print $2}'; }

# Under weston's kiosk shell, which centres the window on its 1024 by 768 output at the top left
# of the X screen. Weston cannot be asked for the window's height, but its place tells it: the
# close mark is at 654, 269 only when the window is open (312 by 254 px, from 356, 257), and it
# works only then. So clicks there until the program ends show that it opened and closes.
wayland_life() {
    export XDG_RUNTIME_DIR
    XDG_RUNTIME_DIR=$(mktemp -d)
    weston --backend=x11-backend.so --shell=kiosk-shell.so --socket=tarvand-test --width=1024 \
        --height=768 --idle-time=0 --no-config >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
    local weston=$!
    trap 'kill $weston 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
    for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/tarvand-test" ] && break || sleep 0.1; done
    WAYLAND_DISPLAY=tarvand-test QT_QPA_PLATFORM=wayland DBUS_SESSION_BUS_ADDRESS=disabled: \
        "$program" 2>"$XDG_RUNTIME_DIR/err" &
    pid=$!
    sleep 1
    for _ in $(seq $((patience * 2))); do
        kill -0 "$pid" 2>/dev/null || break
        xdotool mousemove 654 269 click 1
        sleep 0.5
    done
    kill -0 "$pid" 2>/dev/null && fail "under weston, not open or not closed after $patience s"
    wait "$pid"
    status=$?
    [ "$status" = 0 ] || fail "under weston, ended with status $status: $(cat "$XDG_RUNTIME_DIR/err")"
    echo "tarvand under weston: opened and closed with status 0"
    exit 0
}

for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break || sleep 0.1; done
[ "${PLATFORM:-xcb}" = wayland ] && wayland_life

# No session bus: the toolkit would otherwise fork a bus launcher.
DBUS_SESSION_BUS_ADDRESS=disabled: ${WRAPPER:-} "$program" &
pid=$!

window=$(timeout "$patience" xdotool search --sync --onlyvisible --name '^Tarvand$' | head -n 1)
[ -n "$window" ] || fail "no window titled Tarvand appeared"
start=$(height_of "$window")
[ "$start" -lt 100 ] || fail "the window started $start px high, not closed up"

# Open: 3800 twips is 253.3 px, so the last step requests 254 px (no frame without a window manager).
for _ in $(seq $((patience * 10))); do
    [ "$(height_of "$window")" -ge 253 ] && break
    sleep 0.1
done
opened=$(height_of "$window")
[ "$opened" -ge 253 ] && [ "$opened" -le 254 ] || fail "the window is $opened px high, not open"
sleep "${OPEN_FOR:-0.3}"

# The close mark: its centre is near the top-right corner, 298 by 12 px into the window.
xdotool mousemove --window "$window" 298 12 click 1
for _ in $(seq $((patience * 10))); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running $patience s after the click on the close mark"
wait "$pid"
status=$?
[ "$status" = 0 ] || fail "ended with status $status"
echo "tarvand under Xvfb: opened from $start to $opened px and closed with status 0"
