#!/usr/bin/env bash
# tarvand-cal as a real program: whole grids as text, the order a bidirectional terminal shows,
# colour only where asked for, and the refusals.
source "$(dirname "$0")/../checks.sh"
export LC_ALL=C.UTF-8 XDG_CONFIG_HOME=$work/config TARVAND_HOLIDAYS_DIR=$work/holidays.d \
    TARVAND_HIJRI_DIR=$work/hijri.d
unset NO_COLOR
program=$1

# grid EXPECTED [ARGUMENT...]: the program prints exactly EXPECTED (after a newline) and status 0,
# the grid alone.
grid() {
    local expected=$1 got
    shift
    got=$("$program" --no-events "$@" 2>&1)
    [ "$?:$got" = "0:${expected#$'\n'}" ] || fail "tarvand-cal $*" "$got"
}
grid "
Azar 1404 · Nov–Dec 2025
    Jum II 1447
Sh Ye Do Se Ch Pa Jo
 1  2  3  4  5  6  7
 8  9 10 11 12 13 14
15 16 17 18 19 20 21
22 23 24 25 26 27 28
29 30" 9 1404
grid "
  Esfand 1403 · Feb–Mar 2025
         Sha–Ram 1446
    Sh  Ye  Do  Se  Ch  Pa  Jo
