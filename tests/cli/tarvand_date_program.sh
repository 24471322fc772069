#!/usr/bin/env bash
# tarvand-date as a real program: standard output, standard error and exit status, case by case.
source "$(dirname "$0")/../checks.sh"
export LC_ALL=C.UTF-8 XDG_CONFIG_HOME=$work/config TARVAND_HOLIDAYS_DIR=$work/holidays.d \
    TARVAND_HIJRI_DIR=$work/hijri.d
program=$1 p=tarvand-date

# check STATUS OUT ERR [ARGUMENT...]: runs the program on $input and compares all three exactly.
check() {
    local status=$1 out=$2 err=$3
    shift 3
    printf '%s' "${input-}" | "$program" "$@" >"$work/out" 2>"$work/err"
    local got=$? got_out got_err
    got_out=$(cat "$work/out") got_err=$(cat "$work/err")
    [ "$got:$got_out:$got_err" = "$status:$out:$err" ] ||
        fail "$p $*" "status $got, out: $got_out" "err: $got_err"
}

see="(see '$p --help')" bad="(expected YYYY-MM-DD)" outside="is outside 1799-03-21 to 3622-03-20, the days that can be converted"
wed=$(printf '\u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647') esf=$(printf '\u0627\u0633\u0641\u0646\u062F')
check 0 $'1389/12/11\n11 '"$esf"$' 1389\n'"$wed 1389/12/11"$'\n'"$wed  11  $esf  1389" '' --all -d 2011-03-02
check 0 "$wed 1389/12/11" '' --layout=2 --date=2011-3-2
check 0 "$("$program" -d "$(date +%F)")" ''
check 0 "tarvand-date 1.00" '' --version --help  # options act in their order
check 0 "$("$program" -h)" '' --help --bogus
check 2 '' "$p: invalid date '2011-02-30': February 2011 has 28 days" -d 2011-02-30
check 2 '' "$p: invalid date '2024-13-01': there is no month 13" -d 2024-13-01
check 2 '' "$p: invalid date '2011-3-2x' $bad" -a -d 2011-3-2x
check 2 '' "$p: date '1799-03-20' $outside" -d 1799-03-20
check 2 '' "$p: date '3622-03-21' $outside" -d 3622-03-21
check 0 '1328/10/11' '' -d ۱۹۵۰-۰۱-۰۱
check 0 '2025-03-20' '' -g -d 1403/12/30
check 2 '' "$p: invalid date '1404/12/30': 1404 is a common year, Esfand has 29 days" -g -d 1404/12/30
check 2 '' "$p: invalid date '1404/13/1': there is no month 13" -g -d 1404/13/1
check 2 '' "$p: invalid date '1404/00/00': there is no month 0" -g -d 1404/00/00
check 0 '۲۰۲۵-۰۳-۲۰' '' -g -p -d 1403/12/30
check 2 '' "$p: invalid date '1404/7/31': Mehr has 30 days" -g -d 1404/7/31
check 2 '' "$p: date '3001/01/01' is outside 1178 to 3000, the years that can be converted" -g -d 3001/01/01
check 2 '' "$p: invalid date '1404-01-01' (expected YYYY/MM/DD)" -g -d 1404-01-01
check 2 '' "$p: --to-gregorian cannot be used with --layout, --all or +FORMAT $see" -g -a
check 2 '' "$p: invalid layout '4' (expected 0, 1, 2 or 3) $see" -l 4
check 2 '' "$p: unrecognized option '--bogus' $see" --bogus
check 2 '' "$p: option '--date' requires an argument $see" --date
check 2 '' "$p: option '--all' doesn't allow an argument $see" --all=yes
check 2 '' "$p: extra operand 'today' $see" today
check 2 '' "$p: --date and --file cannot be used together $see" -d 2011-03-02 -f -
check 2 '' "$p: multiple output formats specified $see" -l 1 +%Y
check 2 '' "$p: invalid conversion '%_5q' in format '+%Y %_5q' $see" '+%Y %_5q'
check 2 '' "$p: invalid conversion '%256d' in format '+%256d' (a width goes up to 255) $see" +%256d
check 2 '' "$p: invalid conversion '%5' in format '+%5' (the conversion letter is missing) $see" +%5
check 2 '' "$p: cannot read '$work/none': No such file or directory" -f "$work/none"
check 0 "$wed ۱۱ حوت ۱۳۸۹ ۳۴۷ ۵" '' -d 2011-03-02 -p --afghan '+%A %-d %B %Y %j %u'
check 0 "$wed  11  $esf  1389" '' -a -l 3 -d 2011-03-02
check 0 "۱۳۸۹/۱۲/۱۱" '' -p -d 2011-03-02
printf '2013-03-20\n' >"$work/dates"
check 0 "1391/12/30" '' --file="$work/dates"
# Hostile input: control characters and bad UTF-8 quoted, long text cut, a byte order mark and
# blank lines skipped, an overlong line reported and the next one converted.
check 2 '' "$p: invalid date '\033[2J\n\377' $bad" -d $'\e[2J\n\xff'
check 2 '' "$p: invalid date '$(printf '9%.0s' {1..60})'... $bad" -d "$(printf '9%.0s' {1..99})"
check 2 '' "$p: cannot read 'a\nb': No such file or directory" -f $'a\nb'
# Names whole, however long; what cannot be seen, or reorders or breaks a line, escaped.
long=$work/$(printf 'd%.0s' {1..70})/dates
check 2 '' "$p: cannot read '$long': No such file or directory" -f "$long"
check 2 '' "$p: invalid date '\u202E1403\u00A0\u200B\u2028\uFEFF' $bad" -d $'\u202e1403\u00a0\u200b\u2028\ufeff'
# A line of 1,024 bytes, and its CR LF form; a line of only CR; a byte order mark after the start.
line=$(printf ' %.0s' {1..1014})2011-03-02
input=$'\xef\xbb\xbf2011-03-02\nnonsense\n2013-03-21\r\n\n \n1700-01-01\n2059-03-21\r\n\r\n'"$line"$'\r\n'"$line"$'\n\xef\xbb\xbf2011-03-02\n1'"$line"
check 1 $'1389/12/11\n1392/01/01\n1438/01/01\n1389/12/11\n1389/12/11' "$p: standard input:2: invalid date 'nonsense': unknown word 'nonsense'
$p: standard input:6: date '1700-01-01' $outside
$p: standard input:11: invalid date '\uFEFF2011-03-02' $bad
$p: standard input:12: line too long (over 1024 bytes)" -f -
input=$'۱۴۰۵/۹/۱۵\n1178/1/1'
check 0 $'2026-12-06\n1799-03-21' '' -g -f -
input=
{ head -c 30000000 /dev/zero | tr '\0' 7; printf '\n2011-03-02\n'; } >"$work/long"
check 1 1389/12/11 "$p: $work/long:1: line too long (over 1024 bytes)" -f "$work/long"
if [ -z "${ASAN_OPTIONS-}" ]; then  # memory stays flat, a line's length notwithstanding
    peak=$(/usr/bin/time -f %M "$program" -f "$work/long" 2>&1 >/dev/null | tail -n 1)
    [ "$peak" -lt 8000 ] || fail "30 MB line: peak memory $peak KiB"
