#include "LimbNumber.h"

#include "WorkMonitor.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstring>

namespace tallaro {

bool isAllDigits(std::string_view text) {
    // No early exit: the loop then runs on whole vectors.
    unsigned bad = 0;
    for (const char c : text)
        bad |= static_cast<unsigned char>(c - '0') > 9 ? 1u : 0u;
    return bad == 0;
}

namespace {

// Eight digit characters, the first in the lowest byte, as their value: three multiplications
// join neighbouring digits, then pairs, then quadruples.
std::uint32_t eightDigits(const char *text) {
    std::uint64_t v;
    std::memcpy(&v, text, sizeof v);
    v = (v & 0x0F0F0F0F0F0F0F0F) * 2561 >> 8;
    v = (v & 0x00FF00FF00FF00FF) * 6553601 >> 16;
    return static_cast<std::uint32_t>((v & 0x0000FFFF0000FFFF) * 42949672960001 >> 32);
}

Limb digitsValue(const char *text, std::size_t count) {
    Limb value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = value * 10 + static_cast<Limb>(text[i] - '0');
    return value;
}

} // namespace

Limbs packDigits(std::string_view digits) {
    // Grown a block at a time, so that the fresh memory is first touched between polls.
    Limbs limbs;
    growPolled(limbs, limbCount(digits.size()), 0);
    packDigits(digits, 0, limbs);
    return limbs;
}

void packDigits(std::string_view digits, std::size_t first, std::span<Limb> limbs) {
    assert(isAllDigits(digits) && first + limbs.size() <= limbCount(digits.size()));
    std::size_t end = digits.size() - kLimbDigits * first;
    PollCounter polls;
    for (Limb &limb : limbs) {
        if (end >= kLimbDigits && std::endian::native == std::endian::little) {
            const char *nine = digits.data() + end - kLimbDigits;
            limb = static_cast<Limb>(nine[0] - '0') * 100'000'000 + eightDigits(nine + 1);
            end -= kLimbDigits;
        } else {
            const std::size_t start = end > kLimbDigits ? end - kLimbDigits : 0;
            limb = digitsValue(digits.data() + start, end - start);
            end = start;
        }
        polls.count(kLimbDigits);
    }
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

// The nine digits of value < 10^9 without a division: value * 2^57 / 10^8 (rounded up) holds
// the first digit above bit 57 and the rest as a binary fraction, whose next two digits each
// multiplication by 100 lifts above bit 57. Checked for every value below 10^9.
void writeNineDigits(Limb value, char *out) {
    constexpr std::uint64_t kFraction = (std::uint64_t{1} << 57) - 1;
    std::uint64_t t = std::uint64_t{value} * 1'441'151'881;
    out[0] = static_cast<char>('0' + (t >> 57));
    for (std::size_t i = 1; i < kLimbDigits; i += 2) {
        t = (t & kFraction) * 100;
        std::memcpy(out + i, &kDigitPairs[2 * (t >> 57)], 2);
    }
}

} // namespace

void unpackDigits(std::span<const Limb> limbs, std::span<char> out) {
    assert(decimalDigitCount(limbs) <= out.size());
    const std::size_t written = std::min(out.size(), kLimbDigits * limbs.size());
    std::fill(out.begin(), out.end() - static_cast<std::ptrdiff_t>(written), '0');
    unpackDigits(limbs, 0, out);
}

void unpackDigits(std::span<const Limb> limbs, std::size_t first, std::span<char> out) {
    std::size_t end = out.size() - std::min(out.size(), kLimbDigits * first);
    // Limbs wholly above the width hold nothing the text could show.
    assert(std::all_of(limbs.begin() +
                           static_cast<std::ptrdiff_t>(std::min(limbs.size(), limbCount(end))),
                       limbs.end(), [](Limb limb) { return limb == 0; }));
    PollCounter polls;
    for (std::size_t k = 0; k < limbs.size() && end > 0; ++k) {
        const Limb limb = limbs[k];
        if (end >= kLimbDigits) {
            end -= kLimbDigits;
            writeNineDigits(limb, out.data() + end);
        } else { // the leading digits of the widest limb
            char nine[kLimbDigits];
            writeNineDigits(limb, nine);
            std::memcpy(out.data(), nine + kLimbDigits - end, end);
            end = 0;
        }
        polls.count(kLimbDigits);
    }
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

void reduceCyclic(std::span<const Limb> value, std::span<Limb> out) {
    const std::size_t length = out.size();
    assert(length >= 2);
    std::fill(out.begin(), out.end(), Limb{0});
    for (std::size_t start = 0; start < value.size(); start += length)
        addCyclic(out, value.subspan(start, std::min(length, value.size() - start)));
}

void addCyclic(std::span<Limb> value, std::span<const Limb> addend) {
    for (Limb c = addLimbsWithCarry(value, addend, 0); c != 0;)
        c = addLimbsWithCarry(value, std::span(&c, 1), 0);
    // base^L - 1 itself is 0.
    if (std::all_of(value.begin(), value.end(), [](Limb l) { return l == kLimbBase - 1; }))
        std::fill(value.begin(), value.end(), Limb{0});
}

void subtractCyclic(std::span<Limb> value, std::span<const Limb> subtrahend) {
    // A borrow out of the top has added base^L; base^L - 1 is what must be added, one less.
    static constexpr Limb one[1] = {1};
    if (subtractLimbsWithBorrow(value, subtrahend) != 0)
        subtractLimbs(value, one);
}

bool takeCyclicSign(std::span<Limb> value, [[maybe_unused]] std::size_t width) {
    assert(width < value.size());
    // A negative r is held as base^L - 1 - |r|, whose limbs from width up are all base - 1.
    const bool negative = value.back() != 0;
    if (negative) {
        for (Limb &limb : value)
            limb = kLimbBase - 1 - limb;
    }
    assert(withoutLeadingZeros(value).size() <= width);
    return negative;
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
