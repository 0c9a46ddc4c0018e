// The transform's kernels for x86-64 processors with AVX2: eight values a step. Only these
// functions are compiled for AVX2 (by attribute, not for the whole file), so nothing shared
// with the rest of the program, such as an inline function from a header, can carry an AVX2
// instruction onto a processor without it. Pieces too short for eight lanes go to the
// portable kernels.
#include "NttKernels.h"

#include "WorkMonitor.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

#include <immintrin.h>

#define TALLARO_AVX2 __attribute__((target("avx2")))

namespace tallaro::ntt {

namespace {

using V = __m256i;

struct VModulus {
    V p, twoP, negInverse;
};

TALLARO_AVX2 V broadcast(std::uint32_t x) {
    return _mm256_set1_epi32(static_cast<int>(x));
}

TALLARO_AVX2 VModulus vectorModulus(const Modulus &m) {
    return {broadcast(m.p), broadcast(2 * m.p), broadcast(m.negInverse)};
}

TALLARO_AVX2 V load(const std::uint32_t *a) {
    return _mm256_loadu_si256(reinterpret_cast<const V *>(a));
}

TALLARO_AVX2 void store(std::uint32_t *a, V x) {
    _mm256_storeu_si256(reinterpret_cast<V *>(a), x);
}

TALLARO_AVX2 V add(V a, V b) {
    return _mm256_add_epi32(a, b);
}
TALLARO_AVX2 V sub(V a, V b) {
    return _mm256_sub_epi32(a, b);
}
TALLARO_AVX2 V shrinkV(V x, V m) {
    return _mm256_min_epu32(x, _mm256_sub_epi32(x, m));
}

// Montgomery multiplication lane by lane, as mul() does it: the 64-bit products of the even
// lanes and of the odd ones separately, their high halves put back together.
TALLARO_AVX2 V mulV(V a, V b, const VModulus &m) {
    V even = _mm256_mul_epu32(a, b);
    V odd = _mm256_mul_epu32(_mm256_srli_epi64(a, 32), _mm256_srli_epi64(b, 32));
    const V qEven = _mm256_mul_epu32(even, m.negInverse);
    const V qOdd = _mm256_mul_epu32(odd, m.negInverse);
    even = _mm256_add_epi64(even, _mm256_mul_epu32(qEven, m.p));
    odd = _mm256_add_epi64(odd, _mm256_mul_epu32(qOdd, m.p));
    return _mm256_blend_epi32(_mm256_srli_epi64(even, 32), odd, 0xAA);
}

// (u, v) -> (u + c v, u - c v), all in [0, 2p).
TALLARO_AVX2 void forwardButterfly(V &u, V &v, V c, const VModulus &m) {
    const V t = mulV(v, c, m);
    v = shrinkV(sub(add(u, m.twoP), t), m.twoP);
    u = shrinkV(add(u, t), m.twoP);
}

// (u, v) -> (u + v, (u - v) c^-1).
TALLARO_AVX2 void inverseButterfly(V &u, V &v, V cInverse, const VModulus &m) {
    const V d = sub(add(u, m.twoP), v);
    u = shrinkV(add(u, v), m.twoP);
    v = mulV(d, cInverse, m);
}

// One level of a block of 2 * half values (half a multiple of 8), one twiddle for all.
template <bool Forward>
TALLARO_AVX2 void levelV(std::uint32_t *a, std::size_t half, std::uint32_t c, const VModulus &m) {
    const V cv = broadcast(c);
    for (std::size_t j = 0; j < half; j += 8) {
        V u = load(a + j), v = load(a + half + j);
        if constexpr (Forward)
            forwardButterfly(u, v, cv, m);
        else
            inverseButterfly(u, v, cv, m);
        store(a + j, u);
        store(a + half + j, v);
    }
}

template <bool Forward>
TALLARO_AVX2 void level(std::uint32_t *a, std::size_t half, std::uint32_t c, const Modulus &m) {
    if (half % 8 != 0) {
        const Kernels &portable = portableKernels();
        return (Forward ? portable.forwardLevel : portable.inverseLevel)(a, half, c, m);
    }
    levelV<Forward>(a, half, c, vectorModulus(m));
}

// The three levels whose blocks are shorter than a vector: 16 values (two vectors x, y) at a
// time are rearranged so that u holds the first and v the second half of each block, with
// each block's root in the same lanes of c.
struct Halves4 { // blocks of 8: x = block 0, y = block 1
    static constexpr std::size_t kRoots = 2;
    TALLARO_AVX2 static void split(V x, V y, V &u, V &v) {
        u = _mm256_permute2x128_si256(x, y, 0x20);
        v = _mm256_permute2x128_si256(x, y, 0x31);
    }
    TALLARO_AVX2 static void merge(V u, V v, V &x, V &y) { split(u, v, x, y); }
    TALLARO_AVX2 static V roots(const std::uint32_t *r) {
        const V two = _mm256_castsi128_si256(_mm_loadl_epi64(reinterpret_cast<const __m128i *>(r)));
        return _mm256_permutevar8x32_epi32(two, _mm256_setr_epi32(0, 0, 0, 0, 1, 1, 1, 1));
    }
};

struct Halves2 { // blocks of 4: x = blocks 0, 1; y = blocks 2, 3
    static constexpr std::size_t kRoots = 4;
    TALLARO_AVX2 static void split(V x, V y, V &u, V &v) {
        u = _mm256_unpacklo_epi64(x, y); // lanes: blocks 0, 0, 2, 2, 1, 1, 3, 3
        v = _mm256_unpackhi_epi64(x, y);
    }
    TALLARO_AVX2 static void merge(V u, V v, V &x, V &y) { split(u, v, x, y); }
    TALLARO_AVX2 static V roots(const std::uint32_t *r) {
        const V four =
            _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i *>(r)));
        return _mm256_permutevar8x32_epi32(four, _mm256_setr_epi32(0, 0, 2, 2, 1, 1, 3, 3));
    }
};

