"""The comparison's table (Markdown, for the terminal and the README) and its chart."""
import subprocess
from pathlib import Path

COLUMNS = ("tallaro", "bc", "python", "gmp")
HEADINGS = ("tallaro-calc", "GNU bc", "Python decimal", "GMP (gmp_calc)")
OTHERS = (("bc", "bc"), ("python", "Python"), ("gmp", "GMP"))


def seconds_text(run, limit):
    if run is None:
        return "—"
    if run.timed_out:
        return f"> {limit:g} s"
    text = f"{run.seconds:.3f} s" if run.seconds < 10 else f"{run.seconds:.1f} s"
    return text if run.status == 0 else f"{text} (exit {run.status})"


def ratio_text(result, tool, limit):
    """How many times longer `tool` took than tallaro-calc; only for a checked answer."""
    mine, theirs = result.runs.get("tallaro"), result.runs.get(tool)
    if result.failed or theirs is None or mine is None or mine.seconds <= 0:
        return "—"
    if theirs.timed_out:
        return f"> {limit / mine.seconds:.0f}×"
    ratio = theirs.seconds / mine.seconds
    places = 0 if ratio >= 10 else 1 if ratio >= 1 else 2
    return f"{ratio:.{places}f}×"


def peak_text(result):
    """tallaro-calc's peak memory, and as a multiple of the text it read and wrote where
    that text is large enough for the process's own few megabytes not to dominate."""
    peak = result.runs["tallaro"].peak_mb
    if result.text_mb < 1:
        return f"{peak:.0f} MB"
    return f"{peak:.0f} MB ({peak / result.text_mb:.1f}×)"


def table(results, limit):
    lines = ["| case | " + " | ".join(HEADINGS) + " | "
             + " | ".join(f"{name} ÷ tallaro" for _, name in OTHERS)
             + " | tallaro peak (× text) | check |",
             "|---|" + "---:|" * (len(COLUMNS) + len(OTHERS) + 1) + "---|"]
    for r in results:
        times = [seconds_text(r.runs.get(t) if t in r.case.timed else None, limit)
                 for t in COLUMNS]
        ratios = [ratio_text(r, t, limit) if t in r.case.timed else "—" for t, _ in OTHERS]
        cells = [r.case.name, *times, *ratios, peak_text(r), r.check]
        lines.append("| " + " | ".join(cells) + " |")
    return "\n".join(lines)


def _chart_value(result, tool, limit):
    run = result.runs.get(tool)
    if tool not in result.case.timed or run is None or run.status != 0 and not run.timed_out:
        return "NaN"
    return f"{limit if run.timed_out else max(run.seconds, 1e-4):.6g}"


def chart(results, limit, data_path, png_path, title):
    """Clustered bars on a log scale; a bar that reaches the dashed line was stopped at
    the time limit. A case whose answers did not check carries a "*"."""
    rows = []
    for r in results:
        label = r.case.name.replace('"', "'") + (" *" if r.failed else "")
        rows.append(f'"{label}" ' + " ".join(_chart_value(r, t, limit) for t in COLUMNS))
    Path(data_path).write_text("\n".join(rows) + "\n")
    script = f"""
set terminal pngcairo size 1000,560 font "sans,9"
set output "{png_path}"
set title "{title}"
set style data histograms
set style histogram clustered gap 1
set style fill solid 0.85 border -1
set logscale y
set ylabel "seconds, whole process (log scale)"
set yrange [1e-3:{limit * 30:g}]
set xtics rotate by -35 scale 0
set key top left horizontal opaque
set rmargin 16
set bmargin 9
set arrow from graph 0, first {limit:g} to graph 1, first {limit:g} nohead dashtype 2
set label "time limit {limit:g} s: a bar that reaches it was stopped there" at graph 0.99, first {limit * 1.4:g} right
plot "{data_path}" using 2:xtic(1) title "{HEADINGS[0]}" noenhanced lc rgb "#c0392b", \\
     "" using 3 title "{HEADINGS[1]}" noenhanced lc rgb "#7f8c8d", \\
     "" using 4 title "{HEADINGS[2]}" noenhanced lc rgb "#2e86c1", \\
     "" using 5 title "{HEADINGS[3]}" noenhanced lc rgb "#27ae60"
"""
    subprocess.run(["gnuplot"], input=script, text=True, check=True)
