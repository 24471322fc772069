# Sourced by the test scripts: a scratch folder, and failures counted and reported at the end.
set -u
work=$(mktemp -d)
failures=0
trap 'rm -rf "$work"; echo "$(basename "$0" .sh): $failures failed"; exit $((failures > 0))' EXIT
# fail WHAT [DETAIL...]: reports one failure.
fail() { printf 'FAIL: %s\n' "$1"; shift; [ $# = 0 ] || printf '  %s\n' "$@"; failures=$((failures + 1)); }
