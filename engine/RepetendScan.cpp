#include "RepetendScan.h"

#include "LimbDivide.h"
#include "PrePeriod.h"
#include "RepetendRule.h"
#include "Residues.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace tallaro {

namespace {

// The preparation's entries: the dividend followed by 0, 1, 2, ... zeros.
class PresetEntries {
  public:
    PresetEntries(std::span<const Limb> dividend, int count)
        : m_dividend(dividend), m_digits(decimalDigitCount(dividend)),
          m_count(static_cast<std::size_t>(count)) {}

    int count() const { return static_cast<int>(m_count); }

    // The number of the entry that is r, or 0.
    int find(std::span<const Limb> r) const {
        const std::size_t digits = decimalDigitCount(r);
        if (digits < m_digits || digits - m_digits >= m_count)
            return 0;
        const std::size_t zeros = digits - m_digits;
        if (!endsInZeros(r, zeros) ||
            compareLimbs(r, shiftedByDecimalPlaces(m_dividend, zeros)) != 0)
            return 0;
        return static_cast<int>(zeros) + 1;
    }

  private:
    // A cheap test that turns nearly every remainder away before a comparison.
    static bool endsInZeros(std::span<const Limb> r, std::size_t zeros) {
        const std::size_t whole = zeros / kLimbDigits;
        if (std::any_of(r.begin(), r.begin() + static_cast<std::ptrdiff_t>(whole),
                        [](Limb l) { return l != 0; }))
            return false;
        Limb power = 1;
        for (std::size_t i = 0; i < zeros % kLimbDigits; ++i)
            power *= 10;
        return r[whole] % power == 0;
    }

    std::span<const Limb> m_dividend;
    std::size_t m_digits;
    std::size_t m_count;
};

// The remainders recorded, found through a hash of their limbs.
class RecordedEntries {
  public:
    int find(const Limbs &r) const {
        const auto [first, last] = m_byHash.equal_range(hashOf(r));
        for (auto it = first; it != last; ++it)
            if (m_values[it->second] == r)
                return static_cast<int>(it->second) + 1;
        return 0;
    }

    void add(const Limbs &r) {
        m_byHash.emplace(hashOf(r), m_values.size());
        m_values.push_back(r);
    }

  private:
    static std::size_t hashOf(const Limbs &r) {
        std::uint64_t hash = 1469598103934665603ULL;
        for (const Limb limb : r)
            hash = (hash ^ limb) * 1099511628211ULL;
        return static_cast<std::size_t>(hash);
    }

