#!/usr/bin/env bash
# tarvand-date as a real program: standard output, standard error and exit status, case by case.
source "$(dirname "$0")/../checks.sh"
export LC_ALL=C.UTF-8
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
check 2 '' "$p: invalid conversion '%_5k' in format '+%Y %_5k' $see" '+%Y %_5k'
check 2 '' "$p: invalid conversion '%256d' in format '+%256d' (a width goes up to 255) $see" +%256d
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
check 1 $'1389/12/11\n1392/01/01\n1438/01/01\n1389/12/11\n1389/12/11' "$p: standard input:2: invalid date 'nonsense' $bad
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
# Nor can it go on when its messages cannot be written.
yes bad | timeout 10 "$program" -f - 2>/dev/full
status=$?
[ "$status" = 2 ] || fail "messages to a full disk: status $status"
# Each answer comes before the next line is read, for a program that waits for it.
coproc "$program" -f -
echo 2011-03-02 >&"${COPROC[1]}"
read -t 10 -r answer <&"${COPROC[0]}" && [ "$answer" = 1389/12/11 ] || fail "no answer before the next line"
kill "$COPROC_PID"
