#!/usr/bin/env bash
# What the programs cost, in instructions counted by callgrind, kept within the budgets beside
# this script: tarvand-date -f on 20,000 plain dates against date -f, one call against date,
# tarvand-cal -y against cal -y, the window's start to its map request against a bare Qt window's,
# the month view's opening and a call with a month file of 1 MiB against their own counts. Counts
# are the same on every run, so this is no timed test; a cost that slips fails here. And the files
# the window looks for: none that it does not show.
source "$(dirname "$0")/../checks.sh"
export LC_ALL=C.UTF-8 TZ=Asia/Tehran XDG_CONFIG_HOME=$work/config TARVAND_HOLIDAYS_DIR=$work/none \
    TARVAND_HIJRI_DIR=$work/none QT_QPA_PLATFORM=offscreen
date_program=$1 cal_program=$2 month_view=$3 window=$4 bare_window=$5
for tool in valgrind date cal Xvfb strace; do
    command -v "$tool" >/dev/null || { fail "$tool is missing; run script/bootstrap"; exit; }
done
# counted COMMAND...: prints the instructions COMMAND runs.
counted() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
        sed -n 's/.*Collected : \([0-9]*\)$/\1/p'
}
budget() { awk -v name="$1" '$1 == name {print $2}' "$(dirname "$0")/budgets"; }
# within NAME COST: COST (a ratio or a count) is within NAME's budget.
within() {
    local limit
    limit=$(budget "$1")
    [ -n "$limit" ] && [ -n "$2" ] || { fail "$1: nothing to compare (budget '$limit', cost '$2')"; return; }
    awk -v cost="$2" -v limit="$limit" 'BEGIN { exit !(cost > 0 && cost <= limit) }' ||
        fail "$1: $2 over its budget of $limit"
    echo "$1: $2 (budget $limit)"
}
# to_map PROGRAM [ARGUMENT...]: prints the instructions PROGRAM's main thread runs from its start
# to its first map request, under Xvfb; the program is stopped there.
to_map() {
    local out=$work/to-map pid
    rm -rf "$out" && mkdir "$out"
    QT_QPA_PLATFORM=xcb valgrind --tool=callgrind --separate-threads=yes \
        --dump-before=xcb_map_window --callgrind-out-file="$out/cg" "$@" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 1200); do  # a minute at most
        grep -qs '^totals:' "$out/cg.1-01" && break
        sleep 0.05
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    sed -n 's/^summary: //p' "$out/cg.1-01" 2>/dev/null
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.4f", a / b }'; }

python3 -c 'import datetime as d
for i in range(20000): print(d.date(1799, 3, 21) + d.timedelta(i * 666 % 665837))' >"$work/dates"
ours=$(($(counted "$date_program" -f "$work/dates") - $(counted "$date_program" -f /dev/null)))
gnu=$(($(counted date -f "$work/dates" +%F) - $(counted date -f /dev/null +%F)))
echo "a plain date on a line: $((ours / 20000)) instructions, date -f: $((gnu / 20000))"
within date-file "$(ratio "$ours" "$gnu")"
within date-call "$(ratio "$(counted "$date_program")" "$(counted date)")"
within cal-year "$(ratio "$(counted "$cal_program" -y 1405)" "$(counted cal -y 2026)")"
# An X server of the test's own for the two windows.
Xvfb -displayfd 3 -screen 0 1024x768x24 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
display=:$(cat "$work/display")
window_cost=$(DISPLAY=$display to_map "$window")
bare_cost=$(DISPLAY=$display to_map "$bare_window" --sized)
echo "the window to its map request: $window_cost instructions, a bare window sized: $bare_cost"
within window-start "$(ratio "$window_cost" "$bare_cost")"
# The window shows no message and no occasion, so it looks for no catalogue and no occasion file,
# in Persian with a catalogue, holidays, Hijri months and the user's events all there.
[ -f "${TARVAND_LOCALEDIR:-}/fa/LC_MESSAGES/tarvand.mo" ] || fail "no Persian catalogue to leave unread"
shown=$work/shown && mkdir -p "$shown/holidays.d" "$shown/hijri.d" "$shown/config/tarvand"
echo '1405/01/05 an occasion' | tee "$shown/holidays.d/list" "$shown/config/tarvand/holidays" \
    "$shown/config/tarvand/events" >/dev/null
echo '1447/11 2026-04-19' | tee "$shown/hijri.d/months" "$shown/config/tarvand/hijri" >/dev/null
DISPLAY=$display QT_QPA_PLATFORM=xcb LC_ALL=fa_IR.UTF-8 XDG_CONFIG_HOME=$shown/config \
    TARVAND_HOLIDAYS_DIR=$shown/holidays.d TARVAND_HIJRI_DIR=$shown/hijri.d \
    strace -f -e trace=%file -o "$work/files" timeout 5 "$window"
grep -q '"/usr/share/wine/fonts/tahoma.ttf"' "$work/files" || fail "strace saw nothing of the window"
looked=$(grep -E "\\.(mo|qm)\"|share/locale/locale\\.alias|$shown/(hijri|holidays|config/tarvand)" \
    "$work/files")
[ -z "$looked" ] || fail "the window looked for files it does not show" "$looked"
kill "$xvfb"
within month-view "$(counted --collect-atstart=no --toggle-collect='OpenMonthView*' "$month_view")"
# A month file as long as it may be, one month over and over, costs as it is long.
mkdir -p "$work/hijri.d"
yes '1447/11 2026-04-19' | head -n 55188 >"$work/hijri.d/months"
within month-file "$(TARVAND_HIJRI_DIR=$work/hijri.d counted "$date_program" -d 2025-03-20 +%L)"
