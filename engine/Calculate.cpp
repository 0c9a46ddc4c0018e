// The engine's entry point and its addition and subtraction path.
#include "DecimalEngine.h"
#include "DigitRuns.h"
#include "NumberText.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <cassert>
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

// A number text's parts with the integer part's leading zeros skipped.
PointSplit significant(std::string_view number) {
    PointSplit parts = splitAtPoint(number);
    parts.integer.remove_prefix(firstNonZero(parts.integer));
    return parts;
}

// |a| + |b| for unsigned number texts, laid out as it is added: the fractions lined up at the
// point, the carry out of the first place decided from the left so that the text is sized
// once, and the digits written from the right straight into their places. Neither operand
// is moved or copied, which for operands of tens of millions of digits is most of the work.
DecimalString sumOf(std::string_view a, std::string_view b, bool negative) {
    PointSplit x = significant(a), y = significant(b);
    if (x.integer.size() < y.integer.size())
        std::swap(x, y);
    const std::string_view head = x.integer.substr(0, x.integer.size() - y.integer.size());
    const std::string_view low = x.integer.substr(head.size());
    const bool xLonger = x.fraction.size() >= y.fraction.size();
    const std::string_view longer = xLonger ? x.fraction : y.fraction;
    const std::string_view shorter = xLonger ? y.fraction : x.fraction;
    const std::string_view lined = longer.substr(0, shorter.size()),
                           tail = longer.substr(shorter.size());
    int decided = digits::carryOut(head, {});
    decided = decided != 0 ? decided : digits::carryOut(low, y.integer);
    decided = decided != 0 ? decided : digits::carryOut(lined, shorter);
    decided = decided != 0 ? decided : digits::carryOut(tail, {});
    const unsigned top = decided > 0 ? 1 : 0;

    // A whole zero is "0" without a sign; any other answer keeps it (-0.0 included).
    const std::size_t k = longer.size();
    const std::size_t sign = negative && (k > 0 || !x.integer.empty()) ? 1 : 0;
    const std::size_t point = sign + std::max<std::size_t>(top + x.integer.size(), 1);
    DecimalString text;
    growPolled(text, point + (k > 0 ? 1 + k : 0), '0');
    char *const fraction = text.data() + point + 1;
    if (k > 0) {
        text[point] = '.';
        digits::addCarry(tail, fraction + lined.size(), 0); // a copy, a block at a time
    }
    unsigned carry = digits::addRuns(lined, shorter, fraction, 0);
    carry = digits::addRuns(low, y.integer, text.data() + point - low.size(), carry);
    carry = digits::addCarry(head, text.data() + point - x.integer.size(), carry);
    assert(carry == top);
    if (top != 0)
        text[sign] = '1';
    if (sign != 0)
        text[0] = '-';
    return text;
}

} // namespace

DecimalString DecimalEngine::addOrSubtract(DecimalString a, int signA, DecimalString b, int signB) {
    const Progress unknownShare(0); // a few passes, each polling, none the measure of the rest
    // When A's sign and the second term's (already turned for a subtraction) agree the
    // magnitudes add up.
    if (signA == signB)
        return sumOf(a, b, signA < 0);
    const PointSplit splitA = splitAtPoint(a);
    const PointSplit splitB = splitAtPoint(b);
    const std::size_t integerA = splitA.integer.size();
    const std::size_t integerB = splitB.integer.size();
    const std::size_t integerWidth = std::max(integerA, integerB);
    const std::size_t k = std::max(splitA.fraction.size(), splitB.fraction.size());
    alignDigits(a, integerA, integerWidth, k);
    alignDigits(b, integerB, integerWidth, k);

    // Otherwise the smaller comes off the larger, and a tie keeps A's sign (-1.5 + 1.5 = -0.0).
    if (compareDigits(a, b) == 1)
        return writtenInPlace(subtractDigits(a, b, 1), k, signA < 0);
    return writtenInPlace(subtractDigits(a, b, -1), k, signA > 0);
}

} // namespace tallaro