fi
said=$("$program" -f - <"$work" 2>&1)
[ "$?:$said" = "2:$p: standard input: read error: Is a directory" ] || fail "read error: $said"
"$program" -h | grep -q '^Usage: tarvand-date \[OPTION\]\.\.\. \[+FORMAT\]$' || fail "--help"
# A write error stops the program at once: none of the bad lines after it is reported.
{ yes 2011-03-02 | head -n 100000; echo bad; } | "$program" -f - >/dev/full 2>"$work/err"
[ "$?:$(cat "$work/err")" = "2:$p: write error: No space left on device" ] || fail "a full disk: $(cat "$work/err")"
# Nor can it go on when its messages cannot be written, from the first.
yes bad | timeout 10 "$program" -f - 2>/dev/full
status=$?
[ "$status" = 2 ] || fail "messages to a full disk: status $status"
printf '2025-03-21\nbad\n2025-03-22\n' | "$program" -f - 2>/dev/full >"$work/out"
[ "$?:$(cat "$work/out")" = "2:1404/01/01" ] || fail "a message to a full disk stops at once"
# Each answer comes before the next line is read, for a program that waits for it.
coproc "$program" -f -
echo 2011-03-02 >&"${COPROC[1]}"
read -t 10 -r answer <&"${COPROC[0]}" && [ "$answer" = 1389/12/11 ] || fail "no answer before the next line"
kill "$COPROC_PID"

