#include "Ntt.h"

#include "LimbMultiply.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <vector>

namespace tallaro {

namespace {

using Residues = std::vector<std::uint32_t>;

constexpr std::uint64_t powerMod(std::uint64_t base, std::uint64_t exponent, std::uint64_t m) {
    std::uint64_t result = 1;
    for (base %= m; exponent != 0; exponent >>= 1, base = base * base % m) {
        if (exponent & 1)
            result = result * base % m;
    }
    return result;
}

// Arithmetic modulo a prime P < 2^30 in Montgomery form (R = 2^32): a product needs two
// 32 x 32-bit multiplications and no division. Values are kept lazily in [0, 2P) and
// brought into [0, P) once at the end; 4P < 2^32 keeps every sum inside 32 bits and every
// product below P * 2^32, where the reduction is valid. G generates the multiplicative group.
template <std::uint32_t P, std::uint32_t G>
struct Field {
    static constexpr std::uint32_t kPrime = P;
    static constexpr std::uint32_t kTwoP = 2 * P;
    static constexpr std::uint32_t kGenerator = G;
    static_assert(P < (1u << 30));

    static constexpr std::uint32_t negatedInverse() {
        std::uint32_t inverse = P; // right in the low 3 bits; every step doubles that
        for (int i = 0; i < 4; ++i)
            inverse *= 2 - P * inverse;
        return 0u - inverse;
    }
    static constexpr std::uint32_t kNegInverse = negatedInverse();
    static constexpr std::uint32_t kR2 = static_cast<std::uint32_t>(powerMod(2, 64, P));

