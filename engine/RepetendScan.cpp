#include "RepetendScan.h"

#include "RepetendRule.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
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
        if (!endsInZeros(r, zeros) || compareLimbs(r, shiftedByDecimalPlaces(m_dividend, zeros)) != 0)
            return 0;
        return static_cast<int>(zeros) + 1;
    }

private:
    // A cheap test that turns nearly every remainder away before a comparison.
    static bool endsInZeros(std::span<const Limb> r, std::size_t zeros) {
        const std::size_t whole = zeros / kLimbDigits;
        if (std::any_of(r.begin(), r.begin() + static_cast<std::ptrdiff_t>(whole), [](Limb l) { return l != 0; }))
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

} // namespace

RepetendPlaces scanRepetend(std::span<const Limb> dividend, std::span<const Limb> divisor,
                            std::span<const Limb> remainder, std::string_view fraction, int first,
                            int last) {
    const std::span<const Limb> d = withoutLeadingZeros(divisor);
    remainder = withoutLeadingZeros(remainder);
    assert(first >= 0 && first <= last && fraction.size() >= static_cast<std::size_t>(last));
    assert(!remainder.empty() && compareLimbs(remainder, d) < 0);
    // As many limbs as d has and one to spare for 10 r: equal remainders have equal limbs.
    Limbs r(d.size() + 1, 0);
    std::copy(remainder.begin(), remainder.end(), r.begin());
    const PresetEntries presets(dividend, first);
    RecordedEntries recorded;
    Progress progress(static_cast<std::uint64_t>(last - first) + 1);
    for (int place = first;; ++place) {
        progress.reach(static_cast<std::uint64_t>(place - first), d.size());
        if (const int entry = lookUpRemainder(presets, recorded, r, place); entry != 0)
            return {entry, place};
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

} // namespace tallaro