# Moments: each input, read in a file, and the moment it names in Tehran, in UTC (-u) and in New
# York, on a clock stopped at 2026-12-07 12:00 local time. Nowruz and Tehran's old summer time.
table=$(cat <<'END'
2025-03-20 23:30|1403/12/30 23:30:00 +0330|1403/12/30 23:30:00 +0000|1403/12/30 23:30:00 -0400
2025-03-20T23:30:15.25|1403/12/30 23:30:15 +0330|1403/12/30 23:30:15 +0000|1403/12/30 23:30:15 -0400
2025-03-20T20:00:00Z|1403/12/30 23:30:00 +0330|1403/12/30 20:00:00 +0000|1403/12/30 16:00:00 -0400
2025-03-20T20:00+03:30|1403/12/30 20:00:00 +0330|1403/12/30 16:30:00 +0000|1403/12/30 12:30:00 -0400
2025-03-20t20:00:00-05|1404/01/01 04:30:00 +0330|1404/01/01 01:00:00 +0000|1403/12/30 21:00:00 -0400
2025-03-20 20:00 +0330|1403/12/30 20:00:00 +0330|1403/12/30 16:30:00 +0000|1403/12/30 12:30:00 -0400
2025-03-20 UTC|1403/12/30 03:30:00 +0330|1403/12/30 00:00:00 +0000|1403/12/29 20:00:00 -0400
@1742502600|1404/01/01 00:00:00 +0330|1403/12/30 20:30:00 +0000|1403/12/30 16:30:00 -0400
@-1.5|1348/10/11 03:29:58 +0330|1348/10/10 23:59:58 +0000|1348/10/10 18:59:58 -0500
۲۰۲۵-۰۳-۲۰ ۲۰:۰۰|1403/12/30 20:00:00 +0330|1403/12/30 20:00:00 +0000|1403/12/30 20:00:00 -0400
2025-03-20 +3 days|1404/01/03 00:00:00 +0330|1404/01/03 00:00:00 +0000|1404/01/03 00:00:00 -0400
2025-03-20 -2 weeks|1403/12/16 00:00:00 +0330|1403/12/16 00:00:00 +0000|1403/12/16 00:00:00 -0500
2025-03-20 1 month ago|1403/11/30 00:00:00 +0330|1403/11/30 00:00:00 +0000|1403/11/30 00:00:00 -0500
2025-03-20 NEXT YEAR|1404/12/29 00:00:00 +0330|1404/12/29 00:00:00 +0000|1404/12/29 00:00:00 -0400
2025-09-22 +1 month|1404/07/30 00:00:00 +0330|1404/07/30 00:00:00 +0000|1404/07/30 00:00:00 -0400
2025-03-20 23:30 +90 minutes|1404/01/01 01:00:00 +0330|1404/01/01 01:00:00 +0000|1404/01/01 01:00:00 -0400
2025-03-20 tomorrow|1404/01/01 00:00:00 +0330|1404/01/01 00:00:00 +0000|1404/01/01 00:00:00 -0400
yesterday|1405/09/15 12:00:00 +0330|1405/09/15 08:30:00 +0000|1405/09/15 12:00:00 -0500
دیروز|1405/09/15 12:00:00 +0330|1405/09/15 08:30:00 +0000|1405/09/15 12:00:00 -0500
امروز فردا|1405/09/17 12:00:00 +0330|1405/09/17 08:30:00 +0000|1405/09/17 12:00:00 -0500
1 Shawwal 1447 AH +1 day|1405/01/02 00:00:00 +0330|1405/01/02 00:00:00 +0000|1405/01/02 00:00:00 -0400
+1 hour|1405/09/16 13:00:00 +0330|1405/09/16 09:30:00 +0000|1405/09/16 13:00:00 -0500
2025-03-20T23:59:59Z|1404/01/01 03:29:59 +0330|1403/12/30 23:59:59 +0000|1403/12/30 19:59:59 -0400
2025-03-21T04:00:00Z|1404/01/01 07:30:00 +0330|1404/01/01 04:00:00 +0000|1404/01/01 00:00:00 -0400
2008-03-20T20:29:59Z|1387/01/01 23:59:59 +0330|1387/01/01 20:29:59 +0000|1387/01/01 16:29:59 -0400
2008-03-20T20:30:00Z|1387/01/02 01:00:00 +0430|1387/01/01 20:30:00 +0000|1387/01/01 16:30:00 -0400
2008-03-20 12:00 +1 day|1387/01/02 12:00:00 +0430|1387/01/02 12:00:00 +0000|1387/01/02 12:00:00 -0400
2008-03-21 +1 day|1387/01/03 00:00:00 +0430|1387/01/03 00:00:00 +0000|1387/01/03 00:00:00 -0400
2022-09-21T19:29:59Z|1401/06/30 23:59:59 +0430|1401/06/30 19:29:59 +0000|1401/06/30 15:29:59 -0400
2022-09-21T19:30:00Z|1401/06/30 23:00:00 +0330|1401/06/30 19:30:00 +0000|1401/06/30 15:30:00 -0400
1799-03-21T12:00:00Z|1178/01/01 15:25:44 +0325|1178/01/01 12:00:00 +0000|1178/01/01 07:03:58 -0456
2025-03-21 10:00:00-05:00|1404/01/01 18:30:00 +0330|1404/01/01 15:00:00 +0000|1404/01/01 11:00:00 -0400
10:00UTC|1405/09/16 13:30:00 +0330|1405/09/16 10:00:00 +0000|1405/09/16 05:00:00 -0500
2025-03-20T20:30:00Z +1000000000 seconds|1435/09/07 01:46:40 +0330|1435/09/06 22:16:40 +0000|1435/09/06 17:16:40 -0500
‏2025-03-21 10:00‏|1404/01/01 10:00:00 +0330|1404/01/01 10:00:00 +0000|1404/01/01 10:00:00 -0400
2025-03-20 +1day|1404/01/01 00:00:00 +0330|1404/01/01 00:00:00 +0000|1404/01/01 00:00:00 -0400
2025-03-21T10:00 +0000000001 day|1404/01/02 10:00:00 +0330|1404/01/02 10:00:00 +0000|1404/01/02 10:00:00 -0400
10:00 -0500|1405/09/16 18:30:00 +0330|1405/09/16 15:00:00 +0000|1405/09/16 10:00:00 -0500
10:00:00-05:00|1405/09/16 18:30:00 +0330|1405/09/16 15:00:00 +0000|1405/09/16 10:00:00 -0500
10:00GMT|1405/09/16 13:30:00 +0330|1405/09/16 10:00:00 +0000|1405/09/16 05:00:00 -0500
10:00 GMT|1405/09/16 13:30:00 +0330|1405/09/16 10:00:00 +0000|1405/09/16 05:00:00 -0500
10:00 UTC|1405/09/16 13:30:00 +0330|1405/09/16 10:00:00 +0000|1405/09/16 05:00:00 -0500
2025-03-20 +1 hour|1403/12/30 01:00:00 +0330|1403/12/30 01:00:00 +0000|1403/12/30 01:00:00 -0400
2025-03-20 +90 seconds|1403/12/30 00:01:30 +0330|1403/12/30 00:01:30 +0000|1403/12/30 00:01:30 -0400
END
)
column=2
for zone in Asia/Tehran -u America/New_York; do
    [ "$zone" = -u ] && set -- -u || set --
    cut -d'|' -f1 <<<"$table" | TZ=${zone/-u/Asia/Tehran} on_clock '2026-12-07 12:00:00' \
        "$program" "$@" -f - '+%Y/%m/%d %T %z' >"$work/got"
    cut -d'|' -f"$column" <<<"$table" | diff - "$work/got" >"$work/diff" || fail "moments $zone" "$(cat "$work/diff")"
    column=$((column + 1))
done
# The reader of date-times as machines write them, which most lines of a file take, against the
# general reader (a mark before a line sends it there) and against date(1): each offset form, joined
# to the time and after a blank.
for form in +0330 +03:30 +03 Z -0500 -05:00; do
    for time in 'T20:00:15' ' 20:00'; do
        printf '2025-03-20%s%s\n2025-03-20%s %s\n' "$time" "$form" "$time" "$form"
    done
done >"$work/machine"
"$program" -f "$work/machine" +%s >"$work/fast"
sed 's/^/\xe2\x80\x8e/' "$work/machine" | "$program" -f - +%s >"$work/general"
date -f "$work/machine" +%s >"$work/gnu"
[ "$(wc -l <"$work/gnu")" = 24 ] && cmp -s "$work/fast" "$work/gnu" && cmp -s "$work/general" "$work/gnu" ||
    fail "offsets after a time" "$(paste "$work/machine" "$work/fast" "$work/general" "$work/gnu")"
# Offsets of ten hours or more, and west of UTC, in each form date(1) writes.
for zone in Australia/Sydney Pacific/Kiritimati Pacific/Chatham America/St_Johns Atlantic/Azores \
    Pacific/Honolulu Pacific/Marquesas; do
    for day in 2025-01-01 2025-07-01; do
        got=$(TZ=$zone "$program" -d "$day 10:00" '+%z %:z %::z %:::z')
        [ "$got" = "$(TZ=$zone date -d "$day 10:00" '+%z %:z %::z %:::z')" ] || fail "offsets in $zone: $got"
    done
