// Products by number-theoretic transforms.
//
// Why every coefficient comes out exact: the cyclic convolution's coefficient
// c_k = sum over i + j = k modulo n of x_i y_j has at most min(lx, ly) <= n terms, each
// below (10^9)^2, so c_k < n * 10^18. The longest transform has n = 5 * 2^23 points, so
// c_k < 4.2 * 10^25, six times below p0 p1 p2 = 2.51 * 10^26: the three residues determine
// c_k, and Garner's mixed-radix digits c_k = d0 + p0 (d1 + p1 d2) with d_i < p_i recover it.
// Carrying into base 10^9 stays inside 64 bits whatever the digits:
// inner = d1 + p1 d2 < p1 p2 < 2^60, p0 < 2^29, so with a carry below 2^60,
// low = d0 + p0 (inner mod 10^9) + carry < 2^61 and the next carry,
// low / 10^9 + p0 (inner / 10^9), is again below 2^60.
#include "Ntt.h"

#include "LimbMultiply.h"
#include "NttKernels.h"
#include "NttRoots.h"
#include "Scratch.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <optional>

namespace tallaro {

using namespace ntt;

namespace {

static_assert(double{kModuli[0].p} * kModuli[1].p * kModuli[2].p >
              double{5 * kMaxBlock} * 1e18 * 5);

// Blocks up to this many values are transformed level after level inside the cache; longer
// ones split one level at a time, depth first, so each half is done before the next. From
// 2^13 to 2^16 measure the same.
constexpr std::size_t kInCacheBlock = std::size_t{1} << 13;

// The longest run of coefficients joined at once: the three residue runs stay in the cache
// between the vector step and the carry.
constexpr std::size_t kJoinRun = 2048;

// Values written or multiplied between two polls in the passes that run over a whole
// transform at once: well under a millisecond, also where the pass is the first touch of
// fresh memory.
constexpr std::size_t kPassBlock = std::size_t{1} << 18;

struct Plan {
    std::size_t radix; // 1, 3 or 5: the length of the first step
    std::size_t block; // a power of two, up to kMaxBlock
    std::size_t length() const { return radix * block; }
};

constexpr std::size_t kRadices[3] = {1, 3, 5};

// The cheapest length up to maxLength that holds `coefficients` without wrapping round and
// whose block the primes have roots for (at most kMaxBlock: a cheaper power of two beyond it
// would have no roots of its order); none when no such length is long enough. A first step
// of 3 or 5 parts costs about as much as 2.2 or 4.5 levels of halving (measured), where it
// shortens the rest by log2 3 or log2 5 levels.
std::optional<Plan> planFor(std::size_t coefficients, std::size_t maxLength) {
    const auto cost = [](const Plan &plan) {
        const double extraLevels[] = {0, 2.2, 4.5};
        return static_cast<double>(plan.length()) *
               (std::countr_zero(plan.block) + extraLevels[plan.radix / 2]);
    };
    std::optional<Plan> best;
    for (const std::size_t radix : kRadices) {
        const Plan plan{radix, std::bit_ceil((coefficients + radix - 1) / radix)};
        if (plan.block <= kMaxBlock && plan.length() <= maxLength &&
            (!best || cost(plan) < cost(*best)))
            best = plan;
    }
    return best;
}

// What a transform of length radix * 2^k needs beyond the shared tables, worked out when the
// program is compiled: a root of unity of that order and its inverse, for the first step of
// a length that is not a power of two, and the inverse of the length. In Montgomery form.
struct LengthConstants {
    std::uint32_t root, rootInverse, lengthInverse;
};

constexpr std::size_t radixIndex(std::size_t radix) {
    return radix / 2;
}

constexpr auto kLengthConstants = [] {
    std::array<std::array<std::array<LengthConstants, kMaxTwoPower + 1>, 3>, 3> table{};
    for (std::size_t prime = 0; prime < 3; ++prime) {
        const Modulus &m = kModuli[prime];
        for (const std::size_t radix : kRadices) {
            for (std::size_t k = 0; k <= kMaxTwoPower; ++k) {
                const std::uint64_t length = std::uint64_t{radix} << k;
                const std::uint32_t root = rootOfUnity(length, m);
                table[prime][radixIndex(radix)][k] = {
                    root, inverse(root, m),
                    inverse(toMontgomery(static_cast<std::uint32_t>(length % m.p), m), m)};
            }
        }
    }
    return table;
}();

const LengthConstants &lengthConstants(std::size_t prime, Plan plan) {
    return kLengthConstants[prime][radixIndex(plan.radix)]
                           [static_cast<std::size_t>(std::countr_zero(plan.block))];
}

// A transform's operand: limbs, or a digit text whose limbs are packed as they are read.
class Operand {
  public:
    explicit Operand(std::span<const Limb> limbs) : m_limbs(limbs) {}
    explicit Operand(std::string_view digits) : m_digits(digits) {}

