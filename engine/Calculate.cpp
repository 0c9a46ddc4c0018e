// The engine's entry point and its addition and subtraction path.
#include "DecimalEngine.h"
#include "NumberText.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tallaro {

using namespace numtext;

DecimalString DecimalEngine::calculate(DecimalString a, std::string_view op, DecimalString b) {
    // Emptiness is judged on the texts as typed: an operand of separators only is not empty.
    if (a.empty() || b.empty() || op.empty())
        return {};
    removeSeparators(a);
    removeSeparators(b);
    if (!isNumberText(a) || !isNumberText(b))
        return {};
    if (op == "*")
        return multiply(std::move(a), std::move(b));
    if (op == "/")
        return divide(std::move(a), std::move(b));
    if (op != "+" && op != "-")
        return {};
    return addOrSubtract(std::move(a), op == "-", std::move(b));
}

namespace {

// Operands run to millions of digits, so both steps below work inside the texts they are
// given: no second buffer of that size is allocated and touched.

// Turns the unsigned number text (digits and at most one point) into its digits aligned
// to integerWidth integer and fractionWidth fraction positions: zeros go in front of the
// integer part and behind the fraction part.
void alignInPlace(std::string &number, std::size_t integerWidth, std::size_t fractionWidth) {
    const PointSplit split = splitAtPoint(number);
    const std::size_t integerLength = split.integer.size();
    const std::size_t fractionLength = split.fraction.size();
    const std::size_t fractionStart = number.size() - fractionLength;
    const std::size_t front = integerWidth - integerLength;
    const std::size_t width = integerWidth + fractionWidth;
    if (width > number.size())
        number.resize(width);
    char *text = number.data();
    std::memmove(text + front + integerLength, text + fractionStart, fractionLength);
    std::memmove(text + front, text, integerLength);
    std::memset(text, '0', front);
    std::memset(text + integerWidth + fractionLength, '0', fractionWidth - fractionLength);
    number.resize(width);
}

// The magnitude r (its point k digits from the right end) written as an answer: no leading
// zeros before the point but a single "0", and "-" unless the text is exactly "0".
DecimalString writtenInPlace(std::string r, std::size_t k, bool negative) {
    const std::size_t integerLength = r.size() - k;
    std::size_t zeros = firstNonZero(std::string_view(r).substr(0, integerLength));
    if (integerLength == 0) {
        r.insert(0, 1, '0');
    } else if (zeros == integerLength) {
        --zeros; // keep one "0" in front of the point
    }
    const std::size_t point = r.size() - k;
    if (k > 0)
        r.insert(point, 1, '.');
    const bool sign = negative && !(k == 0 && r.size() - zeros == 1 && r.back() == '0');
    if (sign && zeros > 0) {
        r[--zeros] = '-';
        r.erase(0, zeros);
    } else {
        r.erase(0, zeros);
        if (sign)
            r.insert(0, 1, '-');
    }
    return r;
}

} // namespace

DecimalString DecimalEngine::addOrSubtract(DecimalString a, bool subtract, DecimalString b) {
    const int signA = takeSign(a);
    const int signB = takeSign(b);
    const PointSplit splitA = splitAtPoint(a);
    const PointSplit splitB = splitAtPoint(b);
    const std::size_t integerWidth = std::max(splitA.integer.size(), splitB.integer.size());
    const std::size_t k = std::max(splitA.fraction.size(), splitB.fraction.size());
    alignInPlace(a, integerWidth, k);
    alignInPlace(b, integerWidth, k);

    // When A's sign and the second term's effective sign agree the magnitudes add up;
    // otherwise the smaller comes off the larger, and a tie keeps A's sign (-1.5 + 1.5 = -0.0).
    const int effectiveSignB = subtract ? -signB : signB;
    if (signA == effectiveSignB)
        return writtenInPlace(addDigits(a, b), k, signA < 0);
    if (compareDigits(a, b) == 1)
        return writtenInPlace(subtractDigits(a, b, 1), k, signA < 0);
    return writtenInPlace(subtractDigits(a, b, -1), k, signA > 0);
}

} // namespace tallaro
