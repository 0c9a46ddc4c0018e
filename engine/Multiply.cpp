// Exact multiplication: schoolbook long multiplication of the bare digit strings inside the
// accumulator m_product; the point is placed afterwards by counting fraction digits.
#include "DecimalEngine.h"
#include "LimbMultiply.h"
#include "NumberText.h"
#include "SizeGuard.h"
#include "Thresholds.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tallaro {

using namespace numtext;

namespace {

// Closes the operand up around its point, in place, leaving its bare digits; returns the
// number of fraction digits.
std::size_t closeUpPoint(std::string &operand) {
    const PointSplit split = splitAtPoint(operand);
    const std::size_t point = split.integer.size();
    const std::size_t fraction = split.fraction.size();
    if (point < operand.size())
        operand.erase(point, 1);
    return fraction;
}

// The first `length` characters of text, never more than it holds.
std::string_view leadingPart(const std::string &text, int length) {
    return std::string_view(text).substr(0, static_cast<std::size_t>(std::max(length, 0)));
}

// Keeps one "0" before the point and leaves a text of zeros only as it is; drops every
// other leading zero, then writes the sign.
void trimAndSign(std::string &text, bool negative) {
    std::size_t first = firstNonZero(text);
    if (first == text.size())
        first = 0;
    else if (text[first] == '.')
        --first;
    dropZerosAndSign(text, first, negative);
}

} // namespace

DecimalString DecimalEngine::multiply(DecimalString a, DecimalString b) {
    // An operand without a digit ("-", ".") has no value to multiply; read literally it
    // would come out as a text that is not a number.
    if (a.empty() || b.empty() || !hasDigit(a) || !hasDigit(b))
        return {};
    // Its parts do not add up to a share that could be shown: a watcher sees it move.
    const Progress unknownShare(0);
    const bool negative = takeSign(a) * takeSign(b) < 0;
    const std::size_t fracDigits = closeUpPoint(a) + closeUpPoint(b);
    refuseOverlong(a.size() + b.size());
    const int lenX = static_cast<int>(a.size()), lenY = static_cast<int>(b.size());
    multiplyDigits(lenX, lenY, std::move(a), std::move(b));

    // The top place only fills when the product needs every digit of lenX + lenY.
    if (m_product.front() == '0')
        m_product.erase(0, 1);
    if (fracDigits > 0) {
        if (fracDigits > m_product.size())
            m_product = padWithZeros(std::move(m_product), static_cast<int>(fracDigits), -1);
        if (m_product.size() == fracDigits)
            m_product.insert(0, "0.");
        else
            m_product.insert(m_product.size() - fracDigits, 1, '.');
    }
    trimAndSign(m_product, negative);
    DecimalString answer;
    appendPolled(answer, m_product);
    return answer;
}

void DecimalEngine::multiplyDigits(int lenX, int lenY, std::string x, std::string y) {
    const std::string_view xs = leadingPart(x, lenX), ys = leadingPart(y, lenY);
    // Sized once, whatever the accumulator held: every place below lies inside it.
    m_product.clear();
    growPolled(m_product, xs.size() + ys.size(), '0');
    // Beyond a few digit pairs, limbs of nine digits win; the digit loop stays for short
    // operands and for any text that is not all digits (calculate passes none on).
    if (std::uint64_t{xs.size()} * ys.size() >= thresholds::kLimbMinDigitPairs && isAllDigits(xs) &&
        isAllDigits(ys)) {
        multiplyDigitTexts(xs, ys, m_product);
        return;
    }
    for (std::size_t i = xs.size(); i-- > 0;) {
        const int digitX = xs[i] - '0';
        for (std::size_t j = ys.size(); j-- > 0;) {
            const int p = digitX * (ys[j] - '0');
            const int place = static_cast<int>(i + j + 1);
            if (p < 10) {
                addDigitAt(p, place);
            } else {
                addDigitAt(p % 10, place);
                addDigitAt(p / 10, place - 1);
            }
        }
    }
}

void DecimalEngine::addDigitAt(int value, int place) {
    if (place < 0 || static_cast<std::size_t>(place) >= m_product.size())
        return;
    // A loop, not recursion: the carry can run across hundreds of thousands of places.
    // Whatever is still carried out of place 0 is dropped; a true product never has any.
    for (auto at = static_cast<std::size_t>(place) + 1; at-- > 0 && value != 0;) {
        const int d = (m_product[at] - '0') + value;
        m_product[at] = static_cast<char>('0' + d % 10);
        value = d / 10;
    }
}

std::string DecimalEngine::padWithZeros(std::string text, int length, int side) {
    if (length <= 0 || text.size() >= static_cast<std::size_t>(length))
        return text;
    const std::size_t zeros = static_cast<std::size_t>(length) - text.size();
    if (side != -1)
        return text.append(zeros, '0');
    std::string padded;
    padded.reserve(static_cast<std::size_t>(length));
    padded.append(zeros, '0');
    padded.append(text);
    return padded;
}

} // namespace tallaro