struct Halves1 { // blocks of 2: x = blocks 0-3, y = blocks 4-7
    static constexpr std::size_t kRoots = 8;
    TALLARO_AVX2 static void split(V x, V y, V &u, V &v) {
        u = _mm256_blend_epi32(x, _mm256_slli_epi64(y, 32), 0xAA); // blocks 0, 4, 1, 5, ...
        v = _mm256_blend_epi32(_mm256_srli_epi64(x, 32), y, 0xAA);
    }
    TALLARO_AVX2 static void merge(V u, V v, V &x, V &y) {
        x = _mm256_blend_epi32(u, _mm256_slli_epi64(v, 32), 0xAA);
        y = _mm256_blend_epi32(_mm256_srli_epi64(u, 32), v, 0xAA);
    }
    TALLARO_AVX2 static V roots(const std::uint32_t *r) {
        return _mm256_permutevar8x32_epi32(load(r), _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7));
    }
};

template <class Halves, bool Forward>
TALLARO_AVX2 void shortLevel(std::uint32_t *a, std::size_t size, const std::uint32_t *roots,
                             const VModulus &m) {
    for (std::size_t i = 0; i < size; i += 16, roots += Halves::kRoots) {
        V u, v;
        Halves::split(load(a + i), load(a + i + 8), u, v);
        if constexpr (Forward)
            forwardButterfly(u, v, Halves::roots(roots), m);
        else
            inverseButterfly(u, v, Halves::roots(roots), m);
        V x, y;
        Halves::merge(u, v, x, y);
        store(a + i, x);
        store(a + i + 8, y);
    }
}

TALLARO_AVX2 void forwardBlock(std::uint32_t *a, std::size_t size, std::size_t s,
                               const std::uint32_t *roots, const Modulus &m) {
    if (size < 16)
        return portableKernels().forwardBlock(a, size, s, roots, m);
    const VModulus vm = vectorModulus(m);
    std::size_t blocks = 1;
    for (std::size_t half = size / 2; half >= 8; half /= 2, blocks *= 2) {
        for (std::size_t b = 0; b < blocks; ++b)
            levelV<true>(a + 2 * half * b, half, roots[s * blocks + b], vm);
    }
    shortLevel<Halves4, true>(a, size, roots + s * blocks, vm);
    shortLevel<Halves2, true>(a, size, roots + s * blocks * 2, vm);
    shortLevel<Halves1, true>(a, size, roots + s * blocks * 4, vm);
}

TALLARO_AVX2 void inverseBlock(std::uint32_t *a, std::size_t size, std::size_t s,
                               const std::uint32_t *inverseRoots, const Modulus &m) {
    if (size < 16)
        return portableKernels().inverseBlock(a, size, s, inverseRoots, m);
    const VModulus vm = vectorModulus(m);
    std::size_t blocks = size / 16;
    shortLevel<Halves1, false>(a, size, inverseRoots + s * blocks * 8, vm);
    shortLevel<Halves2, false>(a, size, inverseRoots + s * blocks * 4, vm);
    shortLevel<Halves4, false>(a, size, inverseRoots + s * blocks * 2, vm);
    for (std::size_t half = 8; half < size; half *= 2) {
        for (std::size_t b = 0; b < blocks; ++b)
            levelV<false>(a + 2 * half * b, half, inverseRoots[s * blocks + b], vm);
        blocks /= 2;
    }
}

