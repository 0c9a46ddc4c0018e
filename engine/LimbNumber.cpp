#include "LimbNumber.h"

#include "WorkMonitor.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace tallaro {

bool isAllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

Limbs packDigits(std::string_view digits) {
    assert(isAllDigits(digits));
    // Grown limb by limb, so that the fresh memory is first touched between polls.
    Limbs limbs;
    limbs.reserve((digits.size() + kLimbDigits - 1) / kLimbDigits);
    PollCounter polls;
    for (std::size_t end = digits.size(); end > 0;) {
        const std::size_t start = end > kLimbDigits ? end - kLimbDigits : 0;
        Limb value = 0;
        for (std::size_t i = start; i < end; ++i)
            value = value * 10 + static_cast<Limb>(digits[i] - '0');
        limbs.push_back(value);
        end = start;
        polls.count(kLimbDigits);
    }
    return limbs;
}

namespace {

// Two digits at a time halves the divisions, which dominate unpacking long products.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes the `count` low digits of value so that the last one lands just before `end`.
void writeLowDigits(Limb value, char *end, std::size_t count) {
    while (count >= 2) {
        const Limb pair = value % 100;
        value /= 100;
        end -= 2;
        end[0] = kDigitPairs[2 * pair];
        end[1] = kDigitPairs[2 * pair + 1];
        count -= 2;
    }
    if (count == 1)
        end[-1] = static_cast<char>('0' + value % 10);
}

} // namespace

void unpackDigits(std::span<const Limb> limbs, std::span<char> out) {
    assert(decimalDigitCount(limbs) <= out.size());
    std::size_t end = out.size();
    PollCounter polls;
    for (std::size_t k = 0; end > 0; ++k) {
        const std::size_t count = std::min(end, kLimbDigits);
        writeLowDigits(k < limbs.size() ? limbs[k] : 0, out.data() + end, count);
        end -= count;
        polls.count(count);
    }
}

Limb addLimbsWithCarry(std::span<Limb> sum, std::span<const Limb> addend, std::size_t offset) {
    assert(offset + addend.size() <= sum.size());
    Limb carry = 0;
    std::size_t i = offset;
    for (const Limb limb : addend) {
        const Limb s = sum[i] + limb + carry; // below 2 * 10^9 + 1, inside 32 bits
        carry = s >= kLimbBase ? 1 : 0;
        sum[i++] = s - carry * kLimbBase;
    }
    for (; carry != 0 && i < sum.size(); ++i) {
        const Limb s = sum[i] + 1;
        carry = s == kLimbBase ? 1 : 0;
        sum[i] = s - carry * kLimbBase;
    }
    return carry;
}

void addLimbsAt(std::span<Limb> sum, std::span<const Limb> addend, std::size_t offset) {
    [[maybe_unused]] const Limb carry = addLimbsWithCarry(sum, addend, offset);
    assert(carry == 0);
}

void subtractLimbs(std::span<Limb> value, std::span<const Limb> subtrahend) {
    assert(subtrahend.size() <= value.size());
    Limb borrow = 0;
    std::size_t i = 0;
    for (const Limb limb : subtrahend) {
        const Limb take = limb + borrow;
        borrow = value[i] < take ? 1 : 0;
        value[i] = value[i] + borrow * kLimbBase - take;
        ++i;
    }
    for (; borrow != 0 && i < value.size(); ++i) {
        borrow = value[i] == 0 ? 1 : 0;
        value[i] = value[i] + borrow * kLimbBase - 1;
    }
    assert(borrow == 0);
}

void multiplyByLimb(std::span<const Limb> value, Limb factor, std::span<Limb> out) {
    assert(out.size() == value.size() + 1);
    std::uint64_t carry = 0;
    PollCounter polls;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::uint64_t t = std::uint64_t{value[i]} * factor + carry;
        out[i] = static_cast<Limb>(t % kLimbBase);
        carry = t / kLimbBase;
        polls.count(1);
    }
    out[value.size()] = static_cast<Limb>(carry);
}

bool subtractMultiple(std::span<Limb> window, std::span<const Limb> v, std::uint64_t q) {
    assert(window.size() == v.size() + 1);
    std::uint64_t carry = 0;
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const std::uint64_t product = q * v[i] + carry; // below base^2
        carry = product / kLimbBase;
        const std::uint64_t take = product % kLimbBase + borrow;
        borrow = window[i] < take ? 1 : 0;
        window[i] = static_cast<Limb>(window[i] + borrow * kLimbBase - take);
    }
    const std::uint64_t take = carry + borrow;
    Limb &top = window[v.size()];
    borrow = top < take ? 1 : 0;
    top = static_cast<Limb>(top + borrow * kLimbBase - take);
    return borrow == 0;
}

int compareLimbs(std::span<const Limb> x, std::span<const Limb> y) {
    x = withoutLeadingZeros(x);
    y = withoutLeadingZeros(y);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    for (std::size_t i = x.size(); i-- > 0;)
        if (x[i] != y[i])
            return x[i] < y[i] ? -1 : 1;
    return 0;
}

std::span<const Limb> withoutLeadingZeros(std::span<const Limb> limbs) {
    std::size_t n = limbs.size();
    while (n > 0 && limbs[n - 1] == 0)
        --n;
    return limbs.first(n);
}

std::size_t decimalDigitCount(std::span<const Limb> value) {
    value = withoutLeadingZeros(value);
    if (value.empty())
        return 0;
    std::size_t digits = (value.size() - 1) * kLimbDigits + 1;
    for (Limb top = value.back(); top >= 10; top /= 10)
        ++digits;
    return digits;
}

Limbs shiftedByDecimalPlaces(std::span<const Limb> value, std::size_t exponent) {
    static constexpr std::array<Limb, kLimbDigits> powersOfTen = {
        1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000};
    value = withoutLeadingZeros(value);
    if (value.empty())
        return {};
    const std::size_t wholeLimbs = exponent / kLimbDigits;
    Limbs shifted;
    growPolled(shifted, wholeLimbs + value.size() + 1, 0);
    multiplyByLimb(value, powersOfTen[exponent % kLimbDigits],
                   std::span(shifted).subspan(wholeLimbs));
    shifted.resize(withoutLeadingZeros(shifted).size());
    return shifted;
}

} // namespace tallaro
