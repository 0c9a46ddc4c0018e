"""Runs one whole process (start, parse, compute, print) with a time limit, and measures
its wall-clock time and its peak resident memory."""
import os
import signal
import subprocess
import threading
import time
from dataclasses import dataclass
from pathlib import Path


@dataclass
class Run:
    seconds: float
    peak_mb: float
    status: int  # exit status (the tool's, passed on by GNU time); negative when killed
    timed_out: bool
    error: str = ""  # the first line the tool wrote to standard error


class _Deadline:
    """Kills the process group when the limit passes, unless the process has been reaped
    (after which its id may belong to another process)."""

    def __init__(self, process, limit):
        self._process, self._lock, self.passed = process, threading.Lock(), False
        self._timer = threading.Timer(limit, self._kill)
        self._timer.start()

    def _kill(self):
        with self._lock:
            if self._process.returncode is None:
                self.passed = True
                os.killpg(self._process.pid, signal.SIGKILL)

    def reaped(self, status):
        with self._lock:
            self._process.returncode = status
        self._timer.cancel()


def _peak_mb(path):
    # GNU time's last line is the peak in KiB (a line about a signal may come before it).
    lines = Path(path).read_text().split()
    return int(lines[-1]) / 1024 if lines and lines[-1].isdigit() else 0.0


def run_once(command, stdin_path, stdout_path, limit, env=None):
    # Started through GNU time, a small process: a child's peak memory counts the memory
    # of the process that started it, and this one holds whole operands.
    peak_path, error_path = f"{stdout_path}.peak", f"{stdout_path}.err"
    with open(stdin_path, "rb") as stdin, open(stdout_path, "wb") as stdout, \
            open(error_path, "wb") as stderr:
        start = time.perf_counter()
        process = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", peak_path, *command],
                                   stdin=stdin, stdout=stdout, stderr=stderr,
                                   env=env, start_new_session=True)
        deadline = _Deadline(process, limit)
        _, wait_status = os.waitpid(process.pid, 0)
        seconds = time.perf_counter() - start
        deadline.reaped(os.waitstatus_to_exitcode(wait_status))
    error = (Path(error_path).read_text(errors="replace").splitlines() or [""])[0]
    return Run(seconds, _peak_mb(peak_path), process.returncode, deadline.passed, error)


def best_of(command, stdin_path, stdout_path, limit, repeat, env=None):
    """The fastest of up to `repeat` runs (the least disturbed by other work on the
    machine), with the highest peak; a run that fails, times out or takes longer than a
    few seconds is not repeated."""
    runs = []
    for _ in range(repeat):
        runs.append(run_once(command, stdin_path, stdout_path, limit, env))
        last = runs[-1]
        if last.timed_out or last.status != 0 or last.seconds > 5:
            break
    best = min(runs, key=lambda r: r.seconds)
    best.peak_mb = max(r.peak_mb for r in runs)
    return best