    std::unordered_multimap<std::size_t, std::size_t> m_byHash;
    std::vector<Limbs> m_values;
};

// The digit loop's lookups one remainder after another, each from the one before and the
// quotient's digit at the next place: n / 9 limb operations a place.
RepetendPlaces scanExactly(std::span<const Limb> dividend, std::span<const Limb> d,
                           std::span<const Limb> remainder, std::string_view fraction, int first,
                           std::int64_t last) {
    remainder = withoutLeadingZeros(remainder);
    assert(!remainder.empty() && compareLimbs(remainder, d) < 0);
    // As many limbs as d has and one to spare for 10 r: equal remainders have equal limbs.
    Limbs r(d.size() + 1, 0);
    std::copy(remainder.begin(), remainder.end(), r.begin());
    const PresetEntries presets(dividend, first);
    RecordedEntries recorded;
    Progress progress(static_cast<std::uint64_t>(last - first) + 1);
    for (std::int64_t place = first;; ++place) {
        progress.reach(static_cast<std::uint64_t>(place - first), d.size());
        if (const int entry = lookUpRemainder(presets, recorded, r, place); entry != 0)
            return {entry, repetendTail(place)};
        if (place == last)
            return {};
        // The next remainder: 10 r less d times the quotient's digit at the next place.
        multiplyByLimb(std::span(r).first(d.size()), 10, r);
        const auto digit =
            static_cast<std::uint64_t>(fraction[static_cast<std::size_t>(place)] - '0');
        [[maybe_unused]] const bool fits = subtractMultiple(r, d, digit);
        assert(fits && compareLimbs(r, d) < 0 && decimalDigitCount(r) > 0);
    }
}

// x_t = A 10^t mod D.
Limbs remainderAt(std::span<const Limb> a, std::span<const Limb> d, std::int64_t t) {
    return divideLimbs(shiftedByDecimalPlaces(a, static_cast<std::size_t>(t)), d).remainder;
}

// Matches by chance before the scan by residues leaves the places to the exact scan.
constexpr int kChanceMatchesAllowed = 4;

// The same lookups on residues modulo P: x_t = A 10^t - Q_t D, with Q_t the quotient's
// digits to place t, so x_(t+1)'s residue is 10 times x_t's less the next digit times D's,
// one product a place whatever D's length. The first remainder to come back is x_s, so each
// place's residue is compared with x_s's alone, and a match is confirmed on the numbers
// themselves. Nothing when residues match by chance too often.
std::optional<RepetendPlaces> scanByResidues(std::span<const Limb> a, std::span<const Limb> d,
                                             std::string_view integer, std::string_view fraction,
                                             int first, std::int64_t last, std::int64_t s) {
    using namespace residue;
    const std::uint64_t ar = ofLimbs(a), dr = ofLimbs(d);
    std::array<std::uint64_t, 10> digitTimesD{};
    for (std::uint64_t digit = 1; digit < 10; ++digit)
        digitTimesD[digit] = add(digitTimesD[digit - 1], dr);
    const std::uint64_t quotient =
        appendDigits(appendDigits(0, integer), fraction.substr(0, static_cast<std::size_t>(first)));
    std::uint64_t r = subtract(multiply(ar, powerOfTen(static_cast<std::uint64_t>(first))),
                               multiply(quotient, dr));
    // The preparation's entries are the dividend's digits followed by zeros.
    std::optional<std::uint64_t> target;
    if (s < first)
        target = multiply(ar, powerOfTen(static_cast<std::uint64_t>(s)));
    Limbs xs;
    int chance = 0;
    Progress progress(static_cast<std::uint64_t>(last - first) + 1);
    for (std::int64_t t = first;; ++t) {
        progress.reach(static_cast<std::uint64_t>(t - first), 1);
        if (t == s) {
            target = r;
        } else if (target && r == *target) {
            if (xs.empty())
                xs = s < first ? shiftedByDecimalPlaces(a, static_cast<std::size_t>(s))
                               : remainderAt(a, d, s);
            if (compareLimbs(remainderAt(xs, d, t - s), xs) == 0)
                return RepetendPlaces{static_cast<int>(s + 1), repetendTail(t)};
            if (++chance > kChanceMatchesAllowed)
                return std::nullopt;
        }
        if (t == last)
            return RepetendPlaces{};
        const auto digit = static_cast<std::size_t>(fraction[static_cast<std::size_t>(t)] - '0');
        r = subtract(multiply(r, 10), digitTimesD[digit]);
    }
}

} // namespace

RepetendPlaces scanRepetend(std::span<const Limb> dividend, std::span<const Limb> divisor,
                            std::string_view integer, std::string_view fraction, int first,
                            std::int64_t last) {
    const std::span<const Limb> d = withoutLeadingZeros(divisor);
    assert(first >= 0 && first <= last && fraction.size() >= static_cast<std::size_t>(last));
    // Only an entry can be matched: one of the preparation's (the places below `first`) or
    // one recorded (the places below kRecordedPlaces). When x_s is neither, nothing comes back.
    const std::optional<std::int64_t> s = prePeriod(dividend, d);
    if (s && *s >= std::max(first, kRecordedPlaces))
        return {};
    if (s) {
        if (const auto found = scanByResidues(dividend, d, integer, fraction, first, last, *s))
            return *found;
    }
    return scanExactly(dividend, d, remainderAt(dividend, d, first), fraction, first, last);
}

} // namespace tallaro
