#include "RepetendScan.h"

#include "LimbDivide.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tallaro {

namespace {

constexpr std::int64_t kBase = kLimbBase;

// Floor division by the base, also for negative values.
std::int64_t carryOf(std::int64_t value) {
    return value >= 0 ? value / kBase : -((kBase - 1 - value) / kBase);
}

// The remainder of the next place: r becomes 10 r mod d, where r < d and r holds as many
// limbs as d (leading zero limbs included).
class NextRemainder {
public:
    explicit NextRemainder(std::span<const Limb> d) : m_d(d), m_divisorHead(head(d)) {}

    void operator()(Limbs &r) const {
        // The leading limbs give the quotient digit or one off it; the corrections below
        // make the remainder exact whichever it was.
        const double estimate = std::floor(10.0 * head(r) / m_divisorHead);
        std::int64_t top = multiplySubtract(r, static_cast<std::int64_t>(std::clamp(estimate, 0.0, 9.0)));
        while (top < 0)
            top += addDivisor(r);
        while (top > 0 || compareLimbs(r, m_d) >= 0)
            top -= subtractDivisor(r);
    }

private:
    // The top three limbs of a d-sized value as one floating-point number.
    double head(std::span<const Limb> x) const {
        const std::size_t size = m_d.size();
        double value = 0;
        for (std::size_t i = 1; i <= 3; ++i)
            value = value * static_cast<double>(kBase) + (i <= size ? x[size - i] : 0);
        return value;
    }

    // r = 10 r - q d over d's limbs; returns the signed limb above them.
    std::int64_t multiplySubtract(Limbs &r, std::int64_t q) const {
        std::int64_t carry = 0;
        for (std::size_t i = 0; i < m_d.size(); ++i) {
            const std::int64_t value = 10 * std::int64_t{r[i]} - q * m_d[i] + carry;
            carry = carryOf(value);
            r[i] = static_cast<Limb>(value - carry * kBase);
        }
        return carry;
    }

    std::int64_t addDivisor(Limbs &r) const {
        Limb carry = 0;
        for (std::size_t i = 0; i < m_d.size(); ++i) {
            const Limb sum = r[i] + m_d[i] + carry;
            carry = sum >= kLimbBase ? 1 : 0;
            r[i] = sum - carry * kLimbBase;
        }
        return carry;
    }

    std::int64_t subtractDivisor(Limbs &r) const {
        Limb borrow = 0;
        for (std::size_t i = 0; i < m_d.size(); ++i) {
            const Limb take = m_d[i] + borrow;
            borrow = r[i] < take ? 1 : 0;
            r[i] = r[i] + borrow * kLimbBase - take;
        }
        return borrow;
    }

    std::span<const Limb> m_d;
    double m_divisorHead;
};

// The preparation's entries: the dividend followed by 0, 1, 2, ... zeros.
class PresetEntries {
public:
    PresetEntries(std::span<const Limb> dividend, int count)
        : m_dividend(dividend), m_digits(decimalDigitCount(dividend)),
          m_count(static_cast<std::size_t>(count)) {}

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

// The loop's own entries, found through a hash of their limbs.
class RecordedEntries {
public:
    int find(const Limbs &r) const {
        const auto [first, last] = m_byHash.equal_range(hashOf(r));
        for (auto it = first; it != last; ++it)
            if (m_values[it->second] == r)
                return static_cast<int>(it->second) + 1;
        return 0;
    }

    void add(const Limbs &r, std::string &history) {
        m_byHash.emplace(hashOf(r), m_values.size());
        m_values.push_back(r);
        const std::size_t digits = decimalDigitCount(r);
        const std::size_t start = history.size();
        history.resize(start + digits + 1);
        unpackDigits(r, std::span(history).subspan(start, digits));
        history.back() = '*';
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

bool isZero(std::span<const Limb> r) { return withoutLeadingZeros(r).empty(); }

} // namespace

RepetendPlaces scanRepetend(std::span<const Limb> dividend, std::span<const Limb> divisor,
                            int presetEntries, int lastPlace, std::string &history) {
    if (lastPlace < presetEntries)
        return {};
    const std::span<const Limb> d = withoutLeadingZeros(divisor);
    Limbs r = divideLimbs(shiftedByDecimalPlaces(dividend, static_cast<std::size_t>(presetEntries)), d).remainder;
    r.resize(d.size(), 0);
    const PresetEntries presets(dividend, presetEntries);
    RecordedEntries recorded;
    const NextRemainder next(d);
    for (int place = presetEntries; !isZero(r); ++place) {
        int entry = presets.find(r);
        if (entry == 0) {
            const int own = recorded.find(r);
            entry = own == 0 ? 0 : presetEntries + own;
        }
        if (entry != 0)
            return {entry, place};
        if (place < kRecordedPlaces)
            recorded.add(r, history);
        if (place == lastPlace)
            break;
        next(r);
    }
    return {};
}

} // namespace tallaro
