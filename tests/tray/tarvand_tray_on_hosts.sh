#!/usr/bin/env bash
# tarvand --tray as a real program on real trays, started before them as at a login, on a clock
# ten seconds before the midnight that ends 1404 (29 Esfand, 20 March 2026, in Tehran):
#   - with no tray it says so and ends with status 1, as it does at once for a wait that is not a
#     number;
#   - in trayer's XEmbed tray its icon is embedded, red with white digits, and drawn anew at
#     midnight; a click opens the month view, whose line under the grid names the ringed day after
#     each key, and Escape closes it; started again, it opens the first one's month view and ends;
#   - on a session bus with status-notifier-watcher and gtk-sni-tray-standalone its item is
#     registered, and its title, tooltip (first line as the title, the rest as the description)
#     and icons read back over D-Bus, before and after midnight; its menu reads back over
#     com.canonical.dbusmenu and a click there changes the digits; Activate opens the month
#     view; a watcher started again has the item registered again; events whose names are
#     markup read back as written; Persian menus and digits with LANGUAGE=fa, English with
#     LANGUAGE=en in a Persian locale;
#   - the same on Wayland, under weston's desktop shell, which places the month view itself: it
#     lies whole on the screen, and closes when another window is activated.
set -u
program=$1
here=$(cd "$(dirname "$0")" && pwd)
[ -d "${TARVAND_LOCALEDIR:-}" ] || { echo "FAIL: TARVAND_LOCALEDIR names no catalogues"; exit 1; }
if [ -z "${TARVAND_IN_XVFB:-}" ]; then
    TARVAND_IN_XVFB=1 exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -noreset" \
        "$0" "$@"
fi
for tool in trayer status-notifier-watcher gtk-sni-tray-standalone xdotool xwininfo xclip \
    dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing; run script/bootstrap"; exit 1; }
done
# The clock from libfaketime preloaded, not through the faketime wrapper, which leaves a named
# semaphore behind when it is killed.
libfaketime=$(dpkg -L libfaketime 2>/dev/null | grep -m 1 '/libfaketime\.so\.1$')
[ -f "$libfaketime" ] || { echo "FAIL: libfaketime is missing; run script/bootstrap"; exit 1; }
scratch=$(mktemp -d)
pids=()
# stop PID...: ends the processes.
stop() {
    local p
    for p in "$@"; do kill "$p" 2>/dev/null; done
    wait "$@" 2>/dev/null
}
trap 'stop "${pids[@]}"; rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/run LC_ALL=C LANG=C TZ=Asia/Tehran
mkdir -m 700 "$XDG_RUNTIME_DIR"
on_eve=(env LD_PRELOAD="$libfaketime" FAKETIME='@2026-03-20 23:59:50')

