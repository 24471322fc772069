# Sourced by the test scripts: a scratch folder, and failures counted and reported at the end.
set -u
work=$(mktemp -d)
failures=0
trap 'rm -rf "$work"; echo "$(basename "$0" .sh): $failures failed"; exit $((failures > 0))' EXIT
# fail WHAT [DETAIL...]: reports one failure.
fail() { printf 'FAIL: %s\n' "$1"; shift; [ $# = 0 ] || printf '  %s\n' "$@"; failures=$((failures + 1)); }
# The clock is faked by libfaketime preloaded directly, as faketime(1) suggests: its wrapper keeps a
# named semaphore a process id and leaves it behind when killed, and a later wrapper given the same
# id refuses to start.
libfaketime=$(dpkg -L libfaketime 2>/dev/null | grep -m 1 '/libfaketime\.so\.1$')
[ -f "$libfaketime" ] || fail "libfaketime is missing; run script/bootstrap"
# on_clock MOMENT COMMAND...: runs COMMAND on a clock stopped at MOMENT, local time (YYYY-MM-DD
# hh:mm:ss; with @ before it, a clock that runs on from there).
on_clock() { env LD_PRELOAD="$libfaketime${LD_PRELOAD:+:$LD_PRELOAD}" FAKETIME="$1" "${@:2}"; }
