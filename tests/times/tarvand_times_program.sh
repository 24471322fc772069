#!/usr/bin/env bash
# tarvand-times as a real program: the times of a day, a month and the next one, the zone's summer
# time, a night with no dawn, the place set for the user, and the refusals.
source "$(dirname "$0")/../checks.sh"
export LC_ALL=C.UTF-8 XDG_CONFIG_HOME=$work/config TARVAND_HIJRI_DIR=$work/hijri.d TZ=Asia/Tehran
program=$1
tehran=--at=35.6944,51.4215

# A day: the place and the three dates, then the six names and times. Iran kept summer time until
# 1401: on 1401/06/08 Tehran's noon is at 13:05.
[ "$("$program" "$tehran" 1401/06/08)" = "35.6944N 51.4215E: 1401/06/08, 2022-08-30, 1444/02/02 AH
Fajr 05:07
Sunrise 06:35
Dhuhr 13:05
Sunset 19:35
Maghrib 19:53
Midnight 00:21" ] || fail "1401/06/08 in Tehran" "$("$program" "$tehran" 1401/06/08 2>&1)"
# The same day however it is written, in any of the three calendars, in one word or several.
for date in 2022-08-30 "2 Safar 1444" 1444/02/02\ AH; do
    [ "$("$program" "$tehran" "$date" | tail -n 6)" = "$("$program" "$tehran" 1401/06/08 | tail -n 6)" ] ||
        fail "the day written $date"
done
# shellcheck disable=SC2046
[ "$("$program" "$tehran" 2 Safar 1444 | head -n 1)" = "$("$program" "$tehran" 2022-08-30 | head -n 1)" ] ||
    fail "a date in several words"
# A month: a header of names, then the month's days, each with six times in their columns.
"$program" -m "$tehran" 1405/12/10 >"$work/month" || fail "-m"
[ "$(sed -n 2p "$work/month")" = "            Fajr   Sunrise  Dhuhr  Sunset  Maghrib  Midnight" ] &&
    [ "$(grep -c '^1405/12/[0-3][0-9]  [0-2][0-9]:[0-5][0-9]  [0-2][0-9]:[0-5][0-9]    [0-2][0-9]:[0-5][0-9]  [0-2][0-9]:[0-5][0-9]   [0-2][0-9]:[0-5][0-9]    [0-2][0-9]:[0-5][0-9]$' "$work/month")" = 29 ] ||
    fail "the month of Esfand 1405" "$(cat "$work/month")"
# The next time from now, and how long until it: from a moment known, through libfaketime.
# Sunset in Tehran that day is at 16:51; at 16:51:40 it is still the time printed, and after
# that minute the evening call is next.
for at in "16:30:00 Sunset 16:51, in 0:21" "16:51:40 Sunset 16:51, in 0:00" "16:52:00 Maghrib 17:11, in 0:19" \
    "23:30:00 Fajr 05:33, in 6:03"; do
    said=$(on_clock "2026-12-08 ${at%% *}" "$program" "$tehran" --next)
    [ "$said" = "${at#* }" ] || fail "--next at ${at%% *}" "$said"
done
# Far north in June the Sun stays above 17.7 degrees below the horizon: no dawn, no midnight,
# said so, status 1.
said=$(TZ=Europe/Oslo "$program" --at=59.91,10.75 2026-06-21 2>"$work/err")
[ $? = 1 ] && grep -qx 'Fajr --:--' <<<"$said" && grep -qx 'Midnight --:--' <<<"$said" &&
    grep -q 'Sunrise 03:5[0-9]' <<<"$said" && grep -q 'no dawn' "$work/err" ||
    fail "Oslo in June" "$said $(cat "$work/err")"
# The place set for the user; without one, the message says how to set it.
mkdir -p "$XDG_CONFIG_HOME/tarvand"
echo "34.5281,69.1723 Kabul" >"$XDG_CONFIG_HOME/tarvand/place"
[ "$(TZ=Asia/Kabul "$program" 2025-03-20 | head -n 1)" = "34.5281N 69.1723E: 1403/12/30, 2025-03-20, 1446/09/19 AH" ] ||
    fail "the place file" "$(TZ=Asia/Kabul "$program" 2025-03-20 2>&1)"
echo "mashh" >"$XDG_CONFIG_HOME/tarvand/place"
[ "$("$program" 2025-03-20 | head -n 1)" = "Mashhad: 1403/12/30, 2025-03-20, 1446/09/19 AH" ] ||
    fail "a city in the place file" "$("$program" 2025-03-20 2>&1)"
rm "$XDG_CONFIG_HOME/tarvand/place"
# With none, the capital of the zone's country; elsewhere the message says how to set one.
[ "$(TZ=Asia/Kabul "$program" 2025-03-20 | head -n 1)" = "Kabul: 1403/12/30, 2025-03-20, 1446/09/19 AH" ] ||
    fail "Kabul by its zone" "$(TZ=Asia/Kabul "$program" 2025-03-20 2>&1)"
said=$(TZ=Europe/Paris "$program" 2>&1)
[ $? = 2 ] && grep -q -- "--at=LAT,LON" <<<"$said" && grep -qF "$XDG_CONFIG_HOME/tarvand/place" <<<"$said" ||
    fail "no place set" "$said"
# A city of the list, by any start of its Latin or Persian name, in its own zone whatever TZ says;
# a start that names several says which; one that names none says where the list is.
[ "$(TZ=UTC "$program" -c tehr 1401/06/08 | sed -n '1p;4p' | tr '\n' '|')" = "Tehran: 1401/06/08, 2022-08-30, 1444/02/02 AH|Dhuhr 13:05|" ] ||
    fail "--city=tehr" "$(TZ=UTC "$program" -c tehr 1401/06/08 2>&1)"
[ "$("$program" --city=$'\u0628\u0646\u062f\u0631 \u0639\u0628\u0627\u0633' | head -c 13)" = "Bandar Abbas:" ] ||
    fail "a Persian name, written apart" "$("$program" --city=$'\u0628\u0646\u062f\u0631 \u0639\u0628\u0627\u0633' 2>&1)"
said=$("$program" -c sar 2>&1)
[ $? = 2 ] && [ "$said" = "tarvand-times: ambiguous city 'sar': 'Sari' or 'Sar-e Pul'" ] || fail "-c sar" "$said"
for city in sar atlantis; do
    LANGUAGE=fa "$program" -c "$city" 2>&1 | /usr/bin/python3 "$(dirname "$0")/../cli/no_english.py" \
        >"$work/said" || fail "-c $city in Persian" "$(cat "$work/said")"
done
said=$("$program" -c atlantis 2>&1)
[ $? = 2 ] && grep -q -- "--list-cities" <<<"$said" || fail "-c atlantis" "$said"
# The list: 31 capitals of Iran's provinces and 34 of Afghanistan's, and Iran's cities of 100,000.
"$program" --list-cities >"$work/cities"
[ "$(grep -c $'\tAsia/Kabul$' "$work/cities")" = 34 ] && [ "$(wc -l <"$work/cities")" = 101 ] &&
    grep -qx $'Tehran\t\u062a\u0647\u0631\u0627\u0646\t35.6944,51.4215\tAsia/Tehran' "$work/cities" ||
    fail "--list-cities" "$(head -n 3 "$work/cities")"
# Refusals, status 2: places off the globe or not numbers, a date that is none.
for at in --at=91,0 --at=0,181 --at=abc --at=35.7 --at=35.7,51.4x --at=nan,0; do
    said=$("$program" "$at" 2>&1)
    [ $? = 2 ] && grep -q "invalid place" <<<"$said" || fail "$at" "$said"
done
said=$("$program" -c tehran "$tehran" 2>&1)
[ $? = 2 ] && grep -q "cannot be used together" <<<"$said" || fail "--city with --at" "$said"
said=$("$program" "$tehran" 1405/13/01 2>&1)
[ $? = 2 ] && grep -q "no month 13" <<<"$said" || fail "a bad date" "$said"
# Persian digits with -p; the Persian names through the catalogue.
[ "$("$program" -p "$tehran" 1401/06/08 | sed -n 4p)" = "Dhuhr ۱۳:۰۵" ] || fail "-p"
[ "$(LANGUAGE=fa "$program" "$tehran" 1401/06/08 | sed -n 2,7p | cut -d' ' -f1-2 | tr '\n' '|')" = \
    "اذان صبح|طلوع آفتاب|اذان ظهر|غروب آفتاب|اذان مغرب|نیمه‌شب شرعی|" ] ||
    fail "the Persian names" "$(LANGUAGE=fa "$program" "$tehran" 1401/06/08)"
LANGUAGE=fa "$program" --help | /usr/bin/python3 "$(dirname "$0")/../cli/reads_in_order.py" >"$work/said" 2>&1 ||
    fail "the Persian --help under bidi" "$(cat "$work/said")"
[ -z "$("$program" --help | awk 'length > 80')" ] || fail "--help passes 80 columns"
