// Division: the operand checks, the scaling to whole numbers, the zero places in front of
// the first comparison, and the sign. The digits come from the digit loop, or for long
// quotients from limbs.
#include "DecimalEngine.h"
#include "FastDivide.h"
#include "NumberText.h"
#include "SizeGuard.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tallaro {

using namespace numtext;

namespace {

// Zero in any form ("0", "00", "0.0", "-0", ".", "-") has no digit 1 to 9. A number text
// holds only digits, "-" and ".", so this is the test on such a text.
bool isZero(std::string_view text) {
    return text.find_first_not_of("0-.") == std::string_view::npos;
}

bool isNonZeroNumber(std::string_view text) {
    return !text.empty() && isNumberText(text) && !isZero(text);
}

// The number's digits with its fraction filled with zeros to `fractionWidth` digits, so
// that both operands become whole numbers scaled by the same power of ten; without the
// leading zeros, which the digit loop's comparisons must not see.
std::string scaledDigits(std::string number, std::size_t fractionWidth) {
    const std::size_t integerLength = splitAtPoint(number).integer.size();
    alignDigits(number, integerLength, integerLength, fractionWidth);
    number.erase(0, firstNonZero(number));
    return number;
}

} // namespace

DecimalString DecimalEngine::divide(DecimalString a, DecimalString b) {
    // Refused before anything changes: the digit loop's text arithmetic is only sound on
    // digits.
    if (!isNonZeroNumber(a) || !isNonZeroNumber(b))
        return {};
    // The scaled operands are no longer than both texts together, and they are counted in int.
    refuseOverlong(std::uint64_t{a.size()} + b.size());

    m_fractionPlace = -1;
    m_quotient.clear();
    m_quotientSteps = 0;
    m_currentDigit = 0;
    m_repetendFound = 0;
    m_remainderHistory = "*";
    m_remainderIndex.clear();
    m_presetRemainders = 0;

    const bool negative = takeSign(a) != takeSign(b);
    const std::size_t fractionWidth =
        std::max(splitAtPoint(a).fraction.size(), splitAtPoint(b).fraction.size());
    m_dividendDigits = scaledDigits(std::move(a), fractionWidth);
    m_divisorDigits = scaledDigits(std::move(b), fractionWidth);
    m_dividendLength = static_cast<int>(m_dividendDigits.size());
    m_divisorLength = static_cast<int>(m_divisorDigits.size());

    // Long quotients come from limbs: the same answer, fraction place and repetend places as
    // the loop gives, without the loop's own bookkeeping.
    const bool onLimbs = m_divisionMethod != DivisionMethod::DigitLoop &&
                         divideOnLimbs(*this, m_divisionMethod == DivisionMethod::BySize, negative);
    if (!onLimbs) {
        // The places in front of the point, or the zero places in front of the first
        // comparison, are certain; the fraction may end early, so it grows as it comes.
        m_quotient.reserve(m_dividendDigits.size() + m_divisorDigits.size() + 2);
        std::string p = firstPartialDividend();
        if (m_findRepetend == 1)
            divideDigitsFindRepetend(std::move(p), m_divisorDigits);
        else
            divideDigits(std::move(p), m_divisorDigits);
        dropZerosAndSign(m_quotient, 0, negative);
    }
    // The quotient is the answer: handed over, not copied, since it runs to millions of digits.
    DecimalString answer = std::move(m_quotient);
    m_quotient.clear();
    return answer;
}

std::string DecimalEngine::firstPartialDividend() {
    const auto n = static_cast<std::size_t>(m_divisorLength);
    // Sized once for the whole loop: the partial dividend never holds more than n + 1 digits.
    std::string p;
    p.reserve(n + 2);
    p.assign(m_dividendDigits, 0, n);
    if (m_dividendLength >= m_divisorLength)
        return p;

    // A dividend shorter than the divisor: the integer place and the fraction places up to
    // n - m - 1 are 0 without a comparison. Their remainders are the dividend's digits
    // followed by 0, 1, 2, ... zeros; detection counts them instead of writing them out,
    // which would take (n - m)^2 / 2 characters.
    const int zeroPlaces = m_divisorLength - m_dividendLength;
    m_quotient += "0.";
    m_quotient.append(static_cast<std::size_t>(zeroPlaces - 1), '0');
    m_quotientSteps = zeroPlaces;
    m_fractionPlace = zeroPlaces - 1;
    if (m_findRepetend == 1)
        m_presetRemainders = zeroPlaces;
    p.append(static_cast<std::size_t>(zeroPlaces), '0');
    return p;
}

} // namespace tallaro
