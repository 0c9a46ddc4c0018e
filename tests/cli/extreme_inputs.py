#!/usr/bin/env python3
"""Extreme inputs through tallaro-calc: operands of millions of digits, a million separators
and a million fraction places. Each answer is checked exactly with Python's decimal module
(libmpdec) and timed; the times are printed, not judged. Where the memory is there, the
largest precision too: 1 / 1001 to 2147483647 places, whose last place lies past the 32-bit
range.

usage: extreme_inputs.py TALLARO_CALC SANITIZED(0|1)
The sanitized build runs every size a tenth as large: it is about ten times slower."""
import decimal
import random
import re
import subprocess
import sys
import time

CALC = sys.argv[1]
SCALE = 10 if sys.argv[2] == "1" else 1
EXACT = decimal.Context(prec=decimal.MAX_PREC, Emax=decimal.MAX_EMAX, Emin=decimal.MIN_EMIN,
                        traps=[decimal.Inexact, decimal.InvalidOperation])
NUMBER = re.compile(r"-?[0-9]+(\.[0-9]*)?")
rng = random.Random(7005)
failures = []


# Random bytes to digits in one pass: ten million digits one by one take seconds.
TO_DIGITS = bytes(ord("0") + i % 10 for i in range(256))


def digits(n):
    # A leading digit other than 0 keeps the sizes honest.
    return rng.choice("123456789") + rng.randbytes(n - 1).translate(TO_DIGITS).decode()


def number(integer, fraction, negative):
    return ("-" if negative else "") + digits(integer) + ("." + digits(fraction) if fraction else "")


def places(text):
    point = text.find(".")
    return 0 if point < 0 else len(text) - point - 1


def run(name, a, op, b, *options):
    start = time.monotonic()
    done = subprocess.run([CALC, *options], input=f"{a}\t{op}\t{b}\n".encode(), capture_output=True,
                          timeout=600)
    seconds = time.monotonic() - start
    answer = done.stdout.decode().rstrip("\n")
    print(f"{name}: {seconds:.2f} s, {len(answer)} characters")
    if done.returncode != 0 or not NUMBER.fullmatch(answer):
        failures.append(f"{name}: status {done.returncode}, answer {answer[:60]!r}, "
                        f"error {done.stderr.decode()[:200]!r}")
        return None
    return answer


def check(name, condition):
    if not condition:
        failures.append(name)


def value(text):
    return EXACT.create_decimal(text.replace(",", "").replace(" ", "").rstrip("."))


def sum_case(name, a, op, b):
    answer = run(name, a, op, b)
    if answer is not None:
        exact = EXACT.add(value(a), value(b)) if op == "+" else EXACT.subtract(value(a), value(b))
        check(name + ": value", value(answer) == exact)
        check(name + ": fraction width", places(answer) == max(places(a), places(b)))


def product_case(name, a, b):
    answer = run(name, a, "*", b)
    if answer is not None:
        check(name + ": value", value(answer) == EXACT.multiply(value(a), value(b)))
        check(name + ": fraction width", places(answer) == places(a) + places(b))


def quotient_case(name, a, b, fraction_digits):
    answer = run(name, a, "/", b, "--digits", str(fraction_digits))
    if answer is None:
        return
    # Truncated at its last place: |q|·|b| <= |a| < (|q| + one unit of that place)·|b|.
    # The context's own abs: the built-in one would round to 28 digits.
    q, dividend, divisor = EXACT.abs(value(answer)), EXACT.abs(value(a)), EXACT.abs(value(b))
    unit = EXACT.scaleb(1, -places(answer))
    low, high = EXACT.multiply(q, divisor), EXACT.multiply(EXACT.add(q, unit), divisor)
    check(name + ": truncated", low <= dividend < high)
    check(name + ": places", places(answer) >= fraction_digits or low == dividend)
    check(name + ": sign", answer.startswith("-") == (a.startswith("-") != b.startswith("-")))


def available_memory():
    with open("/proc/meminfo") as info:
        for line in info:
            if line.startswith("MemAvailable:"):
                return int(line.split()[1]) * 1024
    return 0


def largest_precision_case():
    """1 / 1001 = 0.000999 000999 ...: the remainder at place 2147483647 is 10, one digit short
    of the divisor's three, so the quotient ends one place further, at 2^31, and the repetend
    is places 1 to 6. The answer, 2 GB long, is read as it comes."""
    name = "/ to 2147483647 fraction digits"
    needed = 3 << 30  # the quotient's text and the pipe's buffers beside it
    if SCALE != 1 or available_memory() < needed:
        print(f"{name}: skipped, it needs the optimised build and {needed >> 30} GiB")
        return
    start = time.monotonic()
    calc = subprocess.Popen([CALC, "--digits", "2147483647", "--repetend", "1", "/", "1001"],
                            stdout=subprocess.PIPE)
    check(name + ": integer part", calc.stdout.read(2) == b"0.")
    block = b"000999" * (1 << 20)
    left = 1 << 31
    while left > 0:
        expected = block[:min(left, len(block))]
        if calc.stdout.read(len(expected)) != expected:
            failures.append(f"{name}: fraction wrong within its last {left} places")
            break
        left -= len(expected)
    check(name + ": repetend places", calc.stdout.read() == b"\t1\t6\n")
    check(name + ": status", calc.wait() == 0)
    print(f"{name}: {time.monotonic() - start:.2f} s")


def main():
    long, short = 10**7 // SCALE, 10**5 // SCALE
    sum_case(f"+ of {long}-digit operands", number(long - 10, 10, False), "+", number(long, 0, True))
    sum_case(f"- of {long}-digit operands", number(long, 0, False), "-", number(long - 3, 3, False))
    product_case(f"* of {short}-digit operands", number(short, 0, True), number(short - 7, 7, False))
    quotient_case(f"/ of a {short}-digit dividend by a {short // 2}-digit divisor",
                  number(short, 0, False), number(short // 2, 0, True), 1000)
    # One separator after every digit, alternately "," and " ".
    plain = digits(10**6 // SCALE)
    typed = "".join(d + ", "[i % 2] for i, d in enumerate(plain))
    sum_case(f"+ of an operand with {len(typed) - len(plain)} separators", typed, "+", "1")
    precision = 10**6 // SCALE
    quotient_case(f"/ to {precision} fraction digits", "1", "7", precision)
    quotient_case(f"/ by a 40-digit divisor to {precision} fraction digits", "2",
                  number(40, 0, False), precision)
    largest_precision_case()
    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
