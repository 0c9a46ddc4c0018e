"""Writes a case's operands reproducibly, and the input each tool reads.

The digits come from a seeded generator, so every run (and every machine) measures the
same numbers; large files are made once per work folder and reused."""
import random
from pathlib import Path


OP_NAMES = {"+": "add", "-": "sub", "*": "mul", "/": "div"}


def random_number(operand, seed):
    """`operand.digits` digits, the leading one not 0, with `operand.fraction` of them
    behind a point. Built as text only: never through int, whose decimal conversion is
    limited in length and quadratic."""
    rng = random.Random(seed)
    digits = rng.choice("123456789") + "".join(rng.choices("0123456789", k=operand.digits - 1))
    split = operand.digits - operand.fraction
    if operand.fraction == 0:
        return digits
    return (digits[:split] or "0") + "." + digits[split:]


def operand_text(operand, role, folder):
    """The operand's text; role ("a" or "b") tells two random operands of one size apart."""
    if operand.literal:
        return operand.literal
    path = Path(folder) / f"{operand.label}-{role}.txt"
    if not path.exists():
        # Written aside and renamed, so that an interrupted run leaves no short operand.
        partial = path.with_suffix(".partial")
        partial.write_text(random_number(operand, f"{operand.label}/{role}"))
        partial.replace(path)
    return path.read_text()


def fraction_length(number):
    point = number.find(".")
    return 0 if point < 0 else len(number) - point - 1


def bc_scale(case, a, b):
    """bc's + and − are exact whatever scale says; its product keeps at most max(scale,
    its operands' scales) fraction digits, and its quotient exactly scale, truncated."""
    if case.op == "*":
        return fraction_length(a) + fraction_length(b)
    return case.digits if case.op == "/" else 0


def write_inputs(case, folder):
    """The line A<TAB>OP<TAB>B that tallaro-calc and the Python program read, and the bc
    program for the same numbers; returns their paths."""
    folder = Path(folder)
    folder.mkdir(parents=True, exist_ok=True)
    a = operand_text(case.a, "a", folder)
    b = operand_text(case.b, "b", folder)
    line = folder / f"{case.a.label}-{OP_NAMES[case.op]}-{case.b.label}.tsv"
    line.write_text(f"{a}\t{case.op}\t{b}\n")
    program = line.with_suffix(".bc")
    program.write_text(f"scale={bc_scale(case, a, b)}\n({a}){case.op}({b})\n")
    return line, program