fail() {
    echo "FAIL ($part): $*"
    exit 1
}
awaited() {
    for _ in $(seq 100); do "$@" && return 0 || sleep 0.1; done
    "$@"
}
# tray_icon: the id of tarvand's icon window inside trayer's panel.
tray_icon() {
    xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ {inside = 1} inside && /"Tarvand": \("tarvand"/ {print $1; exit}'
}
month_view() { xdotool search --name '^Tarvand month$' >/dev/null 2>&1; }
month_view_shown() { xdotool search --onlyvisible --name '^Tarvand month$' >/dev/null 2>&1; }
drawn() { python3 "$here/../window/pixels.py" "$scratch/shot" "$@"; }

no_tray() {
    part="no tray"
    local status=0
    DBUS_SESSION_BUS_ADDRESS=disabled: "$program" --tray --wait 1 2>"$scratch/err" || status=$?
    [ "$status" = 1 ] || fail "status $status, not 1"
    grep -q "^tarvand: no system tray appeared within 1 seconds" "$scratch/err" ||
        fail "said: $(cat "$scratch/err")"
    # A wait that is not a number of seconds is refused at once.
    local wait said
    for wait in abc -1 5x; do
        said=$(timeout 10 "$program" --tray --wait="$wait" 2>&1)
        [ "$?:$said" = "1:tarvand: invalid number of seconds to wait: '$wait'
Try 'tarvand --help' for more information." ] || fail "--wait=$wait: $said"
    done
}

# view_box: the month view's rectangle on the screen, "X Y W H".
view_box() {
    xwininfo -id "$(xdotool search --onlyvisible --name '^Tarvand month$' | head -n 1)" |
        awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
             /^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print x, y, w, h}'
}

xembed() {
    part="XEmbed, trayer"
    # More events in Farvardin than the screen has room for.
    mkdir -p "$XDG_CONFIG_HOME/tarvand"
    for n in $(seq 60); do echo "01/05 A long name for one of many events, number $n"; done \
        >"$XDG_CONFIG_HOME/tarvand/events"
    DBUS_SESSION_BUS_ADDRESS=disabled: "${on_eve[@]}" "$program" --tray --wait 30 \
        2>"$scratch/err" &
    pids+=($!)
    sleep 1  # the program waits for the tray
    trayer --edge top --align right --widthtype request --height 32 --transparent false \
        >/dev/null 2>&1 &
    pids+=($!)
    awaited eval 'test -n "$(tray_icon)"' || fail "no icon in trayer: $(cat "$scratch/err")"
    local icon size contrast before x y
    icon=$(tray_icon)
    xwd -silent -id "$icon" >"$scratch/shot"
    size=$(xwininfo -id "$icon" | awk '/^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print w, h}')
    contrast=$(drawn contrast 0 0 $size)
    awk -v c="$contrast" 'BEGIN { exit !(c >= 4.5) }' || fail "icon digits at contrast $contrast"
    before=$(md5sum <"$scratch/shot")
    # past midnight: 1 Farvardin 1405
    awaited eval '[ "$(xwd -silent -id "$icon" | md5sum)" != "$before" ]' ||
        fail "the icon did not change at midnight"
    read -r x y < <(xwininfo -id "$icon" |
        awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
    xdotool mousemove $((x + 5)) $((y + 5)) click 1
    awaited month_view_shown || fail "a click on the icon opened no month view"
    # The line under the grid, which Ctrl+C copies, names the ringed day after each key, into
    # months whose first cells are empty too.
    local keys expected copied
    for keys in "Page_Down|Tuesday 1 Ordibehesht 1405" "Page_Up Page_Up|Friday 1 Esfand 1404" \
        "Home Up Up Left Page_Down|Saturday 15 Farvardin 1405"; do
        expected=${keys#*|}
        # shellcheck disable=SC2086
        xdotool key --delay 150 ${keys%|*} ctrl+c
        awaited eval 'copied=$(xclip -o -selection clipboard 2>/dev/null); [ "${copied%% · *}" = "$expected" ]' ||
            fail "after ${keys%|*}, the line reads \"$copied\", not \"$expected ...\""
    done
    # Beside its icon, never over it, and whole on the screen whatever the day selected; the same
    # size at the next opening, after the field has gone to a date.
    local first after vx vy vw vh
    first=$(view_box)
    read -r vx vy vw vh <<<"$first"
    [ "$vy" -gt "$y" ] && [ $((vy + vh)) -le 768 ] || fail "the month view lies over its icon: $first"
    for keys in "Page_Down Right" "Page_Down Page_Down Right" "Page_Up Page_Up Page_Up"; do
        # shellcheck disable=SC2086
        xdotool key --delay 150 $keys
        sleep 0.5
        read -r vx vy vw vh < <(view_box)
        [ "$vx" -ge 0 ] && [ $((vx + vw)) -le 1024 ] && [ "$vy" -gt "$y" ] && [ $((vy + vh)) -le 768 ] ||
            fail "after $keys the month view leaves the screen or covers its icon: $vx $vy $vw $vh"
    done
    xdotool key ctrl+g type --delay 50 1405/04/04
    xdotool key Return Escape
    awaited eval '! month_view_shown' || fail "Escape did not close the month view"
    xdotool mousemove $((x + 5)) $((y + 5)) click 1
    awaited month_view_shown || fail "a second click on the icon opened no month view"
    sleep 0.5
    after=$(view_box)
    [ "$after" = "$first" ] || fail "the month view opened at $first, then at $after"
    xdotool key Escape
    awaited eval '! month_view_shown' || fail "Escape did not close the month view"
    rm "$XDG_CONFIG_HOME/tarvand/events"
    # Started again (by hand, as autostart has started it): it finds the first, which opens its
    # month view, and ends at once with status 0; still one icon.
    local status=0
    timeout 10 "$program" --tray --wait 30 2>"$scratch/second" || status=$?
    [ "$status" = 0 ] || fail "a second indicator: status $status, $(cat "$scratch/second")"
    awaited month_view_shown || fail "a second indicator did not open the first one's month view"
    [ "$(xwininfo -root -tree | grep -c '"Tarvand": ("tarvand"')" = 1 ] || fail "two icons"
    stop "${pids[@]}"
    pids=()
}

# expect_item FILE LINE...: the item's reading holds each line.
expect_item() {
    local file=$1 line
    shift
    for line in "$@"; do
        grep -qxF -- "$line" "$file" || fail "no \"$line\" in what the item says: $(cat "$file")"
    done
}

# The next time of the day, the tooltip's last line: in Tehran (the zone's capital, no place set)
# at midnight the next is the dawn of 1 Farvardin 1405, the Sun 17.7 degrees below the horizon,
# to the nearest minute, as PyEphem's Sun gives it.
fajr=$(/usr/bin/python3 -c '
import datetime, ephem
tehran = ephem.Observer()
tehran.lat, tehran.lon, tehran.elevation, tehran.pressure, tehran.horizon = "35.6944", "51.4215", 0, 0, "-17.7"
tehran.date = ephem.Date(datetime.datetime(2026, 3, 20, 21, 0))
dawn = tehran.next_rising(ephem.Sun(), use_center=True).datetime() + datetime.timedelta(hours=3, minutes=30)
print("Fajr", (dawn + datetime.timedelta(seconds=30)).strftime("%H:%M"))')
[[ $fajr == "Fajr 0"[45]:[0-5][0-9] ]] || fail "no dawn to compare: $fajr"

# tooltip_is FILE LINE...: the item's description, as a host reads its markup, is exactly LINE...
tooltip_is() {
    local file=$1
    shift
    [ "$(grep '^tooltip ' "$file")" = "$(printf 'tooltip %s\n' "$@")" ] ||
        fail "the tooltip's description is not \"$*\": $(cat "$file")"
}

status_notifier() {
    part="StatusNotifierItem, gtk-sni-tray-standalone"
    # Events whose names are markup to a host, on 29 Esfand.
    mkdir -p "$XDG_CONFIG_HOME/tarvand"
    printf '12/29 R&D <b>\n12/29 Fish &amp; chips\n' >"$XDG_CONFIG_HOME/tarvand/events"
    "${on_eve[@]}" "$program" --tray --wait 30 2>"$scratch/err" &
    pids+=($!)
    sleep 1  # the program waits for the watcher and a host
    status-notifier-watcher >/dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
    gtk-sni-tray-standalone >/dev/null 2>&1 &
    pids+=($!)
    awaited eval '/usr/bin/python3 "$here/sni_item.py" show >"$scratch/eve" 2>&1' ||
        fail "no item: $(cat "$scratch/eve" "$scratch/err")"
    # The tooltip's first line is its title, the others its description.
    expect_item "$scratch/eve" "title Tarvand" "status Active" \
        "tooltip-title جمعه  29  اسفند  1404" \
        "sizes 16 20 22 24 28 32 36 40 44 48 56 64 96 128" "drawn True"
    [ "$(grep -c ^tooltip-title "$scratch/eve")" = 1 ] || fail "not one title: $(cat "$scratch/eve")"
    tooltip_is "$scratch/eve" "30 Ramadan 1447" "Friday, 20 March 2026" \
        "Iranian Oil Industry Nationalization Day" "R&D <b>" "Fish &amp; chips" "$fajr"
    # past midnight
    awaited eval '/usr/bin/python3 "$here/sni_item.py" show >"$scratch/nowruz" 2>&1 &&
        grep -q "^tooltip Nowruz$" "$scratch/nowruz"' || true
    expect_item "$scratch/nowruz" "tooltip-title شنبه  1  فروردين  1405" "drawn True"
    tooltip_is "$scratch/nowruz" "1 Shawwal 1447" "Saturday, 21 March 2026" "Nowruz" "Eid al-Fitr" "$fajr"
    [ "$(grep ^digest "$scratch/eve")" != "$(grep ^digest "$scratch/nowruz")" ] ||
        fail "the icon did not change at midnight"
    # The menu as a host reads it, and a click on Persian Digits as a host sends it.
    /usr/bin/python3 "$here/sni_item.py" menu >"$scratch/menu" 2>&1 || fail "no menu: $(cat "$scratch/menu")"
    expect_item "$scratch/menu" "Month" "Open Tarvand" "Copy Today's Date" "  شنبه  1  فروردين  1405" \
        "Place…" "Notify at" "  Fajr [ ]" "-" "Persian Digits [ ]" "Start at Login [ ]" "Quit"
    [ "$(grep -c '^  .*[0-9]' "$scratch/menu")" = 4 ] || fail "not four layouts to copy: $(cat "$scratch/menu")"
    /usr/bin/python3 "$here/sni_item.py" click "Persian Digits" || fail "the click was refused"
    awaited eval '/usr/bin/python3 "$here/sni_item.py" menu | grep -qx "Persian Digits \[x\]"' ||
        fail "Persian Digits not checked after a click: $(/usr/bin/python3 "$here/sni_item.py" menu)"
    grep -qx "persianDigits=true" "$XDG_CONFIG_HOME/tarvand/tray.ini" || fail "the choice was not saved"
    awaited eval '/usr/bin/python3 "$here/sni_item.py" show >"$scratch/digits" 2>&1 &&
        [ "$(grep ^digest "$scratch/digits")" != "$(grep ^digest "$scratch/nowruz")" ]' ||
        fail "the icon kept its digits"
    /usr/bin/python3 "$here/sni_item.py" activate || fail "Activate failed"
    awaited month_view_shown || fail "Activate opened no month view"
    # The panel restarted, watcher and host: the item registers with the new watcher.
    stop "${pids[1]}" "${pids[2]}"
    status-notifier-watcher >/dev/null 2>&1 &
    pids+=($!)
    awaited /usr/bin/python3 "$here/sni_item.py" registered 2>/dev/null ||
        fail "not registered with a watcher started again"
    gtk-sni-tray-standalone >/dev/null 2>&1 &
    pids+=($!)
    awaited /usr/bin/python3 "$here/sni_item.py" show >/dev/null 2>&1 || fail "no host started again"
    stop "${pids[0]}"
}

# The language as gettext chooses it, with the catalogue found: LANGUAGE=fa speaks Persian over
# dbusmenu and draws Persian digits, as the digits chosen in the menu above; LANGUAGE=en in a
# Persian locale speaks English with the digits of the icon before that choice.
languages() {
    local language quit digits
    for language in fa en; do
        part="StatusNotifierItem, LANGUAGE=$language in fa_IR"
        [ "$language" = fa ] && quit=خروج digits=$scratch/digits || quit=Quit digits=$scratch/nowruz
        mkdir -p "$scratch/config-$language"
        env -u LC_ALL LANG=fa_IR.UTF-8 LANGUAGE=$language XDG_CONFIG_HOME="$scratch/config-$language" \
            LD_PRELOAD="$libfaketime" FAKETIME='@2026-03-21 10:00:00' \
            "$program" --tray --wait 30 2>"$scratch/err" &
        pids+=($!)
        awaited eval '/usr/bin/python3 "$here/sni_item.py" menu >"$scratch/menu" 2>&1' ||
            fail "no menu: $(cat "$scratch/menu" "$scratch/err")"
        expect_item "$scratch/menu" "$quit"
        /usr/bin/python3 "$here/sni_item.py" show >"$scratch/item" 2>&1
        [ "$(grep ^digest "$scratch/item")" = "$(grep ^digest "$digits")" ] ||
            fail "not the digits of $digits: $(cat "$scratch/item")"
        stop "${pids[-1]}"
        unset 'pids[-1]'
    done
}

# A time ticked in the menu (Fajr, kept in tray.ini) is told over org.freedesktop.Notifications at
# its printed minute: not before it (seen by dbus-monitor on a clock started after the
# indicator's, so behind it), and once, though the indicator wakes again a minute later to
# redraw its tooltip. No notification server runs: the indicator says nothing of it.
notifications() {
    part="notifications, Fajr ticked, no notification server"
    local minute=${fajr#Fajr } start
    start=$(date -d "2026-03-21 $minute:00 8 seconds ago" '+%Y-%m-%d %H:%M:%S')
    mkdir -p "$scratch/config-notify/tarvand"
    printf '[times]\nnotify=Fajr\n' >"$scratch/config-notify/tarvand/tray.ini"
    XDG_CONFIG_HOME="$scratch/config-notify" LD_PRELOAD="$libfaketime" FAKETIME="@$start" \
        "$program" --tray --wait 30 2>"$scratch/err" &
    pids+=($!)
    LD_PRELOAD="$libfaketime" FAKETIME="@$start" dbus-monitor --session \
        "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
        >"$scratch/notify" 2>&1 &
    pids+=($!)
    awaited eval 'grep -q "string \"$fajr\"" "$scratch/notify"' ||
        fail "no notification of $fajr: $(cat "$scratch/notify" "$scratch/err")"
    local told
    told=$(grep -m 1 -o 'method call time=[0-9]*' "$scratch/notify" | grep -o '[0-9]*$')
    [ -n "$told" ] && [ "$told" -ge "$(TZ=Asia/Tehran date -d "2026-03-21 $minute:00" +%s)" ] ||
        fail "told before the printed minute $minute: $(grep -m 1 'method call' "$scratch/notify")"
    grep -q 'string "Tehran"' "$scratch/notify" || fail "the place is not named: $(cat "$scratch/notify")"
    sleep 62  # past the minute's end, when the tooltip is redrawn
    [ "$(grep -c "string \"$fajr\"" "$scratch/notify")" = 1 ] ||
        fail "not told exactly once: $(cat "$scratch/notify")"
    [ ! -s "$scratch/err" ] || fail "the indicator spoke without a server: $(cat "$scratch/err")"
    stop "${pids[-1]}" "${pids[-2]}"
    unset 'pids[-1]' 'pids[-2]'
}

# drawn_box: the rectangle, "X Y W H", of what is on the screen apart from weston's grey
# background and its pointer when it lies in the corner.
drawn_box() {
    xwd -silent -root >"$scratch/shot"
    drawn box 64 64 64 1000 740
}
wayland() {
    part="StatusNotifierItem on Wayland, weston's desktop shell"
    printf '[shell]\nbackground-color=0xff404040\nbackground-image=\npanel-position=none\n' \
        >"$scratch/weston.ini"
    weston --backend=x11-backend.so --shell=desktop-shell.so --socket=tarvand-tray-test \
        --width=1024 --height=768 --idle-time=0 --config="$scratch/weston.ini" \
        >"$scratch/weston.log" 2>&1 &
    pids+=($!)
    awaited test -S "$XDG_RUNTIME_DIR/tarvand-tray-test" || fail "weston did not start"
    # Weston's window over the host's bar, which may have come up after it (there is no window
    # manager to stack them).
    weston_window() { xwininfo -root -tree | awk '/"Weston Compositor/ {print $1; exit}'; }
    awaited eval 'test -n "$(weston_window)"' || fail "no window of weston's"
    xdotool windowraise "$(weston_window)"
    WAYLAND_DEBUG=client WAYLAND_DISPLAY=tarvand-tray-test QT_QPA_PLATFORM=wayland "$program" \
        --tray --wait 30 2>"$scratch/err" &
    pids+=($!)
    awaited eval '/usr/bin/python3 "$here/sni_item.py" show >"$scratch/item" 2>&1' ||
        fail "no item: $(cat "$scratch/item"; grep -v "^\[" "$scratch/err" | tail -n 5)"
    # Through the corner: weston may follow the X pointer by its moves, from its own corner.
    xdotool mousemove 0 0 sleep 0.2 mousemove 1023 767
    # Bare: nothing, or nothing larger than a pointer (weston may draw its own where it has not
    # followed the X pointer's moves).
    bare() {
        local box _x _y w h
        box=$(drawn_box)
        [ -z "$box" ] && return 0
        read -r _x _y w h <<<"$box"
        [ "$w" -le 32 ] && [ "$h" -le 32 ]
    }
    awaited bare || fail "weston's screen is not bare grey: $(drawn_box)"
    /usr/bin/python3 "$here/sni_item.py" activate || fail "Activate failed"
    local x y w h
    awaited eval '! bare' || fail "Activate opened no month view: $(grep -v "^\[" "$scratch/err" | tail -n 5)"
    sleep 0.5  # drawn whole
    read -r x y w h < <(drawn_box)
    [ "$w" -ge 240 ] && [ "$h" -ge 250 ] && [ $((x + w)) -le 1024 ] && [ $((y + h)) -le 768 ] ||
        fail "the month view is not whole on the screen: $w x $h at $x, $y"
    echo "weston's desktop shell placed the month view at $x, $y ($w x $h)"
    # Another window chosen (one that weston activates as it maps): the view, no longer active,
    # closes, as a popup does on X11.
    closed() { grep -c 'xdg_toplevel@[0-9]*\.destroy' "$scratch/err"; }
    local before
    before=$(closed)
    WAYLAND_DISPLAY=tarvand-tray-test weston-simple-shm >/dev/null 2>&1 &
    pids+=($!)
    awaited eval '[ "$(closed)" -gt "$before" ]' ||
        fail "the month view stayed open when another window was activated"
}

if [ -n "${TARVAND_IN_BUS:-}" ]; then
    status_notifier
    languages
    notifications
    wayland
    exit 0
fi
no_tray
xembed
TARVAND_IN_BUS=1 dbus-run-session -- "$0" "$@" 2> >(grep -v "fd limit\|a11y\|SpiRegistry" >&2) ||
    exit 1
echo "PASS: no tray; XEmbed in trayer; StatusNotifierItem in gtk-sni-tray-standalone, on X11 and Wayland"
