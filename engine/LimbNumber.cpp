#include "LimbNumber.h"

#include <algorithm>
#include <array>

namespace tallaro {

bool isAllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

Limbs packDigits(std::string_view digits) {
    Limbs limbs((digits.size() + kLimbDigits - 1) / kLimbDigits);
    std::size_t end = digits.size();
    for (Limb &limb : limbs) {
        const std::size_t start = end > kLimbDigits ? end - kLimbDigits : 0;
        Limb value = 0;
        for (std::size_t i = start; i < end; ++i)
            value = value * 10 + static_cast<Limb>(digits[i] - '0');
        limb = value;
        end = start;
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
    std::size_t end = out.size();
    for (std::size_t k = 0; end > 0; ++k) {
        const std::size_t count = std::min(end, kLimbDigits);
        writeLowDigits(k < limbs.size() ? limbs[k] : 0, out.data() + end, count);
        end -= count;
    }
}

void addLimbsAt(std::span<Limb> sum, std::span<const Limb> addend, std::size_t offset) {
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
}

void subtractLimbs(std::span<Limb> value, std::span<const Limb> subtrahend) {
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
}

std::span<const Limb> withoutLeadingZeros(std::span<const Limb> limbs) {
    std::size_t n = limbs.size();
    while (n > 0 && limbs[n - 1] == 0)
        --n;
    return limbs.first(n);
}

} // namespace tallaro
