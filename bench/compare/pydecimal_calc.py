"""tallaro-calc's work done with Python's decimal module, for the comparison: reads lines
A<TAB>OP<TAB>B on standard input and prints one answer per line. + − × are exact;
a quotient is truncated (ROUND_DOWN) to the fraction digits given with --digits."""
import decimal
import sys
from decimal import Context, Decimal

# Every exponent and length must fit: answers of 10^7 digits overflow the default Emax.
LIMITS = dict(Emax=decimal.MAX_EMAX, Emin=decimal.MIN_EMIN)
ALWAYS_TRAPPED = [decimal.InvalidOperation, decimal.DivisionByZero, decimal.Overflow]


def exact_context():
    """A context in which + − × can only be exact: any rounding raises instead."""
    return Context(prec=decimal.MAX_PREC, traps=ALWAYS_TRAPPED + [decimal.Inexact,
                                                                  decimal.Rounded], **LIMITS)


def truncated_quotient(a, b, digits):
    # The quotient's leading digit stands at a.adjusted() - b.adjusted() or one lower, so
    # this precision reaches fraction place `digits` (with at most one digit to spare,
    # which quantize cuts off; truncating twice is truncating once).
    places = a.adjusted() - b.adjusted() + 1 + digits
    context = Context(prec=max(1, places), rounding=decimal.ROUND_DOWN, traps=ALWAYS_TRAPPED,
                      **LIMITS)
    return context.quantize(context.divide(a, b), Decimal(f"1E-{digits}"))


def answer(a_text, op, b_text, digits):
    a, b = Decimal(a_text), Decimal(b_text)  # text to Decimal is exact in any context
    if op == "/":
        return truncated_quotient(a, b, digits)
    operation = {"+": Context.add, "-": Context.subtract, "*": Context.multiply}[op]
    return operation(exact_context(), a, b)


def option(args, name, default):
    return args[args.index(name) + 1] if name in args else default


def time_in_process(args, digits):
    """--time A_FILE OP B_FILE [--repeat R] [--cpu K] [--answer FILE]: the in-process
    comparison's Python column. Times Decimal(text), the operation and the formatting on
    text already read, pinned to processor K, and prints the fastest of R runs as JSON."""
    import json
    import os
    import time
    at = args.index("--time")
    a_path, op, b_path = args[at + 1:at + 4]
    a_text, b_text = open(a_path).read(), open(b_path).read()
    if "--cpu" in args:
        os.sched_setaffinity(0, {int(option(args, "--cpu", 0))})
    best = [float("inf"), float("inf")]
    for _ in range(int(option(args, "--repeat", 3))):
        wall, cpu = time.perf_counter(), time.thread_time()
        text = format(answer(a_text, op, b_text, digits), "f")
        wall, cpu = time.perf_counter() - wall, time.thread_time() - cpu
        best = [min(best[0], wall), min(best[1], cpu)]
        if wall > 30:
            break
    if "--answer" in args:
        open(option(args, "--answer", ""), "w").write(text + "\n")
    print(json.dumps({"python": best}))


def main():
    # Read by hand: importing argparse would add to a start-up that every case times.
    args = sys.argv[1:]
    digits = int(option(args, "--digits", 1000))
    if "--time" in args:
        time_in_process(args, digits)
        return
    for line in sys.stdin:
        a_text, op, b_text = line.rstrip("\n").split("\t")
        # "f": positional notation, as the other tools print (never 1E-7).
        sys.stdout.write(format(answer(a_text, op, b_text, digits), "f") + "\n")


if __name__ == "__main__":
    main()