    // x - m when x >= m, else x: branch-free, since the data is random.
    static std::uint32_t shrink(std::uint32_t x, std::uint32_t m) { return std::min(x, x - m); }
    // t * R^-1 mod P, in [0, 2P), for t < P * 2^32.
    static std::uint32_t reduce(std::uint64_t t) {
        const std::uint32_t m = static_cast<std::uint32_t>(t) * kNegInverse;
        return static_cast<std::uint32_t>((t + std::uint64_t{m} * P) >> 32);
    }
    static std::uint32_t mul(std::uint32_t a, std::uint32_t b) {
        return reduce(std::uint64_t{a} * b);
    }
    // Any value below 2^32 into Montgomery form.
    static std::uint32_t toMontgomery(std::uint32_t a) { return mul(a, kR2); }
    static std::uint32_t power(std::uint32_t base, std::uint64_t exponent) {
        std::uint32_t result = toMontgomery(1);
        for (; exponent != 0; exponent >>= 1, base = mul(base, base)) {
            if (exponent & 1)
                result = mul(result, base);
        }
        return shrink(result, P);
    }
};

using Field0 = Field<167772161, 3>;  // 5 * 2^25 + 1
using Field1 = Field<469762049, 3>;  // 7 * 2^26 + 1
using Field2 = Field<754974721, 11>; // 45 * 2^24 + 1

// table[len + j] = w^j with w a primitive (2 len)-th root of unity (inverted for the
// inverse transform), for every level len = 1, 2, ..., n / 2 of an n-point transform.
// Twiddles are fully reduced: a butterfly multiplies them by values up to 4P.
template <class F>
Residues twiddles(std::size_t n, bool inverse) {
    Residues table;
    growPolled(table, n, 0);
    const std::uint32_t root = F::power(F::toMontgomery(F::kGenerator), (F::kPrime - 1) / n);
    const std::uint32_t w = inverse ? F::power(root, F::kPrime - 2) : root;
    const std::size_t half = n / 2;
    std::uint32_t value = F::toMontgomery(1);
    for (std::size_t j = 0; j < half; ++j, value = F::mul(value, w))
        table[half + j] = F::shrink(value, F::kPrime);
    for (std::size_t len = half / 2; len >= 1; len /= 2) {
        for (std::size_t j = 0; j < len; ++j)
            table[len + j] = table[2 * len + 2 * j];
    }
    return table;
}

// Decimation in frequency: natural order in, bit-reversed order out. The inverse below
// takes bit-reversed order back, so no permutation pass is ever needed.
template <class F>
void forwardTransform(Residues &a, const Residues &table) {
    const std::size_t n = a.size();
    for (std::size_t len = n / 2; len >= 1; len /= 2) {
        pollForStop(); // a pass over 2^24 points takes some 30 ms
        const std::uint32_t *w = table.data() + len;
        for (std::size_t start = 0; start < n; start += 2 * len) {
            std::uint32_t *lo = a.data() + start, *hi = lo + len;
            for (std::size_t j = 0; j < len; ++j) {
                const std::uint32_t u = lo[j], v = hi[j];
                lo[j] = F::shrink(u + v, F::kTwoP);
                hi[j] = F::mul(u + F::kTwoP - v, w[j]);
            }
        }
    }
}

// Decimation in time with the inverted roots; leaves every value multiplied by n.
template <class F>
void inverseTransform(Residues &a, const Residues &table) {
    const std::size_t n = a.size();
    for (std::size_t len = 1; len < n; len *= 2) {
        pollForStop();
        const std::uint32_t *w = table.data() + len;
        for (std::size_t start = 0; start < n; start += 2 * len) {
            std::uint32_t *lo = a.data() + start, *hi = lo + len;
            for (std::size_t j = 0; j < len; ++j) {
                const std::uint32_t u = lo[j], v = F::mul(hi[j], w[j]);
                lo[j] = F::shrink(u + v, F::kTwoP);
                hi[j] = F::shrink(u + F::kTwoP - v, F::kTwoP);
            }
        }
    }
}

template <class F>
void load(std::span<const Limb> limbs, Residues &a, std::size_t n) {
    a.clear();
    growPolled(a, n, 0);
    for (std::size_t i = 0; i < limbs.size(); ++i)
        a[i] = F::toMontgomery(limbs[i]);
}

// Leaves in `result` the cyclic convolution of x and y modulo F's prime, as plain residues.
template <class F>
void convolve(std::span<const Limb> x, std::span<const Limb> y, std::size_t n, Residues &result,
              Residues &scratch) {
    const bool square = x.data() == y.data() && x.size() == y.size();
    const Residues forward = twiddles<F>(n, false);
    load<F>(x, result, n);
    forwardTransform<F>(result, forward);
    const Residues &other = square ? result : scratch;
    if (!square) {
        load<F>(y, scratch, n);
        forwardTransform<F>(scratch, forward);
    }
    pollForStop();
    for (std::size_t i = 0; i < n; ++i)
        result[i] = F::mul(result[i], other[i]);
    inverseTransform<F>(result, twiddles<F>(n, true));
    pollForStop();
    // Multiplying a Montgomery value by a plain 1/n both divides by n and leaves the form.
    const std::uint32_t inverseN = F::reduce(F::power(F::toMontgomery(static_cast<std::uint32_t>(n)),
                                                      F::kPrime - 2));
    for (std::uint32_t &value : result)
        value = F::shrink(F::mul(value, inverseN), F::kPrime);
}

constexpr std::uint64_t kQ0 = Field0::kPrime, kQ1 = Field1::kPrime, kQ2 = Field2::kPrime;
constexpr std::uint64_t kInverseQ0ModQ1 = powerMod(kQ0, kQ1 - 2, kQ1);
constexpr std::uint64_t kInverseQ0Q1ModQ2 = powerMod(kQ0 * kQ1 % kQ2, kQ2 - 2, kQ2);

// Garner's form of the Chinese remainder theorem gives each coefficient as
// a0 + q0 * (a1 + q1 * a2); splitting the inner part at 10^9 keeps every step in 64 bits
// while the coefficients are carried into base-10^9 limbs.
void joinResidues(const Residues (&r)[3], std::span<Limb> product) {
    std::uint64_t carry = 0;
    const std::size_t last = product.size() - 1;
    PollCounter polls;
    for (std::size_t k = 0; k < last; ++k) {
        polls.count(8); // a coefficient costs several modular steps
        const std::uint64_t a0 = r[0][k];
        const std::uint64_t a1 = (r[1][k] + kQ1 - a0) % kQ1 * kInverseQ0ModQ1 % kQ1;
        const std::uint64_t known = (a0 + kQ0 * a1) % kQ2;
        const std::uint64_t a2 = (r[2][k] + kQ2 - known) % kQ2 * kInverseQ0Q1ModQ2 % kQ2;
        const std::uint64_t inner = a1 + kQ1 * a2; // below q1 * q2 < 2^59
        const std::uint64_t low = a0 + kQ0 * (inner % kLimbBase) + carry;
        product[k] = static_cast<Limb>(low % kLimbBase);
        carry = low / kLimbBase + kQ0 * (inner / kLimbBase);
    }
    product[last] = static_cast<Limb>(carry);
}

void nttMultiplyDirect(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product) {
    if (x.empty() || y.empty()) {
        std::fill(product.begin(), product.end(), Limb{0});
        return;
    }
    const std::size_t n = std::bit_ceil(product.size() - 1);
    Residues r[3], scratch;
    convolve<Field0>(x, y, n, r[0], scratch);
    convolve<Field1>(x, y, n, r[1], scratch);
    convolve<Field2>(x, y, n, r[2], scratch);
    joinResidues(r, product);
}

} // namespace

void nttMultiply(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product,
                 std::size_t maxLength) {
    assert(isProductBuffer(x, y, product));
    assert(maxLength >= 2 && maxLength <= thresholds::kNttMaxLength);
    // A product of n limbs is a convolution of n - 1 coefficients.
    if (product.size() <= maxLength + 1)
        nttMultiplyDirect(x, y, product);
    else
        multiplyInSlices(x, y, product, maxLength / 2, nttMultiplyDirect);
}

} // namespace tallaro
