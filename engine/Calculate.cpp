// The engine's entry point and its addition and subtraction path.
#include "DecimalEngine.h"
#include "NumberText.h"

#include <algorithm>
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

// The operand's integer and fraction digits, with zeros in front of the integer part and
// behind the fraction part so that both operands have the same digit positions.
std::string aligned(PointSplit number, std::size_t integerWidth, std::size_t fractionWidth) {
    std::string digits;
    digits.reserve(integerWidth + fractionWidth);
    digits.append(integerWidth - number.integer.size(), '0');
    digits.append(number.integer);
    digits.append(number.fraction);
    digits.append(fractionWidth - number.fraction.size(), '0');
    return digits;
}

// The magnitude r (point k digits from its right end) written as an answer: no leading
// zeros in front of the point but a single "0", and "-" unless the text is exactly "0".
DecimalString written(std::string_view r, std::size_t k, bool negative) {
    std::string_view integer = r.substr(0, r.size() - k);
    integer.remove_prefix(firstNonZero(integer));
    if (integer.empty())
        integer = "0";
    const bool signed_ = negative && !(integer == "0" && k == 0);
    DecimalString answer;
    answer.reserve(integer.size() + k + 2);
    if (signed_)
        answer += '-';
    answer += integer;
    if (k > 0) {
        answer += '.';
        answer += r.substr(r.size() - k);
    }
    return answer;
}

} // namespace

DecimalString DecimalEngine::addOrSubtract(DecimalString a, bool subtract, DecimalString b) {
    const int signA = takeSign(a);
    const int signB = takeSign(b);
    const PointSplit splitA = splitAtPoint(a);
    const PointSplit splitB = splitAtPoint(b);
    const std::size_t integerWidth = std::max(splitA.integer.size(), splitB.integer.size());
    const std::size_t k = std::max(splitA.fraction.size(), splitB.fraction.size());
    const std::string x = aligned(splitA, integerWidth, k);
    const std::string y = aligned(splitB, integerWidth, k);

    // When A's sign and the second term's effective sign agree the magnitudes add up;
    // otherwise the smaller comes off the larger, and a tie keeps A's sign (-1.5 + 1.5 = -0.0).
    const int effectiveSignB = subtract ? -signB : signB;
    if (signA == effectiveSignB)
        return written(addDigits(x, y), k, signA < 0);
    if (compareDigits(x, y) == 1)
        return written(subtractDigits(x, y, 1), k, signA < 0);
    return written(subtractDigits(x, y, -1), k, signA > 0);
}

} // namespace tallaro
