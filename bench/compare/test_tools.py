"""python3 -B -m unittest discover -s bench/compare: the Python contender's quotients, the
operand generator, bc's scale, and the process runner's limit."""
import tempfile
import unittest
from pathlib import Path

from cases import Case, lit, rnd
from measure import run_once
from operands import bc_scale, random_number
from pydecimal_calc import answer


class PythonContenderTest(unittest.TestCase):
    def test_table(self):
        cases = [  # A, op, B, places, answer as printed
            ("1", "/", "7", 20, "0.14285714285714285714"),
            ("22", "/", "7", 20, "3.14285714285714285714"),
            ("12345", "/", "7", 0, "1763"),
            ("1", "/", "100000", 3, "0.000"),  # below the last place: zero, not 1E-5
            ("1", "/", "1001", 30, "0.000999000999000999000999000999"),
            ("999", "/", "0.001", 2, "999000.00"),  # the quotient has more digits than A
            ("0.5", "/", "3", 5, "0.16666"),
            ("-2", "/", "3", 5, "-0.66666"),  # truncated towards zero, never rounded
            ("1" + "0" * 30, "/", "3", 1, "3" * 30 + ".3"),
            ("1.50", "+", "2.5", 0, "4.00"),
            ("123.456", "*", "7.89", 0, "974.06784"),
            ("9" * 40, "*", "9" * 40, 0, "9" * 39 + "8" + "0" * 39 + "1"),  # past 28 digits
            ("1E+1000000", "+", "1", 0, "1" + "0" * 999999 + "1"),  # beyond the default Emax
        ]
        for a, op, b, places, expected in cases:
            with self.subTest(a=a[:20], op=op, b=b, places=places):
                self.assertEqual(format(answer(a, op, b, places), "f"), expected)


class OperandsTest(unittest.TestCase):
    def test_random_number_table(self):
        for digits, fraction in [(1, 0), (5, 0), (5, 2), (5, 5), (100, 1)]:
            with self.subTest(digits=digits, fraction=fraction):
                text = random_number(rnd(digits, fraction), "seed")
                integer, _, frac = text.partition(".")
                self.assertEqual(len(frac), fraction)
                self.assertEqual(len(integer.lstrip("0") + frac), digits)
                self.assertNotEqual((integer.lstrip("0") + frac)[0], "0")
                self.assertEqual(text, random_number(rnd(digits, fraction), "seed"))

    def test_bc_scale_table(self):
        cases = [  # op, A, B, places, scale
            ("*", "1.50", "2.5", 0, 3),
            ("*", "12", "3", 0, 0),
            ("/", "1", "7", 1000, 1000),
            ("+", "1.5", "2.25", 0, 0),
        ]
        for op, a, b, places, expected in cases:
            with self.subTest(op=op, a=a, b=b):
                self.assertEqual(bc_scale(Case("", op, lit(a), lit(b), places), a, b), expected)


class RunOnceTest(unittest.TestCase):
    def test_table(self):
        cases = [  # command, limit, timed out, status, first error line
            (["sh", "-c", "echo 5; exit 0"], 10, False, 0, ""),
            (["sh", "-c", "echo oops >&2; exit 3"], 10, False, 3, "oops"),
            (["sleep", "30"], 0.3, True, None, ""),
        ]
        with tempfile.TemporaryDirectory() as folder:
            out = Path(folder) / "out"
            for command, limit, timed_out, status, error in cases:
                with self.subTest(command=command):
                    run = run_once(command, "/dev/null", out, limit)
                    self.assertEqual(run.timed_out, timed_out)
                    self.assertLess(run.seconds, 10)  # a killed run does not wait for its end
                    if status is not None:
                        self.assertEqual(run.status, status)
                    self.assertEqual(run.error, error)


if __name__ == "__main__":
    unittest.main()
