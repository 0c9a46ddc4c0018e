#!/usr/bin/env bash
# tallaro-calc under an address-space limit: a line that cannot fit ends the run with one line
# "tallaro-calc: out of memory" on standard error and exit status 3, after the answers of the
# lines before it; never an abort or a silent end.
# usage: out_of_memory.sh TALLARO_CALC SANITIZED(0|1)
set -u
calc=$1
if [ "${2:-0}" = 1 ]; then
    # AddressSanitizer reserves terabytes of shadow memory; under a limit it cannot even start.
    echo "skipped: the sanitizer build cannot run under an address-space limit"
    exit 77
fi
limit_kb=262144 # 256 MiB: enough to start and answer a short line, far too little for the rest
failures=0

# Digits made by the shell's own tools, so that nothing else runs under the limit.
nines() { head -c "$1" /dev/zero | tr '\0' 9; }

expect_out_of_memory() { # name, --digits, then the command that writes the line that cannot fit
    local name=$1 digits=$2 out err status
    shift 2
    err=$(mktemp)
    out=$( (ulimit -v $limit_kb && ulimit -c 0 && exec "$calc" --digits "$digits" 2>"$err") \
        < <(printf '1\t+\t1\n'; "$@"; printf '2\t+\t2\n'))
    status=$?
    if [ "$status" != 3 ] || [ "$out" != 2 ] || [ "$(cat "$err")" != "tallaro-calc: out of memory" ]; then
        failures=$((failures + 1))
        printf 'FAIL %s: status %s, output %q, error %q\n' "$name" "$status" "${out:0:40}" "$(head -c 200 "$err")"
    fi
    rm -f "$err"
}

quotient() { printf '1\t/\t7\n'; }
product() { nines 30000000; printf '\t*\t'; nines 30000000; printf '\n'; }
long_line() { nines 300000000; printf '\t+\t1\n'; }

# A short line whose quotient is longer than the whole address space allowed.
expect_out_of_memory "a quotient of 10^9 places" 1000000000 quotient
# Operands that fit, but not their product's working space.
expect_out_of_memory "a product of 3*10^7-digit operands" 1000 product
# A line too long to read in.
expect_out_of_memory "a line of 3*10^8 characters" 1000 long_line
exit $((failures > 0))