TALLARO_AVX2 V reduced(V x, const VModulus &m) {
    return shrinkV(x, m.p);
}

// w^(jk) for the eight lanes j, the columns at hand, and k = 1 .. Parts - 1, each moved on to
// the next eight columns by its own step w^(8k): the powers a column needs come from the
// columns before, not one from another, so no multiplication waits on the one before it.
template <std::size_t Parts> struct Twists { V powers[Parts - 1], steps[Parts - 1]; };

// From w^j for the first eight columns and the step w^8, lane by lane: w^(jk) = w^(j(k - 1)) w^j.
template <std::size_t Parts>
TALLARO_AVX2 Twists<Parts> startTwists(std::uint32_t w, const Modulus &m) {
    alignas(32) std::uint32_t lanes[8];
    lanes[0] = toMontgomery(1, m);
    for (std::size_t i = 1; i < 8; ++i)
        lanes[i] = shrink(mul(lanes[i - 1], w, m), m.p);
    const VModulus vm = vectorModulus(m);
    Twists<Parts> twists;
    twists.powers[0] = load(lanes);
    twists.steps[0] = broadcast(shrink(mul(lanes[7], w, m), m.p));
    for (std::size_t k = 1; k + 1 < Parts; ++k) {
        twists.powers[k] = reduced(mulV(twists.powers[k - 1], twists.powers[0], vm), vm);
        twists.steps[k] = reduced(mulV(twists.steps[k - 1], twists.steps[0], vm), vm);
    }
    return twists;
}

// As the portable radix3 and radix5, lane by lane, on u[0] .. u[parts - 1].
TALLARO_AVX2 void radix3V(V *u, V z, const VModulus &m) {
    const V t = mulV(sub(add(u[1], m.twoP), u[2]), z, m);
    const V y0 = shrinkV(add(shrinkV(add(u[0], u[1]), m.twoP), u[2]), m.twoP);
    const V y1 = shrinkV(add(shrinkV(sub(add(u[0], m.twoP), u[2]), m.twoP), t), m.twoP);
    u[2] = shrinkV(sub(add(shrinkV(sub(add(u[0], m.twoP), u[1]), m.twoP), m.twoP), t), m.twoP);
    u[0] = y0, u[1] = y1;
}

struct VRadix5Roots {
    V cSum, cDifference, s1, sSum, sDifference;
};

TALLARO_AVX2 void radix5V(V *u, const VRadix5Roots &r, const VModulus &m) {
    const V a1 = shrinkV(add(u[1], u[4]), m.twoP),
            b1 = shrinkV(sub(add(u[1], m.twoP), u[4]), m.twoP);
    const V a2 = shrinkV(add(u[2], u[3]), m.twoP),
            b2 = shrinkV(sub(add(u[2], m.twoP), u[3]), m.twoP);
    const V a = shrinkV(add(a1, a2), m.twoP);
    const V even = mulV(a, r.cSum, m), odd = mulV(sub(add(a1, m.twoP), a2), r.cDifference, m);
    const V e1 = shrinkV(add(u[0], shrinkV(add(even, odd), m.twoP)), m.twoP);
    const V e2 = shrinkV(add(u[0], shrinkV(sub(add(even, m.twoP), odd), m.twoP)), m.twoP);
    const V shared = mulV(sub(add(b1, m.twoP), b2), r.s1, m);
    const V q1 = shrinkV(add(shared, mulV(b2, r.sSum, m)), m.twoP);
    const V q2 = shrinkV(add(shared, mulV(b1, r.sDifference, m)), m.twoP);
    u[0] = shrinkV(add(u[0], a), m.twoP);
    u[1] = shrinkV(add(e1, q1), m.twoP);
    u[4] = shrinkV(sub(add(e1, m.twoP), q1), m.twoP);
    u[2] = shrinkV(add(e2, q2), m.twoP);
    u[3] = shrinkV(sub(add(e2, m.twoP), q2), m.twoP);
}

// Multiplies u[k] by w^(jk) for k = 1 .. Parts - 1, then moves the powers on.
template <std::size_t Parts>
TALLARO_AVX2 void twistPartsV(V *u, Twists<Parts> &twists, const VModulus &m) {
    for (std::size_t k = 1; k < Parts; ++k) {
        u[k] = mulV(u[k], twists.powers[k - 1], m);
        twists.powers[k - 1] = reduced(mulV(twists.powers[k - 1], twists.steps[k - 1], m), m);
    }
}

