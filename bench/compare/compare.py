"""Runs tallaro-calc, GNU bc, Python's decimal module and gmp_calc on the same operands, each
as a whole process, checks that their answers agree, and prints a table of times and ratios;
then the in-process comparison (inprocess.py). Normally started by run.sh, which builds
tallaro-calc, gmp_calc and inprocess_compare first."""
import argparse
import datetime
import decimal
import os
import platform
import subprocess
import sys
from dataclasses import dataclass, field
from pathlib import Path

import agree
import cases
import inprocess
import measure
import operands
import report

HERE = Path(__file__).resolve().parent


@dataclass
class Result:
    case: cases.Case
    runs: dict = field(default_factory=dict)  # tool name to measure.Run
    check: str = ""
    failed: bool = False
    text_mb: float = 0.0  # operands and answer of tallaro-calc


def commands(case, args):
    digits = ["--digits", str(case.digits)] if case.op == "/" else []
    return {
        "tallaro": [args.calc, *digits] + (["--repetend"] if case.repetend else []),
        "bc": ["bc", "-q"],
        "python": [sys.executable, str(HERE / "pydecimal_calc.py"), *digits],
        "gmp": [args.gmp, *digits],
    }


def verdict(result, outputs, limit):
    """The check column, and whether it is a failure."""
    runs, case = result.runs, result.case
    if runs["tallaro"].timed_out:
        return f"tallaro-calc > {limit:g} s", True
    broken = [f"{t}: exit {r.status}" + (f" ({r.error})" if r.error else "")
              for t, r in runs.items() if r.status != 0 and not r.timed_out]
    if broken:
        return "FAILED: " + "; ".join(broken), True
    answers = {t: Path(outputs[t]).read_text() for t, r in runs.items() if not r.timed_out}
    if len(answers) == 1:
        return "unchecked: the others passed the limit", False
    wrong = agree.disagreement(answers, case.digits if case.op == "/" else None)
    if wrong:
        return "FAILED: " + wrong, True
    late = [t for t, r in runs.items() if r.timed_out]
    text = "agree" + (f" ({', '.join(late)} > limit)" if late else "")
    if case.repetend:
        places = answers["tallaro"].strip().split("\t")[1:]
        if len(places) != 2:
            return "FAILED: tallaro: no repetend places", True
        text += f"; repetend places {places[0]}–{places[1]}"
    return text, False


def run_case(case, args, work):
    tsv, bc_program = operands.write_inputs(case, work / "operands")
    stdin = {"tallaro": tsv, "bc": bc_program, "python": tsv, "gmp": tsv}
    env = dict(os.environ, BC_LINE_LENGTH="0")  # one line, no backslash breaks
    result = Result(case)
    outputs = {}
    for tool, command in commands(case, args).items():
        if tool not in case.tools:
            continue
        outputs[tool] = work / "answers" / f"{tsv.stem}-{case.digits}.{tool}"
        outputs[tool].parent.mkdir(parents=True, exist_ok=True)
        repeat = args.repeat if tool in case.timed else 1
        result.runs[tool] = measure.best_of(command, stdin[tool], outputs[tool], args.limit,
                                            repeat, env)
    result.check, result.failed = verdict(result, outputs, args.limit)
    result.text_mb = (tsv.stat().st_size + outputs["tallaro"].stat().st_size) / 2**20
    return result


def output_of(command):
    try:
        return subprocess.run(command, capture_output=True, text=True).stdout
    except OSError:
        return ""


def first_line(command):
    return (output_of(command).splitlines() or ["?"])[0]


def machine_text(gmp):
    model = next((line.split(":", 1)[1].strip() for line in open("/proc/cpuinfo")
                  if line.startswith("model name")), platform.machine())
    commit = first_line(["git", "-C", str(HERE), "log", "-1", "--format=%h %cs"])
    # The build takes the engine as it stands in the checkout, committed or not.
    changed = [line[3:] for line in output_of(["git", "-C", str(HERE.parent.parent), "status",
                                               "--porcelain", "engine", "cli"]).splitlines()]
    if changed:
        commit += " with uncommitted changes to " + ", ".join(changed)
    return (f"{datetime.datetime.now(datetime.timezone.utc):%Y-%m-%d %H:%M} UTC, {model}, "
            f"{os.cpu_count()} cores (shared: other builds may be running, so the times are "
            f"noisy); tallaro-calc {commit}; {first_line(['bc', '--version'])}; Python "
            f"{platform.python_version()} decimal (libmpdec {decimal.__libmpdec_version__}); "
            f"GMP {first_line([gmp, '--version'])}")


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--calc", required=True, help="the tallaro-calc program")
    parser.add_argument("--gmp", required=True, help="the gmp_calc program")
    parser.add_argument("--inprocess", required=True, help="the inprocess_compare program")
    parser.add_argument("--in-process-up-to", type=int, default=7, dest="max_exponent",
                        help="largest size of the in-process table and of the whole-process "
                             "division rows against GMP, as a power of ten (default 7; 0 "
                             "leaves both out)")
    parser.add_argument("--cpu", type=int, default=inprocess.default_cpu(),
                        help="the processor the in-process runs are pinned to")
    parser.add_argument("--work", required=True, type=Path, help="folder for operands and answers")
    parser.add_argument("--quick", action="store_true", help="small sizes only, a smoke check")
    parser.add_argument("--limit", type=float, default=60, help="seconds per run (default 60)")
    parser.add_argument("--repeat", type=int, default=3, help="runs per tool, best kept (default 3)")
    parser.add_argument("--only", default="", help="the cases whose name holds this text")
    parser.add_argument("--chart", type=Path, help="the PNG to write")
    return parser.parse_args()


def main():
    args = parse_args()
    if args.quick:
        args.max_exponent = min(args.max_exponent, 4)
    args.work.mkdir(parents=True, exist_ok=True)
    results = []
    chosen = cases.quick_cases() if args.quick else cases.full_cases(args.max_exponent)
    for case in (c for c in chosen if args.only in c.name):
        results.append(run_case(case, args, args.work))
        print(f"{case.name}: {results[-1].check}", file=sys.stderr, flush=True)
    in_process = inprocess.run(args, args.work) if args.max_exponent >= 3 else []
    machine = machine_text(args.gmp)
    text = f"{machine}\n\n{report.table(results, args.limit)}\n"
    if in_process:
        summary, details = inprocess.tables(in_process, "cpu")
        text += f"\nIn process (processor time, pinned to one processor):\n\n{summary}\n\n{details}\n"
    (args.work / "results.md").write_text(text)
    print(text)
    if args.chart:
        report.chart(results, args.limit, args.work / "chart.dat", args.chart,
                     f"Whole-process time, best of {args.repeat}, {datetime.date.today()}: "
                     f"{os.cpu_count()} cores shared with other work, so noisy")
    failed = any(r.failed for r in results) or any(c != "agree" for *_, c in in_process)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