49                 337 338 339
50 340 341 342 343 344 345 346
51 347 348 349 350 351 352 353
52 354 355 356 357 358 359 360
53 361 362 363 364 365 366" -j -w esf 1403
lrm=$'\u200e'
grid "
$lrmفروردین ۱۴۰۴، مارس–آوریل ۲۰۲۵
$lrm  رمضان–شوال ۱۴۴۶
$lrm ش$lrm  ی$lrm  د$lrm  س$lrm  چ$lrm  پ$lrm  ج
$lrm                   ۱
$lrm ۲  ۳  ۴  ۵  ۶  ۷  ۸
$lrm ۹ ۱۰ ۱۱ ۱۲ ۱۳ ۱۴ ۱۵
$lrm۱۶ ۱۷ ۱۸ ۱۹ ۲۰ ۲۱ ۲۲
$lrm۲۳ ۲۴ ۲۵ ۲۶ ۲۷ ۲۸ ۲۹
$lrm۳۰ ۳۱" -p 1 1404
grid "$(cat "$(dirname "$0")/cal-1404.txt")" -y 1404
[ "$("$program" -3 dey 1404 | head -n 3)" = "     Azar 1404              Dey 1404            Bahman 1404
    Nov–Dec 2025       Dec 2025–Jan 2026        Jan–Feb 2026
    Jum II 1447             Raj 1447            Sha–Ram 1447" ] || fail "tarvand-cal -3 dey 1404"
[ "$(LC_ALL=fa_IR.UTF-8 "$program" 1 1404)" = "$("$program" -p 1 1404)" ] || fail "a Persian locale"
# Every view within 80 columns (three months with -j would pass it: two a row, as cal does); ASCII
# punctuation where the locale has no UTF-8; months cut at the calendar's ends said on stderr.
for view in "-y -j" "-3 -j" "-y -j -w" "-3 -j -w" "-y -w" "-3 -w -p"; do
    # shellcheck disable=SC2086
    widest=$("$program" $view 1404 | python3 -c 'import sys; print(max(len(l.rstrip().replace("\u200e", "")) for l in sys.stdin))')
    [ "$widest" -le 80 ] || fail "tarvand-cal $view 1404: $widest columns"
done
[ "$("$program" -3 -j 1 1404 | grep -c 'Farvardin 1404\|Ordibehesht 1404')" = 2 ] || fail "two months a row"
[ "$(LC_ALL=C "$program" --no-events 9 1404 | head -n 1)" = "Azar 1404 - Nov-Dec 2025" ] || fail "ASCII in the C locale"
[ "$(LC_ALL=en_US.utf8 "$program" --no-events 9 1404 | head -n 1)" = "Azar 1404 · Nov–Dec 2025" ] ||
    fail "UTF-8 punctuation in a locale spelled .utf8"
[ "$("$program" 1 1178 2>&1 >/dev/null):$?" = ":0" ] || fail "tarvand-cal 1 1178 cuts nothing"
[ "$("$program" -3 1 1178 2>&1 >/dev/null):$?" = "tarvand-cal: the months before Farvardin 1178 are outside the calendar: 1 not shown:0" ] ||
    fail "tarvand-cal -3 1 1178 says what was cut"
[ "$("$program" -n 3 12 3000 2>&1 >/dev/null)" = "tarvand-cal: the months after Esfand 3000 are outside the calendar: 2 not shown" ] ||
    fail "tarvand-cal -n 3 12 3000 says what was cut"

# On a terminal that reorders right-to-left text (fribidi shows what it draws), the days and the
# weekday letters stay where they are, and each month's header stays over its month.
"$program" -p -3 1 1405 >"$work/logical"
fribidi --nopad --nobreak <"$work/logical" >"$work/visual"
[ -s "$work/visual" ] && [ "$(wc -l <"$work/visual")" = "$(wc -l <"$work/logical")" ] ||
    fail "fribidi showed nothing to compare"
python3 - "$work/logical" "$work/visual" <<'PYTHON' || fail "bidi order" "$(cat "$work/visual")"
import re, sys, unicodedata
logical = open(sys.argv[1]).read().replace("\u200e", "").splitlines()
# fribidi draws lam-alef as one glyph and a zero-width filler, which NFKC turns back into two letters
visual = [unicodedata.normalize("NFKC", l).replace("\u200e", "").replace("\ufeff", "")
          for l in open(sys.argv[2]).read().splitlines()]
# where a header's phrases stand: each run of characters and single blanks as x
place = lambda line: re.sub(r"\S( \S|\S)*", lambda m: "x" * len(m.group()), line)
for i, (l, v) in enumerate(zip(logical, visual)):
    # rows of days and weekday letters are drawn as written; in the headers and the list under
    # the grid, letters, digits and blanks keep their columns (each phrase reads right to left
    # within its own place: the month before the name, the * after it)
    if (v != l if 3 <= i < 10 else place(v) != place(l)):
        sys.exit(f"line {i + 1}: {v!r} for {l!r}")
PYTHON

# In Persian, Dhu al-Qa'dah and Dhu al-Hijjah as Iran writes them short, the non-joiner taking no
# column of the centred header; and a holiday's digits as the dates beside it.
[ "$("$program" -p 2 1405 | sed -n 2p)" = $'\u200e \u0630\u06cc\u200c\u0642\u0639\u062f\u0647\u2013\u0630\u06cc\u200c\u062d\u062c\u0647 \u06f1\u06f4\u06f4\u06f7' ] ||
    fail "the Hijri months of a Persian header: $("$program" -p 2 1405 | sed -n 2p)"
"$program" -p 3 1405 | grep -q $'\u0642\u06cc\u0627\u0645 \u06f1\u06f5 \u062e\u0631\u062f\u0627\u062f' ||
    fail "a holiday's digits in Persian: $("$program" -p 3 1405 | tail -n 4)"

# Colour: today (here the day of --date) in reverse video and Fridays in red, on a terminal or
# when asked; never into a pipe, nor with NO_COLOR set.
"$program" --color=always -d 2025-03-21 | grep -qF $'\e[7m\e[31m1\e[39m\e[27m' || fail "--color=always"
# Holidays red on days that are not Fridays (2 to 4 Farvardin 1404: Saturday to Monday), the
# days after them not.
"$program" --color=always --no-events 1 1404 | grep -qxF $' \e[31m2\e[39m  \e[31m3\e[39m  \e[31m4\e[39m  5  6  7  \e[31m8\e[39m' ||
    fail "Nowruz holidays red"
"$program" | grep -q $'\e' && fail "colour into a pipe"
script -qec "$program -d 2025-03-25" /dev/null | grep -qF $'\e[7m5\e[27m' || fail "colour on a terminal"
NO_COLOR=1 script -qec "$program" /dev/null | grep -q $'\e' && fail "colour with NO_COLOR"

# Refusals: one line naming what is wrong and the accepted forms, status 2, nothing on stdout.
forms="(expected [[MONTH] YEAR]: MONTH 1 to 12 or a month name, YEAR 1178 to 3000)"
hijri_forms="(expected MONTH YEAR: MONTH 1 to 12 or a Hijri month's name, YEAR 1213 to 3092)"
while IFS='|' read -r arguments message; do
    # shellcheck disable=SC2086
    out=$("$program" $arguments 2>"$work/err")
    status=$?
    [ "$status:$out:$(cat "$work/err")" = "2::tarvand-cal: $message" ] ||
        fail "tarvand-cal $arguments" "status $status, out: $out" "err: $(cat "$work/err")"
done <<TABLE
13 1404|there is no month 13 $forms
0 1404|there is no month 0 $forms
zzz 1404|unknown month 'zzz' $forms
m 1404|ambiguous month 'm': Mordad, Mehr or Mizan $forms
mehr 3001|year '3001' is outside the years that can be shown $forms
1177|year '1177' is outside the years that can be shown $forms
1404 1405|two years given, '1404' and '1405' $forms
1 2 3|extra operand '3' $forms
-d 2025-02-29|invalid date '2025-02-29': February 2025 has 28 days
-g -d 1404/12/30|invalid date '1404/12/30': 1404 is a common year, Esfand has 29 days
--color=maybe|invalid argument 'maybe' for '--color' (expected auto, always or never) (see 'tarvand-cal --help')
-n 0|invalid number of months '0' (see 'tarvand-cal --help')
--ics=1405-1404|invalid range '1405-1404' for '--ics' (expected YEAR or YEAR-YEAR, 1178 to 3000) (see 'tarvand-cal --help')
ra 1448|ambiguous month 'ra': Rabi' al-awwal, Rabi' al-thani, Rajab or Ramadan $forms
-H 1448|a Hijri YEAR needs its MONTH (expected MONTH YEAR: 1 to 12 or a Hijri month's name, and a Hijri year)
-H 1 3093|Hijri year '3093' is outside 1213 to 3092
-H 1 1213|Hijri month 1213/1 is outside the months that can be shown (1213/10 to 3092/9)
-H 10 3092|Hijri month 3092/10 is outside the months that can be shown (1213/10 to 3092/9)
-H 13 1448|there is no month 13 $hijri_forms
-H 1 99999999999|invalid year '99999999999' $hijri_forms
-H -3 1 1448|--hijri shows one Hijri month; it cannot be used with --ics, --date, -3, -n or -y (see 'tarvand-cal --help')
-3 muharram 1448|a Hijri month such as 'muharram' is shown alone; it cannot be used with --ics, --date, -3, -n or -y (see 'tarvand-cal --help')
TABLE
# The Hijri months at the calendar's ends, by their days within it.
[ "$("$program" --no-events -H 10 1213 | tail -n 1):$("$program" --no-events -H 9 3092 | tail -n 1)" = \
    "Shawwal 1213: 1178/01/01 to 1178/01/17, 30 days, estimated:Ramadan 3092: 3000/12/07 to 3000/12/30, 30 days, estimated" ] ||
    fail "-H at the calendar's ends" "$("$program" --no-events -H 10 1213 2>&1 | tail -n 1)"
# A Hijri month: the Solar months that hold it, its days marked in colour and said under the grids;
# its name alone is enough, Latin or Persian, and a month file's start is followed.
grid "
    Khordad 1405            Tir 1405
    May–Jun 2026          Jun–Jul 2026
Dhu H 1447–Muh 1448       Muh–Saf 1448
Sh Ye Do Se Ch Pa Jo  Sh Ye Do Se Ch Pa Jo
                   1         1  2  3  4  5
 2  3  4  5  6  7  8   6  7  8  9 10 11 12
 9 10 11 12 13 14 15  13 14 15 16 17 18 19
16 17 18 19 20 21 22  20 21 22 23 24 25 26
23 24 25 26 27 28 29  27 28 29 30 31
30 31

Muharram 1448: 1405/03/26 to 1405/04/24, 30 days, estimated" muharram 1448
[ "$("$program" --no-events -H 1 1448)" = "$("$program" --no-events Muh 1448)" ] || fail "-H 1 1448"
[ "$("$program" --no-events -H 9 1447 | tail -n 1)" = "Ramadan 1447: 1404/11/30 to 1404/12/29, 30 days" ] ||
    fail "-H 9 1447, a month on record"
[ "$("$program" --no-events -p محرم ۱۴۴۸ | tail -n 1)" = \
    "$lrmمحرم ۱۴۴۸$lrm: ۱۴۰۵/۰۳/۲۶ تا$lrm ۱۴۰۵/۰۴/۲۴، ۳۰ روز$lrm، تخمینی$lrm" ] || fail "محرم ۱۴۴۸"
marked=$("$program" --color=always --no-events muharram 1448 | grep -o $'\e\[7m' | wc -l)
[ "$marked" = 30 ] || fail "Muharram 1448: $marked days marked, not 30"
mkdir -p "$XDG_CONFIG_HOME/tarvand"
printf '1448/01 2026-06-17\n1448/02 2026-07-16\n' >"$XDG_CONFIG_HOME/tarvand/hijri"
[ "$("$program" --no-events muharram 1448 | tail -n 1)" = "Muharram 1448: 1405/03/27 to 1405/04/24, 29 days" ] ||
    fail "Muharram 1448 as a month file has it: $("$program" --no-events muharram 1448 | tail -n 1)"
rm "$XDG_CONFIG_HOME/tarvand/hijri"
# The last of -y and -3 wins, even with a YEAR alone; month names in any case.
[ "$("$program" -y -3 1404 | head -n 1)" = "    Esfand 1403          Farvardin 1404       Ordibehesht 1404" ] || fail "-y -3 1404"
[ "$("$program" -3 -y 1404 | head -n 1 | tr -s ' ')" = " 1404 · 2025–2026 · 1446–1447" ] || fail "-3 -y 1404"
[ "$("$program" azar 1404)" = "$("$program" AZAR 1404)" ] && "$program" AZAR 1404 | grep -q '^Azar 1404' ||
    fail "month names in any case"

# Holidays and events. Under the grid, the shown months' holidays: Solar ones computed, lunar ones
# on their Hijri days, estimated (*) after the record; the administrator's corrections replace a
# day's holidays and move an estimate, the user's events follow; a bad line is named and the
# others still count. 30 Esfand falls on 29 Esfand in common years.
mkdir -p "$XDG_CONFIG_HOME/tarvand" "$TARVAND_HOLIDAYS_DIR"
printf '2026-06-24\tlunar\tconfirmed\tAshura\tA\nnot a holiday\n' >"$TARVAND_HOLIDAYS_DIR/10-sighted"
printf '2026-07-04\tspecial\testimated\tDay off\t\n' >"$XDG_CONFIG_HOME/tarvand/holidays"
printf '12/30 Leap-day party, with friends; bring cake\n۰۶/۳۱\tEnd of summer\n1405/04/10 Once\n13/01 x\n' \
    >"$XDG_CONFIG_HOME/tarvand/events"
list() { grep -E '^.?[ 0-9][0-9] [A-Z]'; }  # the lines of the list
got=$("$program" 4 1405 2>"$work/err" | list)
[ "$got" = " 3 Tir  Tasua *
 3 Tir  Ashura
10 Tir  Once
13 Tir  Day off *" ] || fail "Tir 1405 with corrections and events" "$got"
[ "$("$program" 4 1405 2>/dev/null | tail -n 1)" = "* estimated" ] || fail "the legend of *"
"$program" -p 4 1405 2>/dev/null | grep -qF "  Day off$lrm *" || fail "a holiday named in English only, in Persian"
# In colour, holidays in the list are red and the user's events are not.
"$program" --color=always 4 1405 2>/dev/null | grep -qxF $'10 Tir  Once' &&
    "$program" --color=always 4 1405 2>/dev/null | grep -qF $'\e[31mTasua *\e[39m' || fail "red holidays, plain events"
[ "$(cat "$work/err")" = "tarvand-cal: $TARVAND_HOLIDAYS_DIR/10-sighted:2: expected five fields (date, kind, status, English and Persian names, one tab apart)
tarvand-cal: $XDG_CONFIG_HOME/tarvand/events:4: invalid date '13/01': there is no month 13" ] ||
    fail "messages for bad lines" "$(cat "$work/err")"
[ "$("$program" 1 1404 2>/dev/null | list)" = " 1 Farvardin  Nowruz
 2 Farvardin  Nowruz Holiday
 2 Farvardin  Martyrdom of Imam Ali
 3 Farvardin  Nowruz Holiday
 4 Farvardin  Nowruz Holiday
11 Farvardin  Eid al-Fitr
12 Farvardin  Islamic Republic Day
12 Farvardin  Eid al-Fitr Holiday
13 Farvardin  Nature's Day" ] || fail "Farvardin 1404's holidays"
# A correction on a day of other holidays stands beside them (Eid al-Fitr 1446 on 29 Esfand 1403).
printf '2025-03-19\tlunar\tconfirmed\tEid al-Fitr\tF\n' >"$TARVAND_HOLIDAYS_DIR/20-fitr"
"$program" 12 1403 2>/dev/null | list | grep -c '^29 Esfand  \(Iranian Oil\|Eid al-Fitr$\)' | grep -qx 2 ||
    fail "a correction beside the day's other holiday"
rm "$TARVAND_HOLIDAYS_DIR/20-fitr"
# Hostile files: a folder, a named pipe and a device where files belong, a link in a loop or to
# nothing, a file of more than 1 MiB (one of exactly 1 MiB is read), control characters (C0 and
# C1, not the no-break space after them) and bytes that are not UTF-8 in a text: each said, none
# waited on, the grid still drawn, status 0.
hostile=$work/hostile
mkdir -p "$hostile/tarvand/events" "$hostile/loops" "$hostile/d"
mkfifo "$hostile/tarvand/holidays"
ln -s /dev/zero "$hostile/tarvand/hijri"
ln -s b "$hostile/loops/a" && ln -s a "$hostile/loops/b" && ln -s nowhere "$hostile/loops/c"
head -c 1048577 /dev/zero | tr '\0' '#' >"$hostile/d/big"
limit=$'2026-03-25\tspecial\tconfirmed\tAt the limit\t\n'
{ head -c $((1048576 - ${#limit} - 1)) /dev/zero | tr '\0' '#'; printf '\n%s' "$limit"; } >"$hostile/d/exact"
printf '2026-03-22\tsolar\tconfirmed\tred\033[31m\tx\n2026-03-23\tspecial\tconfirmed\t\xc0\xaf\t\n' >"$hostile/d/bad"
printf '2026-03-22\tspecial\tconfirmed\t\u0080\t\n2026-03-23\tspecial\tconfirmed\t\u009f\t\n2026-03-24\tspecial\tconfirmed\tNo\u00a0break\t\n' >"$hostile/d/c1"
printf '2026-03-26\tspecial\tconfirmed\ta\u202eb\t\n2026-03-26\tspecial\tconfirmed\ta\u2069b\t\n2026-03-26\tspecial\tconfirmed\ta\u2028b\t\n2026-03-26\tspecial\tconfirmed\ta\u200fb\t\n2026-03-26\tspecial\tconfirmed\ta\U000e0041b\t\n2026-03-26\tspecial\tconfirmed\t\u0645\u06cc\u200c\u0634\u0648\u062f\t\n' >"$hostile/d/c2"
out=$(XDG_CONFIG_HOME=$hostile TARVAND_HOLIDAYS_DIR=$hostile/loops timeout 10 "$program" 1 1405 2>"$work/err")
status=$?
[ "$status" = 0 ] && [ "$(printf '%s\n' "$out" | grep -c 'Farvardin 1405')" = 1 ] &&
    [ "$(sort "$work/err")" = "$(sort <<MESSAGES
tarvand-cal: cannot read '$hostile/loops/a': Too many levels of symbolic links
tarvand-cal: cannot read '$hostile/loops/b': Too many levels of symbolic links
tarvand-cal: cannot read '$hostile/loops/c': a link to nothing
tarvand-cal: cannot read '$hostile/tarvand/events': a folder, not a file
tarvand-cal: cannot read '$hostile/tarvand/hijri': a device, not a regular file
tarvand-cal: cannot read '$hostile/tarvand/holidays': a named pipe, not a regular file
MESSAGES
)" ] || fail "hostile files in place of the user's" "status $status" "$(cat "$work/err")"
out=$(XDG_CONFIG_HOME=$work/none TARVAND_HOLIDAYS_DIR=$hostile/d timeout 10 "$program" 1 1405 2>"$work/err")
[ "$(cat "$work/err")" = "tarvand-cal: $hostile/d/bad:1: a control character or bytes that are not UTF-8 in the name 'red\033[31m'
tarvand-cal: $hostile/d/bad:2: a control character or bytes that are not UTF-8 in the name '\300\257'
tarvand-cal: cannot read '$hostile/d/big': larger than 1 MiB
tarvand-cal: $hostile/d/c1:1: a control character or bytes that are not UTF-8 in the name '\302\200'
tarvand-cal: $hostile/d/c1:2: a control character or bytes that are not UTF-8 in the name '\302\237'
tarvand-cal: $hostile/d/c2:1: a control character or bytes that are not UTF-8 in the name 'a\u202Eb'
tarvand-cal: $hostile/d/c2:2: a control character or bytes that are not UTF-8 in the name 'a\u2069b'
tarvand-cal: $hostile/d/c2:3: a control character or bytes that are not UTF-8 in the name 'a\u2028b'
tarvand-cal: $hostile/d/c2:4: a control character or bytes that are not UTF-8 in the name 'a\u200Fb'
tarvand-cal: $hostile/d/c2:5: a control character or bytes that are not UTF-8 in the name 'a\U000E0041b'" ] &&
    grep -qx ' 4 Farvardin  No'$'\u00a0''break' <<<"$out" && grep -qx ' 5 Farvardin  At the limit' <<<"$out" ||
    fail "hostile holiday files" "$(cat "$work/err")" "$out"
# A link to nothing in place of the user's own file is said, as inside a folder.
mkdir -p "$work/dangling/tarvand" && ln -s nowhere "$work/dangling/tarvand/events"
[ "$(XDG_CONFIG_HOME=$work/dangling TARVAND_HOLIDAYS_DIR=$work/none "$program" 1 1405 2>&1 >/dev/null)" = \
    "tarvand-cal: cannot read '$work/dangling/tarvand/events': a link to nothing" ] ||
    fail "a link to nothing as the user's events" "$(XDG_CONFIG_HOME=$work/dangling "$program" 1 1405 2>&1 >/dev/null)"
TARVAND_HOLIDAYS_DIR=$hostile/d/big "$program" 1 1405 2>&1 >/dev/null |
    grep -qx "tarvand-cal: cannot read '$hostile/d/big': not a folder" || fail "a file for the holiday folder"
# A correction's reach: an estimate 3 days away gives way, one 4 days away stays; a confirmed
# holiday of the same name nearby is never removed; byte order marks, backups (name~), a relative
# XDG_CONFIG_HOME (ignored, as the XDG base directories have it), day 0 and a holiday with a
# Persian name only.
files=$work/files
mkdir -p "$files/within" "$files/past" "$files/home/.config/tarvand" "$files/rel/tarvand"
printf '\xef\xbb\xbf2026-06-28\tlunar\tconfirmed\tAshura\tA\n' >"$files/within/a"
printf '2026-06-29\tlunar\tconfirmed\tAshura\tA\n2025-03-23\tsolar\tconfirmed\tNowruz Holiday\tN\n' >"$files/past/a"
printf '2026-07-02\tspecial\tconfirmed\tBackup\tB\n' >"$files/past/a~"
printf '2026-07-01\tspecial\tconfirmed\t\t\u067E\n' >"$files/past/b"
printf '\xef\xbb\xbf1405/04/11 From home\n05/00 Nothing\n' >"$files/home/.config/tarvand/events"
printf '1405/04/12 Relative\n' >"$files/rel/tarvand/events"
pe=$(printf '\u067E')
tir() { (cd "$files" && HOME=$files/home XDG_CONFIG_HOME=rel TARVAND_HOLIDAYS_DIR=$files/$1 "$program" "${@:2}" 2>"$work/err" | grep -E "Ashura|Nowruz Hol|Backup|From|Relative|$pe"); }
[ "$(tir within 4 1405)" = " 7 Tir  Ashura
11 Tir  From home" ] || fail "a correction within reach of an estimate" "$(tir within 4 1405)"
[ "$(cat "$work/err")" = "tarvand-cal: $files/home/.config/tarvand/events:2: invalid date '05/00': there is no day 0" ] ||
    fail "day 0 said" "$(cat "$work/err")"
[ "$(tir past 4 1405)" = " 4 Tir  Ashura *
 8 Tir  Ashura
10 Tir  $pe
11 Tir  From home" ] || fail "a correction past reach of an estimate" "$(tir past 4 1405)"
[ "$(tir past 1 1404 | grep -c 'Nowruz Holiday')" = 3 ] || fail "a correction beside the same holiday confirmed nearby"
for year in 1403 1404; do "$program" --no-events 12 "$year"; "$program" 12 "$year"; done 2>/dev/null |
    grep -c 'Leap-day' | grep -qx 2 || fail "30 Esfand's anniversary in a leap and a common year"
"$program" 12 1404 2>/dev/null | grep -qx '29 Esfand  Leap-day party, with friends; bring cake' ||
    fail "30 Esfand's anniversary on 29 Esfand in a common year"
"$program" --color=always -d 2026-06-22 2>/dev/null | grep -qF $'\e[31m\e[4m13\e[24m\e[39m' ||
    fail "an estimated holiday underlined"

# By default this Solar year and the next nine, each to its last day; a stamp in UTC whatever
# the zone.
ics=$(TZ=America/New_York on_clock '2026-12-07 12:00:00' "$program" --ics 2>/dev/null | tr -d '\r')
days=$(grep '^DTSTART' <<<"$ics" | sort -t: -k2 | sed 's/.*://')
[ "$(head -n 1 <<<"$days"):$(tail -n 1 <<<"$days" | cut -c1-4)" = "20260321:2036" ] &&
    [ "$(tail -n 1 <<<"$days")" -le 20360319 ] && grep -qx 'DTSTAMP:20261207T170000Z' <<<"$ics" ||
    fail "--ics: ten years from this one, stamped in UTC" "$(head -n 1 <<<"$days") $(tail -n 1 <<<"$days")"
# ics_on DAY [VARIABLE=VALUE...]: the summaries of --ics=1404's events on DAY (YYYYMMDD), in order.
ics_on() {
    env "${@:2}" "$program" --ics=1404 2>/dev/null | tr -d '\r' | awk -v day="$1" '
        /^DTSTART/ { sub(/.*:/, ""); on = $0 == day } /^SUMMARY:/ && on { print substr($0, 9) }'
}
# The span's last day is in it, with no event to hold it up; the day's holidays before its events.
[ "$(ics_on 20260320 XDG_CONFIG_HOME="$work/none" TARVAND_HOLIDAYS_DIR="$work/none")" = \
    "روز ملی شدن صنعت نفت ایران" ] && [ -z "$(ics_on 20260321)" ] ||
    fail "--ics=1404 ends on its last day" "$(ics_on 20260320 XDG_CONFIG_HOME="$work/none")"
[ "$(ics_on 20260320)" = "روز ملی شدن صنعت نفت ایران
Leap-day party\, with friends\; bring cake" ] || fail "--ics: holidays first" "$(ics_on 20260320)"
[ "$("$program" --ics=2999-3000 2>/dev/null | grep -c '^UID:holiday-nowruz-\(2999\|3000\)@')" = 2 ] ||
    fail "--ics=2999-3000 holds the calendar's last year"
# The iCalendar export, read back by a real parser: every event once, on its day, the texts whole
# after folding and escaping, lines of at most 75 octets; exported again after one of two
# same-text events is deleted and Eid al-Fitr 1446 gets a second day, every untouched event keeps
# its UID.
printf '1404/02/01 Twice\n1404/03/01 Twice\n1404/05/01 back\\slash, comma; semi\n' >>"$XDG_CONFIG_HOME/tarvand/events"
printf '1404/05/02 Thrice\n%.0s' 1 2 3 >>"$XDG_CONFIG_HOME/tarvand/events"
printf '2026-07-05\tspecial\tconfirmed\t\t\u067E\n' >>"$XDG_CONFIG_HOME/tarvand/holidays"
printf '2025-06-01\tspecial\tconfirmed\t%s\t\n' 'A, B' 'A B' 'A-B' >>"$XDG_CONFIG_HOME/tarvand/holidays"
"$program" --ics=1403-1405 >"$work/a.ics" 2>/dev/null
# Calendar applications key on the UIDs: a change of their text duplicates every event after an
# upgrade. A lunar holiday by its name and Hijri year, a Solar one by its Solar year, an event by a
# hash of its text (FNV-1a) and its day; copies on one day each get one of their own.
thrice=event-2f7ffdda353de304-14040502
for uid in holiday-isra-and-mi-raj-h1446 holiday-nature-s-day-1404 $thrice $thrice-20250724 \
    $thrice-20250724-2; do
    grep -qx "UID:$uid@tarvand"$'\r' "$work/a.ics" || fail "--ics: no UID $uid"
done
sed -i '/^1404\/02\/01 Twice/d' "$XDG_CONFIG_HOME/tarvand/events"
sed -i '/\tA, B\t/d' "$XDG_CONFIG_HOME/tarvand/holidays"
printf '2025-03-30\tlunar\tconfirmed\tEid al-Fitr\tF\n' >"$TARVAND_HOLIDAYS_DIR/20-fitr"
"$program" --ics=1403-1405 >"$work/b.ics" 2>/dev/null
rm "$TARVAND_HOLIDAYS_DIR/20-fitr"
/usr/bin/python3 - "$work/a.ics" "$work/b.ics" <<'PYTHON' || fail "--ics read back"
import sys, datetime, icalendar
raw = open(sys.argv[1], "rb").read()
events = icalendar.Calendar.from_ical(raw).walk("VEVENT")
again = icalendar.Calendar.from_ical(open(sys.argv[2], "rb").read()).walk("VEVENT")
key = lambda e: (e["DTSTART"].dt, str(e["SUMMARY"]))
before, after = ({key(e): str(e["UID"]) for e in export} for export in (events, again))
assert all(len({str(e["UID"]) for e in export}) == len(export) for export in (events, again)), "unique"
assert set(before) - set(after) == {(datetime.date(2025, 4, 21), "Twice"), (datetime.date(2025, 6, 1), "A, B")}, "deleted"
assert [k for k in after if k not in before] == [(datetime.date(2025, 3, 30), "F")], "the new day"
assert all(after[k] == uid for k, uid in before.items() if k in after), "UIDs kept"
# The bytes: every TEXT value escaped (backslash, comma, semicolon, newline), nothing else left.
import re
unfolded = raw.replace(b"\r\n ", b"").decode()
assert "SUMMARY:back\\\\slash\\, comma\\; semi\r\n" in unfolded, "escapes in a summary"
for line in unfolded.split("\r\n"):
    if line.startswith(("SUMMARY:", "DESCRIPTION:")):
        bare = re.sub(r"\\[\\,;nN]", "", line.split(":", 1)[1])
        assert not re.search(r"[\\,;\n\r]", bare), line
assert all(len(l) <= 75 for l in raw.split(b"\r\n")) and raw.endswith(b"END:VCALENDAR\r\n"), "lines"
on = lambda day, text: [e for e in events if e["DTSTART"].dt == day and str(e["SUMMARY"]) == text]
party = "Leap-day party, with friends; bring cake"
assert on(datetime.date(2025, 3, 20), party) and on(datetime.date(2026, 3, 20), party), "30 Esfand"
assert on(datetime.date(2025, 9, 22), "End of summer"), "31 Shahrivar"
assert on(datetime.date(2026, 7, 4), "Day off") and on(datetime.date(2026, 7, 5), "\u067E"), "one name"
long = "رحلت رسول اکرم؛شهادت امام حسن مجتبی علیه السلام"
assert on(datetime.date(2024, 9, 2), long), "a long Persian name"
tentative = [e for e in events if e["STATUS"] == "TENTATIVE"]
# the record ends with Shawwal 1447, whose 30th day (2026-04-19) would be the first predicted
assert tentative and all(e["DTSTART"].dt > datetime.date(2026, 4, 18) for e in tentative), "estimated"
assert all(e["DTEND"].dt - e["DTSTART"].dt == datetime.timedelta(days=1) for e in events), "all-day"
PYTHON
# In Persian, as gettext chooses the language: --help, a bad option, a bad month and a bad line of
# the events file say no English sentence; the grid stays as -p draws it.
[ -n "${TARVAND_LOCALEDIR:-}" ] || fail "TARVAND_LOCALEDIR names no catalogues"
for arguments in --help --bogus "zz 1404" "ra 1448" "-n 0" "--color=maybe"; do
    # shellcheck disable=SC2086
    LANGUAGE=fa LC_ALL=C.UTF-8 "$program" $arguments 2>&1 |
        /usr/bin/python3 "$(dirname "$0")/no_english.py" >"$work/said" ||
        fail "LANGUAGE=fa tarvand-cal $arguments: $(cat "$work/said")"
done
LANGUAGE=fa LC_ALL=C.UTF-8 "$program" -3 1 1178 2>&1 >/dev/null |
    /usr/bin/python3 "$(dirname "$0")/no_english.py" >"$work/said" ||
    fail "LANGUAGE=fa, months outside the calendar: $(cat "$work/said")"
# On a terminal with bidi (fribidi draws as it does), --help and each message read in order: the
# option column and the program's name at the left, each Persian part right to left as a whole,
# every option and date as written.
{
    LANGUAGE=fa LC_ALL=C.UTF-8 "$program" --help
    for arguments in "13 1404" "-3 1 1178" "-3 12 3000" "foo 1404" "-H 1 5000" "-H 1448" \
        "--color=sometimes" "--ics=1" "-n x" "--date=foo" "1 2 3" "-H Ra 1448" "--ics=1404-1300" \
        "-g --date=1404/13/01" "-y -H 1 1448"; do
        # shellcheck disable=SC2086
        LANGUAGE=fa LC_ALL=C.UTF-8 "$program" $arguments 2>&1 >/dev/null
    done
} | /usr/bin/python3 "$(dirname "$0")/reads_in_order.py" >"$work/said" 2>&1 ||
    fail "LANGUAGE=fa, out of order under bidi: $(cat "$work/said")"
mkdir -p "$XDG_CONFIG_HOME/tarvand"
printf '13/40 Nobody\n' >"$XDG_CONFIG_HOME/tarvand/events"
[ "$(LANGUAGE=fa LC_ALL=C.UTF-8 "$program" -p 1 1405 2>"$work/err")" = "$("$program" -p 1 1405 2>/dev/null)" ] &&
    /usr/bin/python3 "$(dirname "$0")/no_english.py" <"$work/err" >"$work/said" ||
    fail "LANGUAGE=fa, a bad line of the events file: $(cat "$work/said" "$work/err")"
rm "$XDG_CONFIG_HOME/tarvand/events"
# Within 80 columns in Persian too, the marks that take none not counted.
LANGUAGE=fa LC_ALL=C.UTF-8 "$program" --help | /usr/bin/python3 -c '
import sys
wide = [l for l in sys.stdin.read().splitlines()
        if sum(c not in "\u200c\u200e\u200f\u2066\u2067\u2068\u2069" for c in l) > 80]
print("\n".join(wide))
sys.exit(1 if wide else 0)' >"$work/said" || fail "the Persian --help passes 80 columns: $(cat "$work/said")"
