#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

// Arithmetic modulo the three primes of the number-theoretic transform, in Montgomery form
// with R = 2^32: a product costs three 32 x 32-bit multiplications and no division. Each
// prime is below 2^30, so 4p < 2^32: sums of two values below 2p never wrap, and every
// product of a value below 4p by one below p stays under p * 2^32, where the reduction
// returns a value below 2p. Values rest in [0, 2p) and are brought into [0, p) only where a
// step needs them there.
namespace tallaro::ntt {

struct Modulus {
    std::uint32_t p;
    std::uint32_t negInverse; // -p^-1 mod 2^32
    std::uint32_t r2;         // 2^64 mod p: takes a value into Montgomery form
    std::uint32_t generator;  // of the multiplicative group
};

constexpr std::uint64_t powerMod(std::uint64_t base, std::uint64_t exponent, std::uint64_t m) {
    std::uint64_t result = 1;
    for (base %= m; exponent != 0; exponent >>= 1, base = base * base % m) {
        if (exponent & 1)
            result = result * base % m;
    }
    return result;
}

constexpr Modulus makeModulus(std::uint32_t p, std::uint32_t generator) {
    std::uint32_t inverse = p; // right in the low 3 bits; every step doubles that
    for (int i = 0; i < 4; ++i)
        inverse *= 2 - p * inverse;
    return {p, 0u - inverse, static_cast<std::uint32_t>(powerMod(2, 64, p)), generator};
}

// p - 1 = 45 * 2^23, 45 * 2^24 and 105 * 2^23: all three groups hold roots of unity of every
// order 2^k, 3 * 2^k and 5 * 2^k up to k = 23, so transform lengths need not be powers of two.
inline constexpr Modulus kModuli[3] = {makeModulus(377487361, 7), makeModulus(754974721, 11),
                                       makeModulus(880803841, 26)};
inline constexpr unsigned kMaxTwoPower = 23;
inline constexpr std::size_t kMaxBlock = std::size_t{1} << kMaxTwoPower;

static_assert(kModuli[2].p < (1u << 30) && kModuli[0].p < kModuli[1].p &&
              kModuli[1].p < kModuli[2].p);
static_assert((kModuli[0].p - 1) % (15u << kMaxTwoPower) == 0 &&
              (kModuli[1].p - 1) % (15u << kMaxTwoPower) == 0 &&
              (kModuli[2].p - 1) % (15u << kMaxTwoPower) == 0);

// x - m when x >= m, else x: branch-free, since the data is random.
constexpr std::uint32_t shrink(std::uint32_t x, std::uint32_t m) {
    return std::min(x, x - m);
}

// t * R^-1 mod p, in [0, 2p), for t < p * 2^32.
constexpr std::uint32_t reduce(std::uint64_t t, const Modulus &m) {
    const std::uint32_t q = static_cast<std::uint32_t>(t) * m.negInverse;
    return static_cast<std::uint32_t>((t + std::uint64_t{q} * m.p) >> 32);
}

// a * b * R^-1 mod p, in [0, 2p); a * b must stay below p * 2^32.
constexpr std::uint32_t mul(std::uint32_t a, std::uint32_t b, const Modulus &m) {
    return reduce(std::uint64_t{a} * b, m);
}

// Any value below 2^32 into Montgomery form, in [0, p).
constexpr std::uint32_t toMontgomery(std::uint32_t a, const Modulus &m) {
    return shrink(mul(a, m.r2, m), m.p);
}

// base^exponent for base in Montgomery form; the result is in Montgomery form, in [0, p).
constexpr std::uint32_t power(std::uint32_t base, std::uint64_t exponent, const Modulus &m) {
    std::uint32_t result = toMontgomery(1, m);
    for (; exponent != 0; exponent >>= 1, base = mul(base, base, m)) {
        if (exponent & 1)
            result = mul(result, base, m);
    }
    return shrink(result, m.p);
}

constexpr std::uint32_t inverse(std::uint32_t a, const Modulus &m) {
    return power(a, m.p - 2, m);
}

// A primitive root of unity of the given order (which divides p - 1), in Montgomery form.
// All come from one generator, so root(k) = root(n)^(n / k) whenever k divides n.
constexpr std::uint32_t rootOfUnity(std::uint64_t order, const Modulus &m) {
    return power(toMontgomery(m.generator, m), (m.p - 1) / order, m);
}

// The constants of the 5-point transform for a fifth root of unity z, from c_k = (z^k + z^-k) / 2
// and s_k = (z^k - z^-k) / 2 (k = 1, 2): (c1 + c2) / 2, (c1 - c2) / 2, s1, s1 + s2 and s2 - s1,
// with which the transform takes five multiplications instead of eight. In Montgomery form,
// in [0, p).
struct Radix5Roots {
    std::uint32_t cSum, cDifference, s1, sSum, sDifference;
};

constexpr Radix5Roots radix5Roots(std::uint32_t z, const Modulus &m) {
    // x / 2 for x in [0, 2p), Montgomery form or not: an odd x is made even by adding p. (No
    // inverse of 2 by exponentiation: the first step of every transform works these out.)
    const auto halve = [&](std::uint32_t x) {
        x = shrink(x, m.p);
        return (x + (x & 1) * m.p) / 2;
    };
    const std::uint32_t z2 = shrink(mul(z, z, m), m.p), z3 = shrink(mul(z2, z, m), m.p);
    const std::uint32_t z4 = shrink(mul(z3, z, m), m.p);
    const std::uint32_t c1 = halve(z + z4), c2 = halve(z2 + z3);
    const std::uint32_t s1 = halve(z + m.p - z4), s2 = halve(z2 + m.p - z3);
    return {halve(c1 + c2), halve(c1 + m.p - c2), s1, shrink(s1 + s2, m.p),
            shrink(s2 + m.p - s1, m.p)};
}

} // namespace tallaro::ntt
