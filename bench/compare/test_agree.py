"""python3 -B -m unittest discover -s bench/compare: the normalisation and the verdict that
decide whether the comparison's answers agree."""
import unittest

from agree import disagreement, normalised

Q = 5  # places of the quotients below


class NormalisedTest(unittest.TestCase):
    def test_table(self):
        cases = [  # text, quotient places or None, normalised
            (".5\n", None, "0.5"),
            ("-.5\n", None, "-0.5"),
            ("4.00\n", None, "4.00"),  # a sum keeps its width
            ("-0.0\n", None, "0"),
            ("0\n", None, "0"),
            ("12\n", None, "12"),
            ("0.125\t0\t0\n", None, "0.125"),  # a repetend search's places
            (".12500\n", Q, "0.125"),
            ("0.1428571\n", Q, "0.14285"),  # places past the requested ones
            ("2.\n", 0, "2"),
            ("1763.57142\n", 0, "1763"),
            ("0.00000\n", Q, "0"),
            ("-0.00000\n", Q, "0"),
            ("-2\n", Q, "-2"),
            ("\n", Q, ""),
        ]
        for text, places, expected in cases:
            with self.subTest(text=text, places=places):
                self.assertEqual(normalised(text, places), expected)


class DisagreementTest(unittest.TestCase):
    def test_table(self):
        cases = [  # answers in tool order, quotient places, verdict
            (["0.33333", ".33333", "0.33333"], Q, ""),
            (["0.125", ".12500", "0.12500"], Q, ""),
            (["3.00", "3.00", "3.00"], None, ""),
            (["3.0", "3.00", "3.00"], None, "tallaro and bc differ at character 4"),
            (["", ".5", "0.5"], Q, "tallaro: no answer"),
            (["0.5", "", ""], Q, "bc: no answer; python: no answer"),
            (["123", "124", "123"], None, "tallaro and bc differ at character 3"),
            (["12", "12", "123"], None, "tallaro and python differ at character 3"),
            (["-1", "1", "-1"], None, "tallaro and bc differ at character 1"),
            (["7"], None, ""),
        ]
        for texts, places, expected in cases:
            answers = dict(zip(["tallaro", "bc", "python"], texts))
            with self.subTest(answers=answers):
                self.assertEqual(disagreement(answers, places), expected)


if __name__ == "__main__":
    unittest.main()
