"""Whether the tools' answers agree digit for digit.

Only what is format is normalised, and the same way for every tool:
  - the line end, and for a repetend search the places after the answer;
  - a missing "0" in front of the point: bc prints .5 and -.5;
  - a zero is 0, whatever its sign and fraction zeros: bc prints 0 where 1.5 − 1.5
    keeps the operands' width, 0.0;
  - of a quotient, the fraction after the requested number of places, then its trailing
    zeros and a bare point: bc and Python fill the places with zeros where tallaro-calc
    ends an exact quotient at its last non-zero digit, and a step of tallaro-calc's digit
    loop may write a few places beyond the requested ones.
Sums, differences and products keep their fraction width in all three tools, so their
trailing zeros are compared."""


def normalised(text, quotient_places=None):
    number = text.strip().split("\t")[0]
    sign = "-" if number.startswith("-") else ""
    number = number[len(sign):]
    if number.startswith("."):
        number = "0" + number
    if quotient_places is not None and "." in number:
        integer, fraction = number.split(".")
        number = (integer + "." + fraction[:quotient_places].rstrip("0")).rstrip(".")
    if number.strip("0.") == "" and number != "":
        return "0"
    return sign + number


def first_difference(x, y):
    for i, (p, q) in enumerate(zip(x, y)):
        if p != q:
            return i
    return min(len(x), len(y))


def disagreement(answers, quotient_places=None):
    """answers: tool name to answer text, tallaro-calc's first, of the tools that finished.
    The empty text when every answer is a number and they all agree; otherwise what is
    wrong, in a few words."""
    texts = {tool: normalised(text, quotient_places) for tool, text in answers.items()}
    problems = [f"{tool}: no answer" for tool, text in texts.items() if text == ""]
    if problems:
        return "; ".join(problems)
    first_tool, first = next(iter(texts.items()))
    for tool, text in texts.items():
        if text != first:
            at = first_difference(first, text)
            return f"{first_tool} and {tool} differ at character {at + 1}"
    return ""
