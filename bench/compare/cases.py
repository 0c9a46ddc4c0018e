"""The comparison's cases: which operation on which operands, and who runs it."""
from dataclasses import dataclass

TOOLS = ("tallaro", "bc", "python", "gmp")


@dataclass(frozen=True)
class Operand:
    """A literal number, or `digits` reproducible random digits of which the last
    `fraction` stand after the point (the leading digit is never 0)."""
    literal: str = ""
    digits: int = 0
    fraction: int = 0

    @property
    def label(self):
        return self.literal or f"{self.digits}d" + (f".{self.fraction}" if self.fraction else "")


@dataclass(frozen=True)
class Case:
    name: str
    op: str  # "+", "-", "*" or "/"
    a: Operand
    b: Operand
    digits: int = 0  # fraction digits of a quotient
    repetend: bool = False
    # Tools whose time is shown. Every tool in `tools` runs, but bc and Python do not search
    # for a repetend: there they only check the quotient, and their times would compare
    # nothing.
    timed: tuple = TOOLS
    tools: tuple = TOOLS


def size_text(n):
    """10^6, 2·10^5: how the cases name their sizes."""
    exponent = len(str(n)) - 1
    lead = n // 10**exponent
    return ("" if lead == 1 else f"{lead}·") + f"10^{exponent}"


def lit(text):
    return Operand(literal=text)


def rnd(digits, fraction=0):
    return Operand(digits=digits, fraction=fraction)


def _addsub(n):
    # Points at different places, so that aligning the fractions is part of the work.
    return [Case(f"+ {size_text(n)}", "+", rnd(n, n // 2), rnd(n, n // 4)),
            Case(f"− {size_text(n)}", "-", rnd(n, n // 4), rnd(n, n // 2))]


def _mul(n):
    return Case(f"× {size_text(n)}", "*", rnd(n, n // 2), rnd(n))


def _divisions(big, small, repetend):
    s, r = size_text(small), size_text(repetend)
    return [Case(f"1 ÷ 7, {size_text(big)} places", "/", lit("1"), lit("7"), big),
            Case(f"{size_text(2 * small)} ÷ {s}, 1000 places", "/",
                 rnd(2 * small), rnd(small), 1000),
            Case(f"1 ÷ {s}, {s} places", "/", lit("1"), rnd(small), small),
            Case(f"1 ÷ {r}, {r} places, repetend", "/", lit("1"),
                 rnd(repetend), repetend, repetend=True, timed=("tallaro",))]


def _division_sweep(n):
    """The in-process table's two division rows as whole processes, against GMP alone: bc and
    Python pass any time limit from 10^6 digits on."""
    both = ("tallaro", "gmp")
    return [Case(f"{size_text(n)} ÷ {size_text(n // 2)}, 1000 places", "/", rnd(n), rnd(n // 2),
                 1000, timed=both, tools=both),
            Case(f"1 ÷ {size_text(n)}, {size_text(2 * n)} places", "/", lit("1"), rnd(n), 2 * n,
                 timed=both, tools=both)]


def full_cases(max_exponent):
    return (_addsub(10**6) + _addsub(10**7) + [_mul(10**k) for k in range(3, 7)]
            + _divisions(10**6, 10**5, 10**4)
            + [c for k in range(3, max_exponent + 1) for c in _division_sweep(10**k)])


def quick_cases():
    return _addsub(10**4) + [_mul(100), _mul(1000)] + _divisions(1000, 1000, 100)