// The part count is a constant, so that the parts stay in registers.
template <std::size_t Parts, bool Forward>
TALLARO_AVX2 void firstStepV(std::uint32_t *a, std::size_t part, std::uint32_t w,
                             const Modulus &m) {
    const VModulus vm = vectorModulus(m);
    const std::uint32_t z = power(w, part, m);
    const Radix5Roots r = Parts == 5 ? radix5Roots(z, m) : Radix5Roots{};
    const VRadix5Roots roots{broadcast(r.cSum), broadcast(r.cDifference), broadcast(r.s1),
                             broadcast(r.sSum), broadcast(r.sDifference)};
    Twists<Parts> twists = startTwists<Parts>(w, m);
    for (std::size_t j = 0; j < part; j += 8) {
        if (j % kFirstStepPollColumns == 0)
            pollForStop();
        V u[Parts];
        for (std::size_t k = 0; k < Parts; ++k)
            u[k] = load(a + j + k * part);
        if constexpr (!Forward)
            twistPartsV<Parts>(u, twists, vm);
        if constexpr (Parts == 3)
            radix3V(u, broadcast(z), vm);
        else
            radix5V(u, roots, vm);
        if constexpr (Forward)
            twistPartsV<Parts>(u, twists, vm);
        for (std::size_t k = 0; k < Parts; ++k)
            store(a + j + k * part, u[k]);
    }
}

template <bool Forward>
TALLARO_AVX2 void firstStep(std::uint32_t *a, std::size_t part, std::size_t parts, std::uint32_t w,
                            const Modulus &m) {
    if (part % 8 != 0) {
        const Kernels &portable = portableKernels();
        return (Forward ? portable.forwardFirstStep : portable.inverseFirstStep)(a, part, parts, w,
                                                                                 m);
    }
    if (parts == 3)
        firstStepV<3, Forward>(a, part, w, m);
    else
        firstStepV<5, Forward>(a, part, w, m);
}

TALLARO_AVX2 void multiply(std::uint32_t *a, const std::uint32_t *b, std::size_t n,
                           const Modulus &m) {
    const VModulus vm = vectorModulus(m);
    const std::size_t whole = n - n % 8;
    for (std::size_t i = 0; i < whole; i += 8)
        store(a + i, mulV(load(a + i), load(b + i), vm));
    portableKernels().multiply(a + whole, b + whole, n - whole, m);
}

TALLARO_AVX2 void garner(std::uint32_t *r0, std::uint32_t *r1, std::uint32_t *r2, std::size_t n,
                         const GarnerConstants &k) {
    const VModulus m0 = vectorModulus(kModuli[0]), m1 = vectorModulus(kModuli[1]),
                   m2 = vectorModulus(kModuli[2]);
    const V k0 = broadcast(k.k0), k1 = broadcast(k.k1), k2 = broadcast(k.k2);
    const V k3 = broadcast(k.k3), k4 = broadcast(k.k4), k5 = broadcast(k.k5);
    const std::size_t whole = n - n % 8;
    for (std::size_t i = 0; i < whole; i += 8) {
        const V d0 = reduced(mulV(load(r0 + i), k0, m0), m0);
        const V d1 = reduced(
            shrinkV(sub(add(mulV(load(r1 + i), k1, m1), m1.twoP), mulV(d0, k2, m1)), m1.twoP), m1);
        const V partial =
            shrinkV(sub(add(mulV(load(r2 + i), k3, m2), m2.twoP), mulV(d0, k4, m2)), m2.twoP);
        store(r0 + i, d0);
        store(r1 + i, d1);
        store(r2 + i, reduced(shrinkV(sub(add(partial, m2.twoP), mulV(d1, k5, m2)), m2.twoP), m2));
    }
    portableKernels().garner(r0 + whole, r1 + whole, r2 + whole, n - whole, k);
}

} // namespace

const Kernels *avx2Kernels() {
    static const Kernels kernels{level<true>,     level<false>,     forwardBlock, inverseBlock,
                                 firstStep<true>, firstStep<false>, multiply,     garner};
    static const bool available = __builtin_cpu_supports("avx2");
    return available ? &kernels : nullptr;
}

} // namespace tallaro::ntt

#else

namespace tallaro::ntt {

const Kernels *avx2Kernels() {
    return nullptr;
}

} // namespace tallaro::ntt

#endif
