#include "WideDivide.h"

#include "WorkMonitor.h"

#include <cassert>
#include <cmath>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif

namespace tallaro {

namespace {

constexpr double kBase = static_cast<double>(kWideBase);

// Rows between two carrying passes. A quotient limb is below 2 * 10^8 + 1 in magnitude, so
// a row moves a word by less than 2 * 10^16, and after K rows every word is below K times
// that. The window's top word takes up what the words under it have not carried, below
// (K + 1) * 2 * 10^8, and the head an estimate joins from it and the next word stays below
// (2K + 1) * 2 * 10^16, inside 2^63 for K up to 229.
constexpr std::size_t kRowsBetweenCarries = 192;

// The rows' arithmetic. Divisor limbs sit in 64-bit words so that a vector multiplies them
// as they are loaded (a 32 x 32-bit product in each 64-bit lane); AVX2 takes four words a step
// where the processor has it, chosen once.
struct Rows {
    // w -= q v, over v's n limbs.
    void (*subtract)(WideLimb *w, const WideLimb *v, std::size_t n, std::uint32_t q);
    // Two rows in one pass: w -= (qHigh base + qLow) v, over n + 1 words. Every word is read
    // and written once for two products, which halves a row's memory traffic.
    void (*subtractTwo)(WideLimb *w, const WideLimb *v, std::size_t n, std::uint32_t qHigh,
                        std::uint32_t qLow);
};

inline WideLimb product(std::uint32_t q, WideLimb v) {
    return static_cast<WideLimb>(std::uint64_t{q} * static_cast<std::uint64_t>(v));
}

void portableSubtract(WideLimb *w, const WideLimb *v, std::size_t n, std::uint32_t q) {
    for (std::size_t i = 0; i < n; ++i)
        w[i] -= product(q, v[i]);
}

void portableSubtractTwo(WideLimb *w, const WideLimb *v, std::size_t n, std::uint32_t qHigh,
                         std::uint32_t qLow) {
    w[0] -= product(qLow, v[0]);
    for (std::size_t i = 1; i < n; ++i)
        w[i] -= product(qLow, v[i]) + product(qHigh, v[i - 1]);
    w[n] -= product(qHigh, v[n - 1]);
}

// w += q v: a row of a negative limb, which an estimate one too big leaves behind now and then.
void addRow(WideLimb *w, const WideLimb *v, std::size_t n, std::uint32_t q) {
    for (std::size_t i = 0; i < n; ++i)
        w[i] += product(q, v[i]);
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TALLARO_AVX2 __attribute__((target("avx2")))

TALLARO_AVX2 __m256i load(const WideLimb *p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
}

TALLARO_AVX2 void store(WideLimb *p, __m256i x) {
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(p), x);
}

TALLARO_AVX2 void avx2Subtract(WideLimb *w, const WideLimb *v, std::size_t n, std::uint32_t q) {
    const __m256i qs = _mm256_set1_epi64x(q);
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4)
        store(w + i, _mm256_sub_epi64(load(w + i), _mm256_mul_epu32(load(v + i), qs)));
    portableSubtract(w + i, v + i, n - i, q);
}

TALLARO_AVX2 void avx2SubtractTwo(WideLimb *w, const WideLimb *v, std::size_t n,
                                  std::uint32_t qHigh, std::uint32_t qLow) {
    const __m256i high = _mm256_set1_epi64x(qHigh), low = _mm256_set1_epi64x(qLow);
    w[0] -= product(qLow, v[0]);
    std::size_t i = 1;
    for (; i + 4 <= n; i += 4) {
        const __m256i both = _mm256_add_epi64(_mm256_mul_epu32(load(v + i), low),
                                              _mm256_mul_epu32(load(v + i - 1), high));
        store(w + i, _mm256_sub_epi64(load(w + i), both));
    }
    for (; i < n; ++i)
        w[i] -= product(qLow, v[i]) + product(qHigh, v[i - 1]);
    w[n] -= product(qHigh, v[n - 1]);
}
#endif

const Rows &fastestRows() {
    static const Rows portable{portableSubtract, portableSubtractTwo};
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const Rows avx2{avx2Subtract, avx2SubtractTwo};
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    return hasAvx2 ? avx2 : portable;
#else
    return portable;
#endif
}

// floor(t / base) for any sign.
WideLimb carryOf(WideLimb t) {
    const WideLimb c = t / kWideBase;
    return t - c * kWideBase < 0 ? c - 1 : c;
}

// Brings w's words into [0, base), adding the carry out of the last to `above`.
void carry(std::span<WideLimb> w, WideLimb &above) {
    WideLimb c = 0;
    for (WideLimb &word : w) {
        const WideLimb t = word + c;
        c = carryOf(t);
        word = t - c * kWideBase;
    }
    above += c;
}

// r (words in [0, base) below a signed top word) against v.
int compareRemainder(std::span<const WideLimb> r, std::span<const WideLimb> v) {
    for (std::size_t i = v.size(); i-- > 0;)
        if (r[i] != v[i])
            return r[i] < v[i] ? -1 : 1;
    return 0;
}

// r += v or r -= v, carrying; r's top word takes the carry out.
void addDivisor(std::span<WideLimb> r, std::span<const WideLimb> v, WideLimb sign) {
    for (std::size_t i = 0; i < v.size(); ++i)
        r[i] += sign * v[i];
    carry(r.first(v.size() - 1), r[v.size() - 1]);
}

// Quotient limbs from the remainder's top words and the divisor's top three limbs. Four words
// of the remainder make every estimate exact to far less than one, whatever the divisor's
// top limb and however far the words have drifted from [0, base) since they were carried,
// so a limb is at most one off, and the remainder it leaves stays within a divisor.
class Estimate {
  public:
    explicit Estimate(std::span<const WideLimb> v)
        : m_v(v), m_n(v.size()),
          m_inverseTop(1.0 / join(v[m_n - 1], v[m_n - 2], m_n > 2 ? v[m_n - 3] : 0)) {}

