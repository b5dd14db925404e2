#!/bin/sh
# The tool's exit codes and its one-line errors, as a script would see them.
tool="$1"
fail() { echo "FAIL: $*"; exit 1; }
expect() { # expect CODE ARGS...
    code=$1; shift
    "$tool" "$@" >/tmp/stochal-out.$$ 2>/tmp/stochal-err.$$
    got=$?
    [ "$got" = "$code" ] || fail "stochal $* exited $got, expected $code"
    if [ "$code" = 2 ]; then
        [ "$(wc -l </tmp/stochal-err.$$)" = 1 ] || fail "stochal $*: expected one line on stderr"
        [ -s /tmp/stochal-out.$$ ] && fail "stochal $*: wrote to stdout on error"
    fi
    return 0
}
expect 0 --help
expect 0 rand --help
expect 0 rand --seed 1 -n 2
expect 2
expect 2 bogus
expect 2 rand -n x
expect 2 randbetween 5 5
expect 2 sample /no/such/file
expect 2 draw poisson 2000
[ "$(cat /tmp/stochal-err.$$)" = "stochal draw: lambda needs to be smaller than 1000" ] ||
    fail "a refused parameter: $(cat /tmp/stochal-err.$$)"
expect 2 pdf normal 0 -1 0
printf 'a\nb\n' | "$tool" sample - -n 2 --unique --seed 4 >/dev/null || fail "sample from stdin"
rm -f /tmp/stochal-out.$$ /tmp/stochal-err.$$
echo "exit codes ok"
