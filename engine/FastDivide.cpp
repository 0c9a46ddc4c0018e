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
#include "ShortQuotient.h"
#include "Thresholds.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <cassert>
#include <cstdint>

namespace tallaro {

namespace {

// The share of a division's progress that its quotient takes when the repetend is looked for
// as well: a place of the scan costs about ten times what the division spends on it.
constexpr double kQuotientShareWhenScanning = 0.1;

// floor(a * 10^places / d) and its remainder. A quotient that ends has ended by the place
// `first` + 4n (n being d's digits, `first` the zero places in front of the first
// comparison): with r the remainder there, d / gcd(r, d) must divide a power of ten, so it is
// 2^i 5^j with i and j below log2(d) < 3.33 n. Trying that place first spares a long
// division and a long text when a large precision meets an exact quotient (1 / 8 to 10^6
// places); places becomes the place where it ended.
LimbQuotient divideToPlaces(std::span<const Limb> a, std::span<const Limb> d, std::size_t first,
                            std::size_t &places) {
    const std::size_t endsBy = first + 4 * decimalDigitCount(d);
    if (places > endsBy) {
        const ProgressRange noShare(0, 0); // the bar starts with the division that counts
        LimbQuotient probe = divideLimbs(shiftedByDecimalPlaces(a, endsBy), d);
        if (probe.remainder.empty()) {
            places = endsBy;
            return probe;
        }
    }
    return divideLimbs(shiftedByDecimalPlaces(a, places), d);
}

// The quotient's text, sized once: "-" when negative, q with `places` fraction digits (its
// integer part "0" when it has none), and `zeros` 0s. Returns the index of the point. The
// digits are written in one piece and the shorter side of the point moves over by one.
std::size_t writeQuotient(std::span<const Limb> q, std::size_t places, std::size_t zeros,
                          bool negative, std::string &text) {
    const std::size_t sign = negative ? 1 : 0;
    const std::size_t width = std::max(decimalDigitCount(q), places + 1);
    text.clear();
    growPolled(text, sign + width + 1 + zeros, '0');
    const std::size_t point = sign + width - places;
    const auto at = [&text](std::size_t i) {
        return text.begin() + static_cast<std::ptrdiff_t>(i);
    };
    if (width - places > places) {
        unpackDigits(q, std::span(text).subspan(sign, width));
        std::copy_backward(at(point), at(sign + width), at(sign + width + 1));
    } else {
        unpackDigits(q, std::span(text).subspan(sign + 1, width));
        std::copy(at(sign + 1), at(point + 1), at(sign));
    }
    text[point] = '.';
    if (negative)
        text[0] = '-';
    return point;
}

// An exact quotient ends at its last non-zero digit, and a whole one has no point at all.
// Returns the fraction place of the last digit, -1 for a whole number.
std::int64_t dropTrailingZeros(std::string &text, std::size_t point) {
    const std::size_t last = text.find_last_not_of('0');
    if (last == point) {
        text.resize(point);
        return -1;
    }
    text.resize(last + 1);
    return static_cast<std::int64_t>(last - point);
}

} // namespace

bool divideOnLimbs(DecimalEngine &engine, bool bySize, bool negative) {
    const int m = engine.m_dividendLength, n = engine.m_divisorLength;
    const int p = std::max(engine.m_fractionDigits, 0);
    // The zero places in front of a dividend shorter than the divisor: the loop writes them
    // in its first step, which may end past p.
    const int zeroPlaces = std::max(n - m, 0);
    if (p < zeroPlaces)
        return false;
    const int integerPlaces = std::max(m - n + 1, 1);
    const std::uint64_t digitPairs =
        (static_cast<std::uint64_t>(integerPlaces) + static_cast<std::uint64_t>(p)) *
        static_cast<std::uint64_t>(n);
    if (bySize && digitPairs < thresholds::kLimbDivideMinDigitPairs)
        return false;

    const Limbs a = packDigits(engine.m_dividendDigits);
    const Limbs d = packDigits(engine.m_divisorDigits);
    std::string &text = engine.m_quotient;
    // A remainder shorter than n - 1 digits brings down zeros, each a 0 place, in the step
    // that ends the loop; a zero remainder has ended the quotient.
    const auto zerosAfter = [shortest = static_cast<std::size_t>(n - 1)](std::size_t digits) {
        return digits == 0 ? 0 : shortest - std::min(digits, shortest);
    };
    const bool scans = engine.m_findRepetend == 1;
    std::size_t point = 0;
    bool exact = false;
    if (const ProgressRange quotientShare(0, scans ? kQuotientShareWhenScanning : 1);
        d.size() == 1) {
        // The quotient's digits go straight into the text, and it stops where it ends.
        const ShortQuotient q = writeShortQuotient(
            engine.m_dividendDigits, static_cast<std::size_t>(p), d[0], negative, text);
        point = q.point;
        exact = q.remainder == 0;
        const std::size_t zeros = zerosAfter(decimalDigitCount(std::span(&q.remainder, 1)));
        text.append(zeros, '0'); // inside the room the text was sized with
    } else {
        auto places = static_cast<std::size_t>(p);
        const LimbQuotient qr = divideToPlaces(a, d, static_cast<std::size_t>(zeroPlaces), places);
        exact = qr.remainder.empty();
        point = writeQuotient(qr.quotient, places, zerosAfter(decimalDigitCount(qr.remainder)),
                              negative, text);
    }
    engine.m_fractionPlace =
        exact ? dropTrailingZeros(text, point) : static_cast<std::int64_t>(text.size() - point - 1);
    // Remainders never come back in a quotient that ends.
    if (scans && !exact) {
        const ProgressRange share(kQuotientShareWhenScanning, 1);
        const std::string_view digits(text);
        const std::size_t sign = negative ? 1 : 0;
        const RepetendPlaces found =
            scanRepetend(a, d, digits.substr(sign, point - sign), digits.substr(point + 1),
                         zeroPlaces, engine.m_fractionPlace);
        if (found.head != 0) {
            engine.m_repetendHead = found.head;
            engine.m_repetendTail = found.tail;
        }
    }
    return true;
}

} // namespace tallaro