    std::size_t size() const {
        return m_digits.data() ? limbCount(m_digits.size()) : m_limbs.size();
    }
    bool isSameAs(const Operand &other) const {
        return m_limbs.data() == other.m_limbs.data() && m_digits.data() == other.m_digits.data() &&
               size() == other.size();
    }
    // Limbs first, first + 1, ... of the operand into out.
    void read(std::size_t first, std::span<Limb> out) const {
        if (m_digits.data())
            packDigits(m_digits, first, out);
        else
            std::copy_n(m_limbs.begin() + static_cast<std::ptrdiff_t>(first), out.size(),
                        out.begin());
    }

  private:
    std::span<const Limb> m_limbs;
    std::string_view m_digits;
};

// Where the product goes: into limbs, or as digits straight into a text of its whole width.
// The limbs may leave out the product's lowest (`skip` of them, which are then not worked
// out exactly either: see joinResidues) and spill its top into a second span (the carry out
// of a product that wrapped round).
class Product {
  public:
    explicit Product(std::span<Limb> limbs, std::span<Limb> beyond = {}, std::size_t skip = 0)
        : m_limbs(limbs), m_beyond(beyond), m_skip(skip),
          m_size(skip + limbs.size() + beyond.size()) {}
    Product(std::span<char> digits, std::size_t limbs) : m_digits(digits), m_size(limbs) {}

    std::size_t size() const { return m_size; }
    std::size_t skip() const { return m_skip; }
    // Where limbs first to first + count - 1 go as they are, or nullptr where write places them.
    Limb *place(std::size_t first, std::size_t count) const {
        const bool inside =
            !m_digits.data() && first >= m_skip && first - m_skip + count <= m_limbs.size();
        return inside ? m_limbs.data() + (first - m_skip) : nullptr;
    }
    // Limbs first, first + 1, ... of the product.
    void write(std::size_t first, std::span<const Limb> run) const {
        if (m_digits.data()) {
            unpackDigits(run, first, m_digits);
            return;
        }
        const std::size_t dropped = first < m_skip ? std::min(run.size(), m_skip - first) : 0;
        run = run.subspan(dropped);
        if (run.empty())
            return;
        first = first + dropped - m_skip;
        const std::size_t inside =
            first < m_limbs.size() ? std::min(run.size(), m_limbs.size() - first) : 0;
        if (inside > 0)
            std::copy_n(run.begin(), inside, m_limbs.subspan(first).begin());
        if (inside < run.size())
            std::copy(run.begin() + static_cast<std::ptrdiff_t>(inside), run.end(),
                      m_beyond.subspan(first + inside - m_limbs.size()).begin());
    }

  private:
    std::span<Limb> m_limbs, m_beyond;
    std::span<char> m_digits;
    std::size_t m_skip = 0, m_size;
};

// One prime's transforms of one length.
class Transform {
  public:
    Transform(const Kernels &kernels, std::size_t prime, Plan plan)
        : m_kernels(kernels), m_modulus(kModuli[prime]), m_plan(plan),
          m_roots(rootTables(prime, plan.block / 2)), m_root(lengthConstants(prime, plan).root),
          m_rootInverse(lengthConstants(prime, plan).rootInverse) {}

    // The operand's limbs, then zeros, as values in [0, 2p), transformed.
    void forward(const Operand &operand, std::uint32_t *a) const {
        const std::size_t limbs = operand.size(), n = m_plan.length();
        const std::uint32_t twoP = 2 * m_modulus.p; // 10^9 < 3p for every prime
        for (std::size_t start = 0; start < n; start += kPassBlock) {
            const std::size_t end = std::min(n, start + kPassBlock);
            // A pass block wholly past the operand reads nothing: its start lies beyond the
            // operand's end, where even an empty read would index outside it.
            const std::size_t read = std::clamp(limbs, start, end);
            if (read > start)
                operand.read(start, {a + start, read - start});
            for (std::size_t i = start; i < read; ++i)
                a[i] = shrink(a[i], twoP);
            std::fill(a + read, a + end, 0u);
            pollForStop();
        }
        if (m_plan.radix > 1)
            m_kernels.forwardFirstStep(a, m_plan.block, m_plan.radix, m_root, m_modulus);
        for (std::size_t r = 0; r < m_plan.radix; ++r)
            forwardBlock(a + r * m_plan.block, m_plan.block, 0);
    }

