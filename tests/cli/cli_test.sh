#!/usr/bin/env bash
# End-to-end checks of tallaro-calc: lines through standard input, operands as arguments,
# options and the exit status of mistakes.
set -u
calc=$1
version=$2
source "$(dirname "$0")/../support/check.sh"

out=$(printf '1,000\t+\t 1\n-1.5\t+\t1.5\n5-\t+\t1\n1\tx\t2\n' | "$calc")
check "lines from standard input" $'1001\n-0.0\n-4\n' "$out"$'\n'

check "operands as arguments" "-2" "$("$calc" 5 - 7)"
check "operands after --" "2" "$("$calc" -- -5 - -7)"
check "carriage return line ends" $'3\n7' "$(printf '1\t+\t2\r\n3\t+\t4\r\n' | "$calc")"
check "repetend columns" $'3\t0\t0' "$(printf '1\t+\t2\n' | "$calc" --repetend)"
check "truncated division to --digits, a zero dividend empty" $'0.142\n2.5\n\n0.00001' \
    "$(printf '1\t/\t7\n10\t/\t4\n0\t/\t5\n1\t/\t100000\n' | "$calc" --digits 3)"
check "repetend of a quotient" $'0.001428571428571428571428571428\t3\t8' \
    "$("$calc" --digits 30 --repetend 1 / 700)"

check "--version" "tallaro-calc $version" "$("$calc" --version)"
check "--digits=N as --digits N" "0.33333" "$("$calc" --digits=5 1 / 3)"
"$calc" --digits= 1 / 3 >/dev/null 2>&1
check "--digits= without a number exits 2" 2 $?

# Answers that cannot be written are a failure: at the last flush (a short answer), in the middle
# of the run (a long one), and for the informational options alike.
many=$(for _ in $(seq 2000); do printf '1\t/\t7\n'; done)
for args in "1 + 1" "--version" "--help" "--digits 20"; do
    err=$(echo "$many" | "$calc" $args 2>&1 >/dev/full)
    check "'$args' to a full disk exits 1" 1 $?
    check "'$args' to a full disk says why" \
        "tallaro-calc: cannot write standard output: No space left on device" "$err"
done

# A refused line keeps its empty answer line; standard error names the line and the reason.
err=/tmp/tallaro-cli-err.$$
out=$(printf '1\t+\t2\n1\t/\t0\n\xef\xbc\x91\t+\t1\n\xe9\t+\t1\n1.2.3\t-\t1\n-\t*\t1\n0\t/\t5\n1\t%%\t2\n\t+\t1\n' |
      "$calc" 2>$err | od -An -c | tr -d ' \n')
check "refused lines keep their empty lines" '3\n\n\n\n\n\n\n\n\n' "$out"
check "refused lines: the reasons on standard error" "tallaro-calc: line 2: B is zero: no division by zero
tallaro-calc: line 3: A holds \"１\", which is not part of a number
tallaro-calc: line 4: A holds the byte 0xE9, which is not part of a number
tallaro-calc: line 5: A has a second decimal point
tallaro-calc: line 6: A has no digit
tallaro-calc: line 7: A is zero: a zero dividend gives no quotient
tallaro-calc: line 8: unknown operator \"%\" (+, -, * or /)
tallaro-calc: line 9: A is empty" "$(cat $err)"
check "operands as arguments: the reason names no line" "tallaro-calc: A holds a line break, which is not part of a number" \
    "$("$calc" $'1\n' + 1 2>&1 >/dev/null)"
check "--quiet keeps the reasons back" "" "$(printf '1\t/\t0\n' | "$calc" --quiet 2>&1 >/dev/null)"
rm -f $err

"$calc" --frobnicate 1 + 2 >/dev/null 2>&1
check "unknown option exits 2" 2 $?
"$calc" --digits x 1 / 2 >/dev/null 2>&1
check "bad --digits exits 2" 2 $?
"$calc" 1 + >/dev/null 2>&1
check "two operands exit 2" 2 $?

out=$(printf '1\t+\t1\n2+2\n3\t+\t3\n' | "$calc" 2>/tmp/tallaro-cli-err.$$)
status=$?
check "malformed line exits 2" 2 $status
check "answers before a malformed line are printed, none after" "2" "$out"
check "malformed line message names the line" 1 "$(grep -c 'line 2' /tmp/tallaro-cli-err.$$)"
rm -f /tmp/tallaro-cli-err.$$
# A line short of a tab must not borrow its B from the next line.
for line in '1\t+\n2\t+\t3\n' '1\t+\t2\t3\n' '1\t+' '\n'; do
    printf "$line" | "$calc" >/dev/null 2>&1
    check "malformed line '$line' exits 2" 2 $?
done
check "an empty B at the very end is a line of its own" 1 "$(printf '1\t+\t' | "$calc" | wc -c)"

# $(...) drops the line ends at the very end, so the last "\r\n" and the "\n" after it
# show as "\r" here; the byte count checks them.
quarter=$'                                                            0 \r\n\r\n .25                                                          \r'
check "--layout: the answer laid out, then a line end" "$quarter" "$(printf '1\t/\t4\n' | "$calc" --layout)"
check "--layout: 130 characters and the line end" 131 "$(printf '1\t/\t4\n' | "$calc" --layout | wc -c)"
check "--layout: an empty answer is an empty line" 1 "$(printf '1\tx\t2\n' | "$calc" --layout | wc -c)"
check "--layout --repetend: the places on a line after the layout" $'1\t6' \
    "$("$calc" --layout --repetend 1 / 7 | tail -n 1)"

# Reading a directory fails: that is no end of input, and no abort either.
err=$("$calc" 2>&1 >/dev/null </)
check "unreadable standard input exits 1" 1 $?
check "unreadable standard input is reported" "tallaro-calc: cannot read standard input" "$err"

nines=$(head -c 2000000 /dev/zero | tr '\0' '9')
zeros=$(head -c 2000000 /dev/zero | tr '\0' '0')
check "a line of millions of digits" "1$zeros" "$(printf '%s\t+\t1\n' "$nines" | "$calc")"

finish