    // The limb of the row on the window w (n words) below `top`.
    WideLimb operator()(WideLimb top, const WideLimb *w) const {
        return of(top * kWideBase + w[m_n - 1], w[m_n - 2], m_n > 2 ? w[m_n - 3] : 0);
    }

    // The limb of the row after it, on the window w - 1, as a row of q would leave it.
    WideLimb after(WideLimb top, const WideLimb *w, WideLimb q) const {
        const auto left = [&](std::ptrdiff_t k) {
            return k >= 0 ? w[k] - q * m_v[static_cast<std::size_t>(k)] : w[k];
        };
        const auto n = static_cast<std::ptrdiff_t>(m_n);
        const WideLimb above = top * kWideBase + left(n - 1);
        return of(above * kWideBase + left(n - 2), left(n - 3), m_n > 2 ? left(n - 4) : 0);
    }

  private:
    // head + second / base + third / base^2.
    static double join(WideLimb head, WideLimb second, WideLimb third) {
        return static_cast<double>(head) +
               (static_cast<double>(second) + static_cast<double>(third) / kBase) / kBase;
    }

    // The top two words nearly cancel when a row has just run: they come joined exactly, in
    // the integers, as `head`, before anything is rounded.
    WideLimb of(WideLimb head, WideLimb second, WideLimb third) const {
        return static_cast<WideLimb>(std::floor(join(head, second, third) * m_inverseTop));
    }

    std::span<const WideLimb> m_v;
    std::size_t m_n;
    double m_inverseTop; // 1 / the divisor's top limbs as a number below base
};

// Digits regrouped from limbs of FromDigits digits to limbs of ToDigits digits, least
// significant first. Fewer than ToDigits digits wait in `pending`, so it stays below 10^17.
template <std::size_t FromDigits, std::size_t ToDigits, class From, class To>
void regroup(std::span<const From> in, std::span<To> out) {
    constexpr std::uint64_t kTo = [] {
        std::uint64_t power = 1;
        for (std::size_t i = 0; i < ToDigits; ++i)
            power *= 10;
        return power;
    }();
    static constexpr std::uint64_t kPowers[] = {1,       10,        100,        1'000,      10'000,
                                                100'000, 1'000'000, 10'000'000, 100'000'000};
    static_assert(ToDigits <= 9 && FromDigits <= 9);
    std::uint64_t pending = 0;
    std::size_t digits = 0, o = 0;
    PollCounter polls;
    for (const From limb : in) {
        polls.count(1);
        pending += static_cast<std::uint64_t>(limb) * kPowers[digits];
        for (digits += FromDigits; digits >= ToDigits && o < out.size(); digits -= ToDigits) {
            out[o++] = static_cast<To>(pending % kTo);
            pending /= kTo;
        }
    }
    for (; o < out.size(); pending = 0)
        out[o++] = static_cast<To>(pending);
}

} // namespace

void toWide(std::span<const Limb> limbs, std::span<WideLimb> out) {
    regroup<kLimbDigits, kWideDigits>(limbs, out);
}

void fromWide(std::span<const WideLimb> wide, std::span<Limb> out) {
    regroup<kWideDigits, kLimbDigits>(wide, out);
}

void divideWide(std::span<WideLimb> u, std::span<const WideLimb> v, std::span<WideLimb> quotient) {
    const std::size_t n = v.size(), m = u.size();
    assert(n >= 2 && m >= n && quotient.size() == m - n + 1 && v[n - 1] != 0);
    const Rows &rows = fastestRows();
    const Estimate estimate(v);
    WideLimb top = 0; // the remainder's words above the window, as one word
    std::size_t sinceCarry = 0;
    Progress progress(m - n + 1);
    for (std::size_t j = m - n + 1; j-- > 0;) {
        WideLimb *const w = u.data() + j;
        const WideLimb q = estimate(top, w);
        quotient[j] = q;
        // The next row's limb follows from the top words as this row leaves them; when both
        // are positive, as nearly all are, the two rows run as one pass.
        const WideLimb next = j > 0 && q >= 0 ? estimate.after(top, w, q) : -1;
        if (next >= 0) {
            rows.subtractTwo(w - 1, v.data(), n, static_cast<std::uint32_t>(q),
                             static_cast<std::uint32_t>(next));
            quotient[--j] = next;
            top = top * kWideBase + w[n - 1];
            w[n - 1] = 0;
            ++sinceCarry;
        } else if (q > 0) {
            rows.subtract(w, v.data(), n, static_cast<std::uint32_t>(q));
        } else if (q < 0) {
            addRow(w, v.data(), n, static_cast<std::uint32_t>(-q));
        }
        // The window moves down one limb; its top word takes the one below it.
        WideLimb *const low = u.data() + j;
        top = top * kWideBase + low[n - 1];
        low[n - 1] = 0;
        if (++sinceCarry >= kRowsBetweenCarries) {
            carry(std::span(low, n - 1), top);
            sinceCarry = 0;
        }
        progress.reach(m - n + 1 - j, n);
    }
    // The remainder is within a divisor of [0, v): set it and the last quotient limb right.
    const std::span<WideLimb> r = u.first(n);
    carry(r.first(n - 1), top);
    r[n - 1] = top;
    for (; r[n - 1] < 0; --quotient[0])
        addDivisor(r, v, 1);
    for (; compareRemainder(r, v) >= 0; ++quotient[0])
        addDivisor(r, v, -1);
    WideLimb out = 0;
    carry(quotient, out);
    assert(out == 0);
}

} // namespace tallaro