    void multiply(std::uint32_t *a, const std::uint32_t *b) const {
        const std::size_t n = m_plan.length();
        for (std::size_t start = 0; start < n; start += kPassBlock) {
            m_kernels.multiply(a + start, b + start, std::min(kPassBlock, n - start), m_modulus);
            pollForStop();
        }
    }

    // The inverse transform, leaving every value times the length.
    void inverse(std::uint32_t *a) const {
        for (std::size_t r = 0; r < m_plan.radix; ++r)
            inverseBlock(a + r * m_plan.block, m_plan.block, 0);
        if (m_plan.radix > 1)
            m_kernels.inverseFirstStep(a, m_plan.block, m_plan.radix, m_rootInverse, m_modulus);
    }

  private:
    void forwardBlock(std::uint32_t *a, std::size_t size, std::size_t s) const {
        if (size <= kInCacheBlock) {
            m_kernels.forwardBlock(a, size, s, m_roots->forward.data(), m_modulus);
            return;
        }
        pollForStop(); // once per level pass over a block of up to 2^23 values
        m_kernels.forwardLevel(a, size / 2, m_roots->forward[s], m_modulus);
        forwardBlock(a, size / 2, 2 * s);
        forwardBlock(a + size / 2, size / 2, 2 * s + 1);
    }

    void inverseBlock(std::uint32_t *a, std::size_t size, std::size_t s) const {
        if (size <= kInCacheBlock) {
            m_kernels.inverseBlock(a, size, s, m_roots->inverse.data(), m_modulus);
            return;
        }
        inverseBlock(a, size / 2, 2 * s);
        inverseBlock(a + size / 2, size / 2, 2 * s + 1);
        pollForStop();
        m_kernels.inverseLevel(a, size / 2, m_roots->inverse[s], m_modulus);
    }

