// Where the digit loop stops, without running it. Once the loop is past the zero places
// in front of a dividend shorter than the divisor, a step ends at fraction place t exactly
// when the remainder r_t = A * 10^t mod D is zero or has at least n - 1 digits (n being
// D's length): a finished digit whose remainder is shorter brings down zeros, each a 0
// place, until the partial dividend has n digits again, and the step ends with the last of
// them. A zero remainder comes only from the divisor going exactly, which ends the loop.
// So the stop rule, tested at step ends, fires at p + max(0, n - 1 - digits(r_p)) for the
// precision p, unless the quotient is exact by place p, and the text is
// floor(A * 10^f / D) with f fraction digits.
#include "FastDivide.h"

#include "DecimalEngine.h"
#include "LimbDivide.h"
#include "RepetendScan.h"
#include "Thresholds.h"

#include <algorithm>
#include <cstdint>

namespace tallaro {

namespace {

// q / 10^places with exactly `places` fraction digits and `zeros` 0s after them, sized
// once; the integer part is "0" when it is empty. Returns the index of the ".".
std::size_t writeQuotient(std::span<const Limb> q, std::size_t places, std::size_t zeros,
                          std::string &text) {
    const std::size_t width = std::max(decimalDigitCount(q), places + 1);
    const std::size_t point = width - places;
    text.assign(width + 1 + zeros, '0');
    unpackDigits(q, std::span(text).first(width));
    const auto begin = text.begin();
    std::copy_backward(begin + static_cast<std::ptrdiff_t>(point),
                       begin + static_cast<std::ptrdiff_t>(width),
                       begin + static_cast<std::ptrdiff_t>(width + 1));
    text[point] = '.';
    return point;
}

// An exact quotient ends at its last non-zero digit, and a whole one has no point at all.
// Returns the fraction place of the last digit, -1 for a whole number.
int dropTrailingZeros(std::string &text, std::size_t point) {
    const std::size_t last = text.find_last_not_of('0');
    if (last == point) {
        text.resize(point);
        return -1;
    }
    text.resize(last + 1);
    return static_cast<int>(last - point);
}

// floor(a * 10^places / d) and its remainder. A quotient that ends has ended by the place
// 4n (n being d's digits): d / gcd(a, d) must then divide a power of ten, so it is 2^i 5^j
// with i and j below log2(d) < 3.33 n. Trying that place first spares a long division and
// a long text when a large precision meets an exact quotient (1 / 8 to 10^6 places); places
// becomes the place where it ended.
LimbQuotient quotientTo(std::span<const Limb> a, std::span<const Limb> d, std::size_t &places) {
    const std::size_t endsBy = 4 * decimalDigitCount(d);
    if (places > endsBy) {
        LimbQuotient probe = divideLimbs(shiftedByDecimalPlaces(a, endsBy), d);
        if (probe.remainder.empty()) {
            places = endsBy;
            return probe;
        }
    }
    return divideLimbs(shiftedByDecimalPlaces(a, places), d);
}

// The loop's lookups from the first place it records (after the preparation's entries) to
// the place it stops at. Remainders never come back in an exact quotient, so there only
// the places the loop records matter.
void findRepetend(DecimalEngine &engine, std::span<const Limb> a, std::span<const Limb> d,
                  bool exact) {
    const int preset = std::max(engine.m_divisorLength - engine.m_dividendLength, 0);
    engine.m_presetRemainders = preset;
    const int last = exact ? std::min(engine.m_fractionPlace - 1, kRecordedPlaces - 1)
                           : engine.m_fractionPlace;
    const RepetendPlaces places = scanRepetend(a, d, preset, last, engine.m_remainderHistory);
    if (places.head == 0)
        return;
    engine.m_repetendHead = places.head;
    engine.m_repetendTail = places.tail;
    engine.m_repetendFound = 1;
}

} // namespace

bool divideOnLimbs(DecimalEngine &engine, bool bySize) {
    const int m = engine.m_dividendLength, n = engine.m_divisorLength;
    const int p = std::max(engine.m_fractionDigits, 0);
    // Inside those zero places the first step of the loop may write past p.
    if (p < n - m)
        return false;
    const int integerPlaces = std::max(m - n + 1, 1);
    const std::uint64_t digitPairs =
        (static_cast<std::uint64_t>(integerPlaces) + static_cast<std::uint64_t>(p)) *
        static_cast<std::uint64_t>(n);
    if (bySize && digitPairs < thresholds::kLimbDivideMinDigitPairs)
        return false;

    const Limbs a = packDigits(engine.m_dividendDigits);
    const Limbs d = packDigits(engine.m_divisorDigits);
    auto places = static_cast<std::size_t>(p);
    const LimbQuotient qr = quotientTo(a, d, places);
    const bool exact = qr.remainder.empty();
    const auto shortest = static_cast<std::size_t>(n - 1);
    const std::size_t zeros = exact ? 0 : shortest - std::min(decimalDigitCount(qr.remainder), shortest);
    const std::size_t point = writeQuotient(qr.quotient, places, zeros, engine.m_quotient);

    engine.m_fractionPlace = exact ? dropTrailingZeros(engine.m_quotient, point)
                                   : p + static_cast<int>(zeros);
    engine.m_quotientSteps = integerPlaces + std::max(engine.m_fractionPlace, 0);
    engine.m_currentDigit = 0;
    if (engine.m_findRepetend == 1)
        findRepetend(engine, a, d, exact);
    return true;
}

} // namespace tallaro
