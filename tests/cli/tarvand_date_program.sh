#!/usr/bin/env bash
# tarvand-date as a real program: what reaches standard output and error, and the exit status.
set -u
program=$1
failures=0

# expect STATUS STDOUT STDERR-PATTERN -- ARGS...: runs the program and checks all three.
expect() {
    local status=$1 out=$2 err=$3
    shift 4
    local got_out got_err got_status
    got_out=$("$program" "$@" 2>/tmp/tarvand-date-err.$$ </dev/null)
    got_status=$?
    got_err=$(cat /tmp/tarvand-date-err.$$)
    if [ "$got_status" != "$status" ] || [ "$got_out" != "$out" ] || ! grep -qE -- "$err" <<<"$got_err"; then
        printf 'FAIL: tarvand-date %s\n  status %s (want %s)\n  out: %s\n  err: %s\n' \
            "$*" "$got_status" "$status" "$got_out" "$got_err"
        failures=$((failures + 1))
    fi
}

wednesday=$(printf '\u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647')
esfand=$(printf '\u0627\u0633\u0641\u0646\u062F')
expect 0 "1389/12/11
11 $esfand 1389
$wednesday 1389/12/11
$wednesday  11  $esfand  1389" '^$' -- --all -d 2011-03-02
expect 0 "tarvand-date 1.00" '^$' -- --version
expect 0 "$("$program" -d "$(date +%F)")" '^$' -- # no date: today's local date
expect 2 "" "^tarvand-date: invalid date '2011-02-30'" -- -d 2011-02-30
expect 2 "" "^tarvand-date: date '1953-03-20' is before 1953-03-21" -- -d 1953-03-20
expect 2 "" "^tarvand-date: invalid layout '9'" -- -l 9
expect 2 "" "^tarvand-date: unrecognized option '--bogus' \(see 'tarvand-date --help'\)$" -- --bogus
expect 2 "" "^tarvand-date: cannot read '/nonexistent/dates': No such file or directory$" -- -f /nonexistent/dates

# A bad line in a file: the rest is still converted, and the status is 1 at the end.
got=$(printf '2011-03-02\n2011-02-30\n2013-03-21\n' | "$program" -f - 2>/tmp/tarvand-date-err.$$)
status=$?
if [ "$status" != 1 ] || [ "$got" != $'1389/12/11\n1392/01/01' ] ||
    ! grep -q "^tarvand-date: standard input:2: invalid date '2011-02-30'" /tmp/tarvand-date-err.$$; then
    echo "FAIL: --file with a bad line: status $status, out: $got"
    failures=$((failures + 1))
fi

# A full disk is an error, not a success.
if [ -w /dev/full ]; then
    "$program" -d 2011-03-02 >/dev/full 2>/tmp/tarvand-date-err.$$
    status=$?
    if [ "$status" != 2 ] || ! grep -q "write error" /tmp/tarvand-date-err.$$; then
        echo "FAIL: writing to /dev/full gave status $status"
        failures=$((failures + 1))
    fi
fi

rm -f /tmp/tarvand-date-err.$$
[ "$failures" = 0 ] && echo "tarvand-date program: all checks passed"
exit $((failures > 0))
