"""The in-process comparison: each contender times only its own work on text already in
memory (parse, compute, write the answer), pinned to one processor, the fastest of three
runs. tallaro's calculate against GMP with mpz_set_str and mpz_get_str (and a product also
against mpz_mul alone, on numbers already binary), the remainder scan against the same scan
on GMP, and Python's decimal module with Decimal(text) and formatting. Every case is also
set against writing an answer of its length into fresh pages, the floor for any program."""
import json
import os
import subprocess
import sys
from dataclasses import dataclass
from pathlib import Path

import agree
import cases
import operands

HERE = Path(__file__).resolve().parent


@dataclass(frozen=True)
class Row:
    name: str  # with n for the size
    op: str
    operands: object  # n -> (Operand, Operand)
    places: object  # n -> fraction digits of a quotient
    headline: str  # the contender the summary divides tallaro's time by
    headline_text: str
    repetend: bool = False
    largest: int = 10**8


ROWS = [
    Row("A×B, n digits", "*", lambda n: (cases.rnd(n, n // 2), cases.rnd(n)), lambda n: 0,
        "gmp_binary", "A×B: tallaro ÷ GMP mpz_mul (binary, no text)"),
    Row("n ÷ n/2 digits, 1000 places", "/", lambda n: (cases.rnd(n), cases.rnd(n // 2)),
        lambda n: 1000, "gmp_text", "n ÷ n/2 digits, 1000 places: tallaro ÷ GMP with text"),
    Row("1 ÷ n digits, 2n places", "/", lambda n: (cases.lit("1"), cases.rnd(n)),
        lambda n: 2 * n, "gmp_text", "1 ÷ n digits to 2n places: tallaro ÷ GMP with text"),
    # The first n places of 1 ÷ n digits are zeros that need no scan: 2n places scan n.
    Row("1 ÷ n digits, 2n places, repetend", "/", lambda n: (cases.lit("1"), cases.rnd(n)),
        lambda n: 2 * n, "gmp_scan",
        "repetend scan, 1 ÷ n digits: tallaro ÷ the same remainder scan on GMP",
        repetend=True, largest=10**5),
    Row("1 ÷ 7, n places", "/", lambda n: (cases.lit("1"), cases.lit("7")), lambda n: n,
        "python", "1 ÷ 7 to n places: tallaro ÷ Python decimal with text"),
]
COLUMNS = (("tallaro", "tallaro"), ("gmp_text", "GMP, text"), ("gmp_binary", "GMP mpz_mul"),
           ("gmp_scan", "GMP scan"), ("python", "Python decimal"), ("floor", "fresh pages"))


def operand_file(operand, role, folder):
    text = operands.operand_text(operand, role, folder)
    path = Path(folder) / (f"{operand.label}-{role}.txt" if not operand.literal
                           else f"literal-{operand.literal}.txt")
    if operand.literal:
        path.write_text(text)
    return path


def run_json(command):
    done = subprocess.run(command, capture_output=True, text=True)
    if done.returncode != 0:
        raise RuntimeError(f"{command[0]}: exit {done.returncode}: {done.stderr.strip()}")
    return json.loads(done.stdout)


def measure(row, n, args, folder):
    """Times of every contender for one size: name -> [wall, processor] seconds; and the
    check text."""
    a, b = row.operands(n)
    a_path, b_path = operand_file(a, "a", folder), operand_file(b, "b", folder)
    places = row.places(n)
    answers = folder / "answers" / f"{row.op}-{a.label}-{b.label}-{places}"
    answers.parent.mkdir(parents=True, exist_ok=True)
    common = ["--repeat", str(args.repeat), "--cpu", str(args.cpu)]
    times = run_json([args.inprocess, row.op, str(a_path), str(b_path), "--digits", str(places),
                      "--answers", str(answers)] + common + (["--repetend"] if row.repetend else []))
    if not row.repetend:
        times.update(run_json([sys.executable, str(HERE / "pydecimal_calc.py"), "--digits",
                               str(places), "--time", str(a_path), row.op, str(b_path),
                               "--answer", f"{answers}.python"] + common))
    texts = {t: Path(f"{answers}.{t}").read_text() for t in ("tallaro", "gmp", "python")
             if Path(f"{answers}.{t}").exists()}
    wrong = agree.disagreement(texts, places if row.op == "/" else None)
    return times, ("FAILED: " + wrong if wrong else "agree")


def seconds_text(value):
    if value is None:
        return "—"
    return f"{value * 1000:.3f} ms" if value < 0.1 else f"{value:.3f} s"


def ratio_text(mine, theirs):
    if mine is None or theirs is None or theirs <= 0:
        return ""
    ratio = mine / theirs
    return f"{ratio:.2f}" if ratio < 10 else f"{ratio:.0f}"


def pick(times, name, clock):
    value = times.get(name)
    return None if value is None else value[0 if clock == "wall" else 1]


def tables(results, clock):
    """The detailed table (every contender's time) and the summary of ratios by size."""
    lines = ["| case | n | " + " | ".join(h for _, h in COLUMNS) + " | tallaro ÷ headline | check |",
             "|---|---:|" + "---:|" * (len(COLUMNS) + 1) + "---|"]
    sizes = sorted({n for _, n, _, _ in results})
    summary = {}
    for row, n, times, check in results:
        cells = [seconds_text(pick(times, name, clock)) for name, _ in COLUMNS]
        ratio = ratio_text(pick(times, "tallaro", clock), pick(times, row.headline, clock))
        summary[(row.headline_text, n)] = ratio if check == "agree" else "✗"
        lines.append(f"| {row.name} | {cases.size_text(n)} | " + " | ".join(cells)
                     + f" | {ratio} | {check} |")
    head = ["| row | " + " | ".join(cases.size_text(n) for n in sizes) + " |",
            "|---|" + "---:|" * len(sizes)]
    for row in ROWS:
        if any((row.headline_text, n) in summary for n in sizes):
            head.append(f"| {row.headline_text} | "
                        + " | ".join(summary.get((row.headline_text, n), "") for n in sizes) + " |")
    return "\n".join(head), "\n".join(lines)


def run(args, work):
    folder = work / "inprocess"
    folder.mkdir(parents=True, exist_ok=True)
    results = []
    for row in ROWS:
        if args.only not in row.name:
            continue
        for exponent in range(3, args.max_exponent + 1):
            n = 10**exponent
            if n > row.largest:
                break
            times, check = measure(row, n, args, folder)
            results.append((row, n, times, check))
            print(f"in-process {row.name}, n = {cases.size_text(n)}: {check}", file=sys.stderr,
                  flush=True)
    return results


def default_cpu():
    return max(os.sched_getaffinity(0))
