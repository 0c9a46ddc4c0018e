// The engine's entry point and its addition and subtraction path.
#include "DecimalEngine.h"
#include "NumberText.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <utility>

namespace tallaro {

using namespace numtext;

DecimalString DecimalEngine::calculate(DecimalString a, std::string_view op, DecimalString b) {
    // Emptiness is judged on the texts as typed: an operand of separators only is not empty.
    if (a.empty() || b.empty() || op.empty())
        return {};
    const TextScan scanA = scanText(a);
    const TextScan scanB = scanText(b);
    if (!scanA.number || !scanB.number)
        return {};
    if (scanA.separators)
        removeSeparators(a);
    if (scanB.separators)
        removeSeparators(b);
    if (op == "*")
        return multiply(std::move(a), std::move(b));
    if (op == "/")
        return divide(std::move(a), std::move(b));
    if (op != "+" && op != "-")
        return {};
    const int signA = scanA.minus ? takeSign(a) : 1;
    const int signB = scanB.minus ? takeSign(b) : 1;
    return addOrSubtract(std::move(a), signA, std::move(b), op == "-" ? -signB : signB);
}

namespace {

// The magnitude r (its point k digits from the right end) written as an answer: no leading
// zeros before the point but a single "0", and "-" unless the text is exactly "0". Written
// inside r, which runs to millions of digits, instead of into a second buffer.
DecimalString writtenInPlace(std::string r, std::size_t k, bool negative) {
    const std::size_t integerLength = r.size() - k;
    std::size_t zeros = firstNonZero(std::string_view(r).substr(0, integerLength));
    if (integerLength == 0) {
        r.insert(0, 1, '0');
    } else if (zeros == integerLength) {
        --zeros; // keep one "0" in front of the point
    }
    if (k > 0)
        r.insert(r.size() - k, 1, '.');
    dropZerosAndSign(r, zeros, negative);
    return r;
}

} // namespace

DecimalString DecimalEngine::addOrSubtract(DecimalString a, int signA, DecimalString b,
                                          int signB) {
    const Progress unknownShare(0); // a few passes, each polling, none the measure of the rest
    const PointSplit splitA = splitAtPoint(a);
    const PointSplit splitB = splitAtPoint(b);
    const std::size_t integerA = splitA.integer.size();
    const std::size_t integerB = splitB.integer.size();
    const std::size_t integerWidth = std::max(integerA, integerB);
    const std::size_t k = std::max(splitA.fraction.size(), splitB.fraction.size());
    alignDigits(a, integerA, integerWidth, k);
    alignDigits(b, integerB, integerWidth, k);

    // When A's sign and the second term's (already turned for a subtraction) agree the
    // magnitudes add up; otherwise the smaller comes off the larger, and a tie keeps A's sign
    // (-1.5 + 1.5 = -0.0).
    if (signA == signB)
        return writtenInPlace(addDigits(a, b), k, signA < 0);
    if (compareDigits(a, b) == 1)
        return writtenInPlace(subtractDigits(a, b, 1), k, signA < 0);
    return writtenInPlace(subtractDigits(a, b, -1), k, signA > 0);
}

} // namespace tallaro
