#!/usr/bin/env bash
# The kept table of predicted Hijri months against its generator run again: a sample of years at
# both ends of the range and around the record's end, each line the same.
set -uo pipefail
generator=$1 table=$2
failures=0 checked=0
for span in "1213 1214" "1264 1265" "1447 1449" "1800 1800" "2400 2400" "3091 3092"; do
    # shellcheck disable=SC2086
    got=$("$generator" $span) || { echo "FAIL: the generator on $span"; failures=$((failures + 1)); continue; }
    while read -r line; do
        checked=$((checked + 1))
        grep -qxF "$line" "$table" || { echo "FAIL: not in the table: $line"; failures=$((failures + 1)); }
    done <<<"$got"
done
[ "$checked" -ge 11 ] || { echo "FAIL: only $checked years regenerated"; failures=$((failures + 1)); }
echo "$((checked - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