done
# Zones that count leap seconds (right/), against date(1): moments by their leap seconds so far, a
# leap second written and shown as second 60. (date(1) refuses a second 60 that is not a leap
# second there, and reads 23:59:60Z in Tehran as its leap second, one second early: not compared.)
for zone in right/UTC right/Asia/Tehran; do
    for moment in '2025-03-21 10:00' 2025-03-21 @1483228826 2016-12-31T23:59:59Z '1980-01-01 00:00' \
        '2017-01-01 00:00' '1972-06-30 12:00 tomorrow'; do
        got=$(TZ=$zone "$program" -d "$moment" '+%T %s %z')
        [ "$got" = "$(TZ=$zone date -d "$moment" '+%T %s %z')" ] || fail "$moment in $zone: $got"
    done
done
# A leap second moved by days keeps its second 60, written with an offset as without one.
for moment in 'right/UTC|2016-12-31 23:59:60Z +1 day' 'right/UTC|2016-12-31 23:59:60Z -1 week' \
    'right/Asia/Tehran|2017-01-01 03:29:60 +0330 +1 day'; do
    got=$(TZ=${moment%%|*} "$program" -d "${moment#*|}" '+%T %s %z')
    [ "$got" = "$(TZ=${moment%%|*} date -d "${moment#*|}" '+%T %s %z')" ] || fail "$moment: $got"
done
TZ=right/UTC check 0 '1395/10/11 23:59:60 1483228826' '' -d '2016-12-31 23:59:60' '+%Y/%m/%d %T %s'
TZ=right/UTC check 0 '1483315227' '' -d '@1483228826 +1 day' +%s
TZ=right/Asia/Tehran check 0 '2017-01-01T03:29:60+03:30' '' -g -d '1395/10/12 03:29:60'
# A time without a date, moved by days across a change of clocks, keeps the time written: 01:30
# did not exist on 30 March 2025 in Dublin, and does the next day.
[ "$(TZ=Europe/Dublin on_clock '2025-03-30 12:00:00' "$program" -g -d '01:30 tomorrow')" = \
    2025-03-31T01:30:00+01:00 ] || fail "01:30 tomorrow, after the clocks went forward"
export TZ=Asia/Tehran
input=
check 0 '2026-03-21T18:00:00+03:30' '' -g -d '1404/12/29 18:00 +1 day'
check 0 '2025-10-22' '' -g -d '1404/06/31 +1 month'
check 0 '۲۰۲۶-۰۳-۲۰T۲۰:۳۰:۰۰.۲۵+۰۰:۰۰' '' -g -p -u -d '1404/12/29 20:30:00.25'
check 0 '1404/01/01' '' -u -d '2025-03-21T00:00:00Z'
check 0 '1403/12/30' '' -u -d '2025-03-20T23:59:59+00:00'
check 0 "11:30:15 PM pm 23 11 015 +0330 +0330 +03:30 +03:30:00 +03:30 1742500815" '' -d '2025-03-20 23:30:15.015' '+%r %P %k %l %3N %Z %z %:z %::z %:::z %s'
check 0 "۱۱:۳۰:۱۵ ب.ظ" '' -p -d '2025-03-20 23:30:15' '+%r'
touch -d '2025-03-20 20:30:00 UTC' "$work/stamped"
check 0 '1404/01/01 00:00:00' '' -r "$work/stamped" '+%Y/%m/%d %T'
# Refusals, each naming what is wrong.
# Offsets to their limits both ways, a leap second, an offset after a time alone, a negative
# fraction of @, and every unit's size in one sum (months and years together on the Solar
# calendar, then days).
check 0 '1403/12/29 13:30:00 +0330' '' -d 2025-03-20T10:00+24:00 '+%Y/%m/%d %T %z'
check 2 '' "$p: invalid date '2025-03-20T10:00+03:60': offset '+03:60'" -d 2025-03-20T10:00+03:60
check 2 '' "$p: invalid date '2025-03-20T24:00': hour 24" -d 2025-03-20T24:00
check 0 '1404/01/01 00:00:00' '' -u -d 2025-03-20T23:59:60Z '+%Y/%m/%d %T'
check 0 '06:30:00' '' -u -d 10:00+03:30 +%T
check 0 '23:59:58.750000000' '' -u -d @-1.25 +%T.%N
check 0 '1405/02/21 11:02:02' '' -d '2025-03-20 10:00 +1 year +1 month +1 fortnight +1 week +1 day +1 hour +1 minute +1 min +1 second +1 sec' '+%Y/%m/%d %T'
check 0 '10:05:00' '' -d '2025-03-20 10:00 +5 min' +%T
check 0 '1404/01/01 23:30:00' '' -d '2025-03-20T20:00:00Z +1 day' '+%Y/%m/%d %T'
TZ='<+03>-3' check 0 '+03' '' -d '2025-03-20 10:00' +%Z
input=$'2025-03-20 12:00\n2025-03-20 12:30\n2025-03-20 00:30' check 0 $'PM 12\nPM 12\nAM 12' '' -f - '+%p %I'
check 0 '01' '' -d 2008-03-21 +%I  # its midnight was skipped
check 2 '' "$p: invalid date '2024-01-00': there is no day 0" -d 2024-01-00
check 2 '' "$p: invalid date 'a\300\257b\u2066\'': unknown word 'a\300\257b\u2066\''" -d "$(printf "a\xc0\xafb\u2066'")"
check 2 '' "$p: invalid date '2025-03-20 25:00': hour 25" -d '2025-03-20 25:00'
check 2 '' "$p: invalid date '2025-03-20T10:61': minute 61" -d 2025-03-20T10:61
check 2 '' "$p: invalid date 'tomorow': unknown word 'tomorow'" -d tomorow
check 2 '' "$p: invalid date '10:00+25:00': offset '+25:00'" -d 10:00+25:00
check 2 '' "$p: invalid date '1404/13/01 10:00': there is no month 13" -g -d '1404/13/01 10:00'
check 2 '' "$p: invalid date 'next fortnite': unknown unit 'fortnite'" -d 'next fortnite'
check 2 '' "$p: invalid date '+3': offset '+3' without a date or time before it" -d +3
# A date that converts, moved outside: the move is named, not the date.
check 2 '' "$p: date '3622-03-20 +1 day' is moved outside 1799-03-21 to 3622-03-20, the days that can be converted" \
    -d '3622-03-20 +1 day'
check 2 '' "$p: date '1178/01/01 -1 month' is moved outside 1178/01/01 to 3000/12/30, the days that can be converted" \
    -g -d '1178/01/01 -1 month'
check 2 '' "$p: date '3000/12/30 +1 day' is moved outside 1178/01/01 to 3000/12/30, the days that can be converted" \
    -g -d '3000/12/30 +1 day'
check 2 '' "$p: cannot stat '$work/none': No such file or directory" -r "$work/none"
check 2 '' "$p: --reference cannot be used with --date or --file $see" -r "$work/stamped" -d now
TZ=Asia/Tehrn check 2 '' "$p: invalid time zone 'Asia/Tehrn': TZ names no zone file and is not a POSIX rule"
mkfifo "$work/fifo"  # named, but not waited on (env, so that this shell does not read TZ itself)
said=$(env TZ="$work/fifo" timeout 10 "$program" 2>&1)
[ "$?:$said" = "2:$p: invalid time zone '$work/fifo': TZ names no zone file and is not a POSIX rule" ] ||
    fail "TZ naming a pipe: $said"
TZ='<+0330>-3:30' check 0 '+0330 +0330' '' -d '2025-03-20 10:00' '+%Z %z'
TZ=:America/New_York check 0 'EDT' '' -d '2025-06-01 10:00' '+%Z'
check 2 '' "$p: --to-gregorian cannot be used with --layout, --all or +FORMAT $see" -g +%Y
# date(1) reads -g's date-times back to the moment meant; 00:30 on 2 Farvardin 1387 was skipped.
for moment in '1404/12/29 18:00:30.5 +1 day=1774103430.500000000' '@-1.5=-2.500000000' \
    '1387/01/02 00:30=1206046800.000000000'; do
    [ "$(date -d "$("$program" -g -d "${moment%=*}")" +%s.%N)" = "${moment#*=}" ] ||
        fail "date(1) reads back -g -d '${moment%=*}'"
done
TZ='EST5EDT,M3.2.0,M11.1.0' check 0 'EDT' '' -d '2025-06-01 10:00' '+%Z'
# Zones that skipped a day or run summer time backward: a date alone stays itself, a skipped time
# moves forward, a time shown twice is the first.
TZ=Pacific/Apia check 0 '2011-12-30' '' -g -d 1390/10/09
TZ=Pacific/Apia check 0 '1390/10/09' '' -d '2011-12-31 1 day ago'
[ "$(TZ=Pacific/Apia on_clock '2011-12-29 12:00:00' "$program" -d tomorrow '+%F %T %z')" = '1390-10-10 12:00:00 +1400' ] ||
    fail "tomorrow in Apia, over the day it skipped"
TZ=Europe/Dublin check 0 '2025-03-30T02:30:00+01:00' '' -g -d '1404/01/10 01:30'
TZ=Europe/London check 0 '1847-12-01T00:01:15+00:00' '' -g -d '1226/09/10 00:00'
TZ=America/New_York check 0 '01:30 -0400' '' -d '2025-11-02 01:30' '+%H:%M %z'
TZ=America/New_York check 0 '01:30 -0500' '' -d '2025-11-02 01:30 +1 hour' '+%H:%M %z'
check 2 '' "$p: invalid date '12am': am and pm are not read; write the time as HH:MM, 00:00 to 23:59" -d 12am
check 0 '1404/01/03' '' -d '2025-03-20 + 3 days'
check 2 '' "$p: invalid date '2025-03-20 - 1': the sign '-' stands apart from its number" -d '2025-03-20 - 1'
check 2 '' "$p: invalid date 'UTC': offset 'UTC' without a date or time before it" -d UTC
check 2 '' "$p: invalid date '1 dayz': unknown unit 'dayz'" -d '1 dayz'
check 2 '' "$p: invalid date '+9999999999999 seconds': count '+9999999999999' is too large" -d '+9999999999999 seconds'
# Each message goes out in one write of at most PIPE_BUF bytes, so that messages from programs
# sharing a pipe do not mix.
if [ -z "${ASAN_OPTIONS-}" ]; then
    yes "$(printf 'x%.0s' {1..1000})" | head -n 200 | strace -o "$work/writes" -e trace=write "$program" -f - 2>/dev/null
    largest=$(grep -o '^write(2, .*= [0-9]*' "$work/writes" | sed 's/.*= //' | sort -n | tail -n 1)
    [ -n "$largest" ] && [ "$largest" -le "$(getconf PIPE_BUF /)" ] || fail "a write to stderr of ${largest:-no} bytes"
fi
# The day's occasions, and a year's: confirmed, computed and estimated (*) holidays. Eid al-Fitr
# 1447 is on record; Ashura 1448 (4 Tir 1405, as the official calendar has it) is predicted.
nowruz=$(printf '\u062C\u0634\u0646 \u0646\u0648\u0631\u0648\u0632')
fitr=$(printf '\u0639\u06CC\u062F \u0633\u0639\u06CC\u062F \u0641\u0637\u0631')
check 0 "$(printf '1405/01/01 %s\u060C %s' "$nowruz" "$fitr")" '' -d 2026-03-21 '+%Y/%m/%d %o'
check 0 "$(printf '\u0639\u0627\u0634\u0648\u0631\u0627\u06CC \u062D\u0633\u06CC\u0646\u06CC *')" '' -d 2026-06-25 '+%o'
check 0 '' '' -d 2026-03-26 '+%o'
# The Hijri date as Iran keeps it: its letters with flags and widths; then the month files, whose
# lines the Hijri dates and the holidays follow, a bad line named and the others taken: what is not
# a file in the administrator's folder, a month far from its expected start or left 31 days long,
# and one set twice (the later counts).
muharram=$(printf '\u0645\u062D\u0631\u0645')
check 0 "1448/01/10 Muharram $muharram|10| 1|001448|" '' -d 2026-06-25 '+%L/%J/%i %K %Q|%-i|%_2J|%6L|'
check 0 "1447/10/29" '' -d 2026-04-18 +%L/%J/%i
check 0 "SAFAR|SAFAR|  SAFAR|SAFAR|SAFAR" '' -d 2026-08-01 '+%^K|%#K|%^7K|%^-K|%#_K'
check 0 "۱۴۴۷/۰۹/۰۱ Ramadan" '' -p -d 2026-02-19 '+%L/%J/%i %K'
mkdir -p "$work/hijri.d/dir" "$XDG_CONFIG_HOME/tarvand"
mkfifo "$work/hijri.d/fifo" && ln -s /dev/zero "$work/hijri.d/zero"
printf '1447/11 2026-04-20\n1448/01 2026-06-17 # the Calendar Center\n' >"$work/hijri.d/1405"
printf '\xef\xbb\xbf*۱۴۴۸/۲ ۲۰۲۶-۰۷-۱۶\n1448/3 2026-08-16\n1448/13 2026-08-01\n2500/1 3030-01-01\n1447/11 2026-04-19\n' \
    >"$XDG_CONFIG_HOME/tarvand/hijri"
check 0 "1448/01/10 $(printf '\u0639\u0627\u0634\u0648\u0631\u0627\u06CC \u062D\u0633\u06CC\u0646\u06CC')" \
    "$p: cannot read '$work/hijri.d/dir': a folder, not a file
$p: cannot read '$work/hijri.d/fifo': a named pipe, not a regular file
$p: cannot read '$work/hijri.d/zero': a device, not a regular file
$p: $XDG_CONFIG_HOME/tarvand/hijri:2: month 1448/2 would be 31 days long, not 29 or 30
$p: $XDG_CONFIG_HOME/tarvand/hijri:3: there is no Hijri month 1448/13 from 1213 to 3092
$p: $XDG_CONFIG_HOME/tarvand/hijri:4: month 2500/1 is expected to begin on 3047-02-19, not 3030-01-01 (two days either way at the most)
$p: $XDG_CONFIG_HOME/tarvand/hijri:5: month 1447/11 began on 2026-04-20 at $work/hijri.d/1405:1; this line's 2026-04-19 counts instead" \
    -d 2026-06-26 '+%L/%J/%i %o'
rm -r "$work/hijri.d"
# A month that began before the first day the Solar calendar converts can be set too.
printf '1213/10 1799-03-09\n' >"$XDG_CONFIG_HOME/tarvand/hijri"
check 0 '1213/10/13' '' -d 1799-03-21 +%L/%J/%i
rm "$XDG_CONFIG_HOME/tarvand/hijri"
# Hijri dates read: marked AH, named (Latin or Persian letters, any start of one month's name),
# plain with -H; one in a predicted month noted on stderr but for -q; months after it counted
# Solar; a month file's start followed.
noted() { printf "$p: %snote: '%s' is in a Hijri month not yet seen: its day is estimated" "$@"; }
check 0 1405/04/04 "$(noted '' '10 Muharram 1448')" -d '10 Muharram 1448' +%Y/%m/%d
check 0 1405/04/04 "$(noted '' '1448/01/10 AH')" -d '1448/01/10 AH'
check 0 1405/04/04 '' -q -d '۱۰ محرم ۱۴۴۸'
check 0 1405/04/04 '' --quiet --hijri -d 1448/1/10
check 0 2026-06-25 '' -q -H -g -d 1448/01/10
check 0 1404/11/30 '' -d '1 ramaDAN 1447'
check 0 '1404/06/03 1404/06/03 1404/06/03' '' -d "1 Rabi' al-awwal 1447" \
    '+%Y/%m/%d %Y/%m/%d %Y/%m/%d'
check 0 1404/06/03 '' -d '1 rabi al awwal 1447'
check 0 1404/06/03 '' -d "$(printf '1 \u0631\u0628\u064A\u0639\u200C\u0627\u0644\u0627\u0648\u0644 1447')"
check 0 1404/12/29 '' -d '1 Ramadan 1447 +1 month'
check 0 1404/11/30 '' -d '1 Ram 1447'
check 2 '' "$p: invalid date '1 rabi 1447': ambiguous month 'rabi': Rabi' al-awwal or Rabi' al-thani" \
    -d '1 rabi 1447'
check 2 '' "$p: invalid date '30 Ramadan 1446': Ramadan 1446 has 29 days" -d '30 Ramadan 1446'
# A 30th where 29 days are only predicted: the day after the 29th, noted as estimated.
# A file of CR LF lines: its lines said without the CR.
input=$'1448/01/10 AH\r\nx\r\n' check 1 1405/04/04 "$(noted 'standard input:1: ' '1448/01/10 AH')
$p: standard input:2: invalid date 'x': unknown word 'x'" -f -
input=$'30 Safar 1448\n1447/12/30 AH\n' check 0 $'1405/05/23\n1405/03/26' \
    "$(noted 'standard input:1: ' '30 Safar 1448')
$(noted 'standard input:2: ' '1447/12/30 AH')" -f -
check 2 '' "$p: invalid date '10 Muharram': no year after the Hijri month 'Muharram'" -d '10 Muharram'
# The spellings people write, and those the programs print, read back; what is wrong named.
while IFS='|' read -r written out said; do
    check "$([ -n "$out" ] && echo 0 || echo 2)" "$out" "${said:+$p: invalid date '$written': $said}" \
        -q -d "$written"
done <<'TABLE'
10 محرّم 1448|1405/04/04|
1 جمادی‌الاولی 1448|1405/07/21|
1 ذو الحجة 1447|1405/02/28|
1 ذیقعده 1447|1405/01/30|
1 Dhu Q 1447|1405/01/30|
1 Rab II 1448|1405/06/22|
1 Jum II 1448|1405/08/20|
10 Ramazan 1447|1404/12/09|
10 Shaʿban 1447|1404/11/10|
10 Dhul-Hijjah 1447|1405/03/06|
10 Muharram 01448|1405/04/04|
1448/01/10 هـ.ق|1405/04/04|
1448/01/10 A.H.|1405/04/04|
1448/01/10 12:00 AH|1405/04/04|
10 Muharram 1448 AH|1405/04/04|
4 Tir 1405|1405/04/04|
۴ تیر ۱۴۰۵|1405/04/04|
10 Sha 1447|1404/11/10|
10 Muharam 1448||unknown month 'Muharam'; near it: Muharram
10 rabi al 1448||ambiguous month 'rabi al': Rabi' al-awwal or Rabi' al-thani
10 Muharram 99999999999||year '99999999999' of the Hijri month 'Muharram' is not one of 1 to 9999
10 Muharram -1448||year '-1448' of the Hijri month 'Muharram' is not one of 1 to 9999
1448/01/10 AH 1448/01/11||a second date '1448/01/11'
2025-03-20 10 Muharram 1448||a second date '10 Muharram 1448'
2025-03-20 AH||'AH' marks no date written YYYY/MM/DD
10 محرمی 1448||unknown month 'محرمی'; near it: Muharram
2025-03-20 سلام||unknown word 'سلام'
TABLE
check 2 '' "$p: invalid date '1448/13/01 AH': there is no month 13" -d '1448/13/01 AH'
check 2 '' "$p: date '3100/01/01 AH' is outside 1213/10/14 to 3092/09/24 AH, the Hijri days that can be converted" \
    -d '3100/01/01 AH'
check 2 '' "$p: invalid date '1448-01-10' (expected YYYY/MM/DD)" -H -d 1448-01-10
input=$'1448/01/10\n1447/09/01\nx\n' check 1 $'1405/04/04\n1404/11/30' "$(noted 'standard input:1: ' 1448/01/10)
$p: standard input:3: invalid date 'x': unknown word 'x'" -H -f -
printf '1448/01 2026-06-17\n' >"$XDG_CONFIG_HOME/tarvand/hijri"
check 0 1405/04/05 '' -d '10 Muharram 1448'
rm "$XDG_CONFIG_HOME/tarvand/hijri"
# Every day of 1178 to 3000 there and back: its Hijri date written, and read again with -H.
python3 -c 'import datetime as d
day, last = d.date(1799, 3, 21), d.date(3622, 3, 20)
while day <= last:
    print(day)
    day += d.timedelta(1)' >"$work/days"
"$program" -f "$work/days" '+%Y/%m/%d %L/%J/%i' >"$work/both"
cut -d ' ' -f 2 "$work/both" | "$program" -q -H -f - +%Y/%m/%d >"$work/back"
cut -d ' ' -f 1 "$work/both" | cmp -s - "$work/back" ||
    fail "Hijri dates there and back: $(cut -d ' ' -f 1 "$work/both" | diff - "$work/back" | head -n 4)"
# Plain dates, which take a short way, write what the general reader writes (a mark before a line
# sends it there), every day: Gregorian ones, Solar ones with -g, and in Persian through a format.
"$program" -f "$work/days" >"$work/solar"
"$program" -g -f "$work/solar" >"$work/gregorian"
awk 'NR % 7 == 0' "$work/days" >"$work/some"
for run in "solar days" "gregorian solar -g" "persian some -p +%A_%-d_%B_%Y"; do
    read -r name file arguments <<<"$run"
    # shellcheck disable=SC2086
    "$program" -f "$work/$file" $arguments >"$work/short"
    # shellcheck disable=SC2086
    sed 's/^/\xe2\x80\x8e/' "$work/$file" | "$program" -f - $arguments | cmp -s - "$work/short" &&
        [ "$(wc -l <"$work/short")" = "$(wc -l <"$work/$file")" ] || fail "plain dates the short way: $name"
done
cmp -s "$work/days" "$work/gregorian" || fail "plain dates there and back"
[ "$(wc -l <"$work/back"):$(head -n 1 "$work/both"):$(tail -n 1 "$work/both")" = \
    "665837:1178/01/01 1213/10/14:3000/12/30 3092/09/24" ] ||
    fail "the days there and back: $(wc -l <"$work/back") from $(head -n 1 "$work/both")"
[ "$("$program" --holidays 1404 | head -n 2)" = "1404/01/01	$nowruz
1404/01/02	$(printf '\u0639\u06CC\u062F\u0646\u0648\u0631\u0648\u0632')" ] || fail "--holidays 1404"
[ "$("$program" --holidays 1404 | wc -l):$("$program" --holidays 1405 | grep -c ' \*$')" = "28:16" ] ||
    fail "a year's holidays: 28 in 1404, 16 estimated in 1405"
"$program" -p --holidays ۱۴۰۴ | head -n 1 | grep -q '^۱۴۰۴/۰۱/۰۱	' || fail "--holidays in Persian digits"
check 2 '' "$p: invalid year '3001' for '--holidays' (1178 to 3000) $see" --holidays 3001
check 2 '' "$p: --holidays cannot be used with other dates or output formats $see" --holidays 1404 +%Y
check 2 '' "$p: --holidays cannot be used with other dates or output formats $see" --holidays 1404 -l 1
check 2 '' "$p: --holidays cannot be used with other dates or output formats $see" --holidays 1404 -a
check 2 '' "$p: --reference cannot be used with --date or --file $see" -r "$work/stamped" -f -
[ "$("$program" --holidays 1178 | head -n 1):$("$program" --holidays 3000 | tail -n 1 | cut -f1)" = \
    "1178/01/01	$nowruz:3000/12/30" ] || fail "--holidays at the range's ends"
# In Persian, as gettext chooses the language: --help, a bad option, a bad date and a bad data
# file line say no English sentence; in the C locale LANGUAGE is not looked at, and the output
# scripts read does not change with the language.
[ -n "${TARVAND_LOCALEDIR:-}" ] || fail "TARVAND_LOCALEDIR names no catalogues"
in_persian() { LANGUAGE=fa LC_ALL=C.UTF-8 "$program" "$@" 2>&1; }
for arguments in --help --bogus "-d 2025-02-30" "-d 1448/13/01 AH" "-l 9" "-d tomorow" "-g -d 1404/12/30" \
    "-f /nonexistent" "-r /nonexistent" "-f /"; do
    # shellcheck disable=SC2086
    in_persian $arguments | /usr/bin/python3 "$(dirname "$0")/no_english.py" >"$work/said" ||
        fail "LANGUAGE=fa $p $arguments: $(cat "$work/said")"
done
printf 'x\n' | LANGUAGE=fa LC_ALL=C.UTF-8 "$program" -f - 2>&1 |
    /usr/bin/python3 "$(dirname "$0")/no_english.py" >"$work/said" ||
    fail "LANGUAGE=fa, a bad line of standard input: $(cat "$work/said")"
mkdir -p "$XDG_CONFIG_HOME/tarvand"
printf '1448/x 2026-06-17\n1448/2 2026-08-16\n2500/1 3030-01-01\n1448/13 2026-06-17\n' \
    >"$XDG_CONFIG_HOME/tarvand/hijri"
mkdir -p "$work/hijri.d/dir"
[ "$(LANGUAGE=fa LC_ALL=C.UTF-8 "$program" -d 2026-06-25 +%L 2>"$work/err")" = 1448 ] &&
    [ "$(wc -l <"$work/err")" = 5 ] &&
    /usr/bin/python3 "$(dirname "$0")/no_english.py" <"$work/err" >"$work/said" ||
    fail "LANGUAGE=fa, bad lines of a month file: $(cat "$work/said" "$work/err")"
# The file and line first, a left-to-right isolate; a name inside the sentence quoted.
[ "$(grep -c "^$p: ⁧⁦$XDG_CONFIG_HOME/tarvand/hijri:[1-4]⁩: " "$work/err")" = 4 ] &&
    grep -q "«⁨$work/hijri.d/dir⁩»" "$work/err" || fail "LANGUAGE=fa, the files named" "$(cat "$work/err")"
rm -r "$XDG_CONFIG_HOME/tarvand/hijri" "$work/hijri.d"
# The message a right-to-left isolate after the program's name: a bidi terminal shows the name,
# then the sentence right to left.
[ "$(in_persian --bogus)" = "$p: ⁧گزینهٔ ناشناخته «⁨--bogus⁩» (نگاه کنید به «⁦$p --help⁩»)⁩" ] ||
    fail "LANGUAGE=fa --bogus: $(in_persian --bogus)"
# On a terminal with bidi (fribidi draws as it does), --help and each message read in order: the
# option column and the program's name at the left, each Persian part right to left as a whole,
# every option, file and date as written.
printf '2025-02-30\n1448/13/01\nfoo\n' >"$work/bad lines"
{
    in_persian --help
    for arguments in "-d foo" "-d 2025-02-30" "-H -d 1448/02/30" "-d 1800-01-01" "-l 7" "+%Q" \
        "-d 10-rajab" "--bogus" "-x" "--date" "-f /nonexistent" "-f /" "-d 3700-01-01" \
        "--holidays=5000" "-r /nope" "-g -d 1404/13/01" "-d @abc" "-d 2025-03-20T25:00"; do
        # shellcheck disable=SC2086
        LANGUAGE=fa LC_ALL=C.UTF-8 "$program" $arguments 2>&1 >/dev/null
    done
    for moment in "1 Ra 1448" "10 rabi al 1448" "2025-03-20 +3 dayz" "1405/04/04 +2 fortnights"; do
        LANGUAGE=fa LC_ALL=C.UTF-8 "$program" -d "$moment" 2>&1 >/dev/null
    done
    LANGUAGE=fa LC_ALL=C.UTF-8 "$program" -f "$work/bad lines" 2>&1 >/dev/null
} | /usr/bin/python3 "$(dirname "$0")/reads_in_order.py" >"$work/said" 2>&1 ||
    fail "LANGUAGE=fa, out of order under bidi: $(cat "$work/said")"
[ "$(LANGUAGE=fa LC_ALL=C "$program" --bogus 2>&1)" = "$p: unrecognized option '--bogus' $see" ] ||
    fail "LANGUAGE=fa in the C locale is English"
[ "$(in_persian -a -d 2011-03-02)" = "$("$program" -a -d 2011-03-02)" ] &&
    [ "$(in_persian -g -d 1403/12/30)" = 2025-03-20 ] || fail "the output changed with the language"

# On a terminal that reorders right-to-left text (fribidi shows what it draws), the Persian
# --help keeps its option column at the left, as written.
in_persian --help >"$work/logical"
fribidi --nopad --nobreak <"$work/logical" >"$work/visual"
[ "$(wc -l <"$work/visual")" = "$(wc -l <"$work/logical")" ] || fail "fribidi showed nothing to compare"
/usr/bin/python3 - "$work/logical" "$work/visual" <<'PYTHON' || fail "the option column under bidi"
import re, sys
logical = open(sys.argv[1]).read().splitlines()
visual = [l.replace("\u200e", "") for l in open(sys.argv[2]).read().splitlines()]
# each option line: the option as written, up to the blanks before its description
options = [(re.match(r"  -\S*(?:,? \S+)*", l[1:]).group(), v)
           for l, v in zip(logical, visual) if l.startswith("\u200e  -")]
bad = [v for option, v in options if not v.startswith(option)]
if len(options) < 10 or bad:
    sys.exit("%d option lines; out of place: %s" % (len(options), bad))
PYTHON
# Within 80 columns in Persian too, the marks that take none not counted.
LANGUAGE=fa LC_ALL=C.UTF-8 "$program" --help | /usr/bin/python3 -c '
import sys
wide = [l for l in sys.stdin.read().splitlines()
        if sum(c not in "\u200c\u200e\u200f\u2066\u2067\u2068\u2069" for c in l) > 80]
print("\n".join(wide))
sys.exit(1 if wide else 0)' >"$work/said" || fail "the Persian --help passes 80 columns: $(cat "$work/said")"
