#!/usr/bin/env bash
# The programs on odd machines: the clock at odd moments (libfaketime), other locales, no font with
# Arabic glyphs, no display. Nothing may crash, and the dates shown must be right.
source "$(dirname "$0")/../checks.sh"
date_program=$1 window_test=$2 tarvand=$3
export FAKETIME_DONT_FAKE_MONOTONIC=1 QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

# window FILTER [WRAPPER...]: runs the window's tests that match; they pass, and there is one at least.
window() {
    local filter=$1
    shift
    "$@" "$window_test" --gtest_filter="$filter" >"$work/log" 2>&1 &&
        grep -q '^\[  PASSED  \] [1-9]' "$work/log"
}

# at ZONE MOMENT: both programs, on a clock stopped at that moment, show the local date there.
at() {
    local day local expected got status
    day=$(TZ=$1 date -d "$2" +%F)
    local=$(TZ=$1 date -d "$2" '+%F %T')
    expected=$("$date_program" -d "$day" 2>/dev/null)
    got=$(TZ=$1 on_clock "$local" "$date_program" 2>"$work/err")
    status=$?
    if [ -n "$expected" ]; then
        [ "$status:$got" = "0:$expected" ] || fail "tarvand-date at $2 in $1: $status $got"
    else
        [ "$status" = 2 ] && grep -q "today's date '$day' is outside" "$work/err" ||
            fail "tarvand-date at $2 in $1: status $status, $(cat "$work/err")"
    fi
    TZ=$1 TARVAND_TODAY=$day window '*ReadsTheLocalClock' on_clock "$local" ||
        fail "the window at $2 in $1: $(grep -A3 Failure "$work/log")"
}
at UTC '1950-01-01 12:00:00'
at UTC '1799-03-20 23:59:59'
at UTC '2059-03-20 23:59:59'
at UTC '2059-03-21 00:00:00'
at UTC '9999-12-31 23:59:59'
at Europe/Berlin '2026-03-29 01:30:00 UTC'     # just after the change to summer time
at America/Sao_Paulo '2018-11-04 02:59:59 UTC' # the last second before a midnight that
at America/Sao_Paulo '2018-11-04 03:00:00 UTC' # the change to summer time skips
# A clock past the years a civil date holds: said so, not as a negative year.
# (libfaketime reads no five-digit year: the clock is set forward by the seconds to it instead.)
ahead=$(($(TZ=UTC date -d '40000-01-01 00:00:00' +%s) - $(date +%s)))
got=$(TZ=UTC on_clock "+$ahead" "$date_program" 2>&1)
[ "$got" = "tarvand-date: today's date (the year 32767 or after) is outside 1799-03-21 to 3622-03-20, the days that can be converted" ] ||
    fail "tarvand-date in the year 40000: $got"

for locale in C en_US.UTF-8 de_DE.UTF-8 fa_IR.UTF-8; do
    LC_ALL=$locale LANG=$locale TZ=UTC window '*LocalesShortForm:*FillsTheBoxes*' || fail "the window in $locale: $(grep -A3 Failure "$work/log")"
    [ "$(LC_ALL=$locale "$date_program" -l 3 -d 2011-03-02)" = "$("$date_program" -l 3 -d 2011-03-02)" ] ||
        fail "tarvand-date changes with the locale $locale"
done

# Only a Latin font: the window still opens and fills its boxes.
mkdir "$work/fonts"
ln -s /usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf "$work/fonts/"
printf '<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' "$work/fonts" "$work/cache" \
    >"$work/fonts.conf"
FONTCONFIG_FILE=$work/fonts.conf window '*FillsTheBoxes*:*CreatesTheControls*' || fail "the window with no Arabic font: $(grep -A3 Failure "$work/log")"

# No display: one clear line naming what was tried, and status 1; no abort and no core.
for tried in "DISPLAY= neither" "DISPLAY=:97 DISPLAY ':97'" "WAYLAND_DISPLAY=nope socket $work/nope"; do
    (cd "$work" && env -u WAYLAND_DISPLAY -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" \
        "${tried%% *}" "$tarvand") 2>"$work/err"
    status=$?
    [ "$status:$(wc -l <"$work/err")" = 1:1 ] && grep -q "^tarvand: cannot open a display: .*${tried#* }" \
        "$work/err" && [ ! -e "$work/core" ] || fail "no display, $tried: status $status, $(cat "$work/err")"
done
# ... in Persian in a Persian locale, the catalogue found beside the program (Qt's own words
# isolated, as the C library's are kept).
(cd "$work" && env -u WAYLAND_DISPLAY -u DISPLAY -u QT_QPA_PLATFORM -u TARVAND_LOCALEDIR LANGUAGE=fa \
    LC_ALL=fa_IR.UTF-8 XDG_RUNTIME_DIR="$work" "$tarvand") 2>&1 |
    /usr/bin/python3 "$(dirname "$0")/../cli/no_english.py" >"$work/said" ||
    fail "no display, in Persian: $(cat "$work/said")"
# Its --help in Persian, Qt's own words too (by its name, as a command is run).
(PATH=$(dirname "$tarvand"):$PATH LANGUAGE=fa LC_ALL=fa_IR.UTF-8 tarvand --help) |
    /usr/bin/python3 "$(dirname "$0")/../cli/no_english.py" >"$work/said" ||
    fail "tarvand --help in Persian: $(cat "$work/said")"