    const Kernels &m_kernels;
    const Modulus &m_modulus;
    Plan m_plan;
    std::shared_ptr<const RootTables> m_roots;
    std::uint32_t m_root, m_rootInverse; // of order length
};

// Montgomery multiplication mont(a, b) = a b R^-1 by a constant k R^2 multiplies by k R, which
// also cancels the factor R^-1 the pointwise products left; by k R it multiplies by k.
constexpr std::uint32_t timesR(std::uint32_t k, const Modulus &m) {
    return toMontgomery(k, m);
}

constexpr std::uint32_t inverseModulo(std::uint64_t a, const Modulus &m) {
    return static_cast<std::uint32_t>(powerMod(a % m.p, m.p - 2, m.p));
}

GarnerConstants garnerConstants(Plan plan) {
    const Modulus &m0 = kModuli[0], &m1 = kModuli[1], &m2 = kModuli[2];
    static constexpr std::uint64_t p0 = kModuli[0].p, p1 = kModuli[1].p;
    static constexpr std::uint32_t p0Inverse = timesR(inverseModulo(p0, m1), m1);
    static constexpr std::uint32_t p0p1Inverse = timesR(inverseModulo(p0 * p1 % m2.p, m2), m2);
    static constexpr std::uint32_t p1Inverse = timesR(inverseModulo(p1, m2), m2);
    // lengthInverse is n^-1 R, so mont(lengthInverse, c R^2) = n^-1 c R^2.
    const auto overLength = [plan](std::size_t prime, std::uint32_t cR) {
        const Modulus &m = kModuli[prime];
        return shrink(mul(lengthConstants(prime, plan).lengthInverse, timesR(cR, m), m), m.p);
    };
    return {overLength(0, timesR(1, m0)),
            overLength(1, p0Inverse),
            p0Inverse,
            overLength(2, p0p1Inverse),
            p0p1Inverse,
            p1Inverse};
}

// Joins the inverse transforms' residues into base-10^9 limbs, carrying as it goes; each run
// of limbs is written where it goes, or takes the place of its first residues before it is
// written out. The product holds the coefficients and the carry out of the last: one limb for
// a whole product, two for one that wrapped round (up to n * 10^18 over base^(n-1)).
// Where the product skips its limbs below s >= 2, the coefficients below s - 2 are not joined
// and the carry they would bring is left out. Every coefficient is below n (base - 1)^2 with
// n < base, so they add up to less than base^s, and the limbs from s up come out as
// floor(value / base^s) or one less.
void joinResidues(std::uint32_t *const (&r)[3], const Kernels &kernels, Plan plan,
                  const Product &product) {
    const GarnerConstants constants = garnerConstants(plan);
    const std::uint64_t p0 = kModuli[0].p, p1 = kModuli[1].p;
    const std::size_t coefficients = std::min(plan.length(), product.size() - 1);
    assert(product.size() - coefficients <= 2);
    std::uint64_t carry = 0;
    for (std::size_t start = std::max<std::size_t>(product.skip(), 2) - 2; start < coefficients;
         start += kJoinRun) {
        const std::size_t run = std::min(kJoinRun, coefficients - start);
        kernels.garner(r[0] + start, r[1] + start, r[2] + start, run, constants);
        Limb *const placed = product.place(start, run);
        Limb *const out = placed != nullptr ? placed : r[0] + start;
        for (std::size_t k = 0; k < run; ++k) {
            const std::uint64_t inner = r[1][start + k] + p1 * r[2][start + k];
            const std::uint64_t low = r[0][start + k] + p0 * (inner % kLimbBase) + carry;
            out[k] = static_cast<Limb>(low % kLimbBase);
            carry = low / kLimbBase + p0 * (inner / kLimbBase);
        }
        if (placed == nullptr)
            product.write(start, {out, run});
        pollForStop();
    }
    const Limb top[2] = {static_cast<Limb>(carry % kLimbBase),
                         static_cast<Limb>(carry / kLimbBase)};
    assert(top[1] < kLimbBase && (product.size() - coefficients == 2 || top[1] == 0));
    product.write(coefficients, {top, product.size() - coefficients});
}

const Kernels &kernelsFor(NttKernel kernel) {
    const Kernels *avx2 = avx2Kernels();
    return kernel == NttKernel::Avx2 && avx2 != nullptr ? *avx2 : portableKernels();
}

// y times a factor, by the transforms of plan's length: for each prime, y's transform is
// multiplied by the factor's, which factorTransform(prime, transform, a, spare) gives (a holds
// y's transform; spare, when asked for, n free values).
template <class FactorTransform>
void transformProduct(const Operand &y, const Product &product, const Kernels &kernels, Plan plan,
                      bool spare, FactorTransform factorTransform) {
    assert(isNttLength(plan.length()) && plan.length() + 2 >= product.size());
    const std::size_t n = plan.length();
    // One prime's residues after another, and the spare run behind them.
    const Scratch scratch(spare ? 4 * n : 3 * n);
    std::uint32_t *const base = scratch.words().data();
    std::uint32_t *const r[3] = {base, base + n, base + 2 * n};
    for (std::size_t prime = 0; prime < 3; ++prime) {
        const Transform transform(kernels, prime, plan);
        std::uint32_t *const a = r[prime];
        transform.forward(y, a);
        transform.multiply(a, factorTransform(prime, transform, a, base + 3 * n));
        transform.inverse(a);
    }
    joinResidues(r, kernels, plan, product);
}

void multiplyByTransforms(const Operand &x, const Operand &y, const Product &product,
                          const Kernels &kernels, Plan plan) {
    const bool square = x.isSameAs(y);
    transformProduct(y, product, kernels, plan, !square,
                     [&x, square](std::size_t, const Transform &transform, std::uint32_t *a,
                                  std::uint32_t *spare) {
                         if (square)
                             return a;
                         transform.forward(x, spare);
                         return spare;
                     });
}

Plan planOfLength(std::size_t n) {
    assert(isNttLength(n));
    const std::size_t odd = n >> std::countr_zero(n);
    return {odd, n / odd};
}

// y times the factor whose transforms at length n were kept (one run of n values per prime).
void multiplyByKept(const std::uint32_t *transforms, std::size_t n, NttKernel kernel,
                    std::span<const Limb> y, const Product &product) {
    transformProduct(Operand(y), product, kernelsFor(kernel), planOfLength(n), false,
                     [transforms, n](std::size_t prime, const Transform &, std::uint32_t *,
                                     std::uint32_t *) { return transforms + prime * n; });
}

} // namespace

bool nttKernelAvailable(NttKernel kernel) {
    return kernel == NttKernel::Portable || avx2Kernels() != nullptr;
}

NttKernel fastestNttKernel() {
    return nttKernelAvailable(NttKernel::Avx2) ? NttKernel::Avx2 : NttKernel::Portable;
}

bool isNttLength(std::size_t length) {
    if (length == 0)
        return false;
    const std::size_t odd = length >> std::countr_zero(length);
    return (odd == 1 || odd == 3 || odd == 5) && length / odd <= kMaxBlock;
}

std::size_t nttCyclicLength(std::size_t limbs) {
    const std::optional<Plan> plan = planFor(limbs, thresholds::kNttMaxLength);
    return plan ? plan->length() : 0;
}

std::size_t nttLength(std::size_t productLimbs) {
    assert(productLimbs >= 2);
    const std::optional<Plan> plan = planFor(productLimbs - 1, thresholds::kNttMaxLength);
    return plan ? plan->length() : 0;
}

void nttMultiply(std::span<const Limb> x, std::span<const Limb> y, std::span<Limb> product,
                 NttKernel kernel, std::size_t maxLength) {
    assert(isProductBuffer(x, y, product) && isNttLength(maxLength));
    if (x.empty() || y.empty()) {
        std::fill(product.begin(), product.end(), Limb{0});
        return;
    }
    const Kernels &kernels = kernelsFor(kernel);
    // A product of n limbs is a convolution of n - 1 coefficients; one of maxLength limbs,
    // from two slices of half that, always has a plan.
    const auto direct = [&kernels, maxLength](std::span<const Limb> a, std::span<const Limb> b,
                                              std::span<Limb> p) {
        const std::optional<Plan> plan = planFor(p.size() - 1, maxLength);
        assert(plan.has_value());
        multiplyByTransforms(Operand(a), Operand(b), Product(p), kernels, plan.value());
    };
    if (planFor(product.size() - 1, maxLength))
        direct(x, y, product);
    else
        multiplyInSlices(x, y, product, maxLength / 2, direct);
}

NttFactor::NttFactor(std::span<const Limb> x, std::size_t length, NttKernel kernel)
    : m_kernel(kernel), m_limbs(x.size()), m_length(length),
      m_transforms(std::make_unique<Scratch>(3 * length)) {
    assert(x.size() <= length);
    const Plan plan = planOfLength(length);
    for (std::size_t prime = 0; prime < 3; ++prime)
        Transform(kernelsFor(kernel), prime, plan)
            .forward(Operand(x), m_transforms->words().data() + prime * length);
}

void NttFactor::multiplyWhole(std::span<const Limb> y, std::span<Limb> product) const {
    assert(product.size() == m_limbs + y.size() && product.size() <= m_length + 1);
    multiplyByKept(m_transforms->words().data(), m_length, m_kernel, y, Product(product));
}

void NttFactor::multiplyHigh(std::span<const Limb> y, std::size_t shift,
                             std::span<Limb> out) const {
    assert(out.size() + shift == m_limbs + y.size() && out.size() + shift <= m_length + 1);
    multiplyByKept(m_transforms->words().data(), m_length, m_kernel, y, Product(out, {}, shift));
}

void NttFactor::multiplyWrapped(std::span<const Limb> y, std::span<Limb> out) const {
    assert(out.size() == m_length);
    // A longer y is folded first: the wrap-round sees only its residue modulo base^n - 1.
    Limbs folded;
    if (y.size() > m_length) {
        growPolled(folded, m_length, 0);
        reduceCyclic(y, folded);
        y = folded;
    }
    // n coefficients, each wrapped round already, straight into out, and the two limbs of
    // carry out of the last, which base^n = 1 brings back to the bottom.
    Limb carry[2];
    multiplyByKept(m_transforms->words().data(), m_length, m_kernel, y, Product(out, carry));
    addCyclic(out, carry);
}

void nttMultiplyDigits(std::string_view x, std::string_view y, std::span<char> out,
                       NttKernel kernel) {
    assert(out.size() == x.size() + y.size() && !x.empty() && !y.empty());
    const std::size_t limbs = limbCount(x.size()) + limbCount(y.size());
    if (const std::optional<Plan> plan = planFor(limbs - 1, thresholds::kNttMaxLength)) {
        multiplyByTransforms(Operand(x), Operand(y), Product(out, limbs), kernelsFor(kernel),
                             *plan);
        return;
    }
    const Limbs xl = packDigits(x), yl = packDigits(y);
    Limbs product;
    growPolled(product, limbs, 0);
    nttMultiply(xl, yl, product, kernel);
    unpackDigits(product, out);
}

} // namespace tallaro
