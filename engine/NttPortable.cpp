// The transform's kernels in portable C++: the reference for the vector builds, and what
// runs on processors without them.
#include "NttKernels.h"

#include "WorkMonitor.h"

namespace tallaro::ntt {

namespace {

void forwardLevel(std::uint32_t *a, std::size_t half, std::uint32_t c, const Modulus &m) {
    std::uint32_t *hi = a + half;
    const std::uint32_t twoP = 2 * m.p;
    for (std::size_t j = 0; j < half; ++j) {
        const std::uint32_t u = a[j], v = mul(hi[j], c, m);
        a[j] = shrink(u + v, twoP);
        hi[j] = shrink(u + twoP - v, twoP);
    }
}

void inverseLevel(std::uint32_t *a, std::size_t half, std::uint32_t cInverse, const Modulus &m) {
    std::uint32_t *hi = a + half;
    const std::uint32_t twoP = 2 * m.p;
    for (std::size_t j = 0; j < half; ++j) {
        const std::uint32_t u = a[j], v = hi[j];
        a[j] = shrink(u + v, twoP);
        hi[j] = mul(u + twoP - v, cInverse, m);
    }
}

void forwardBlock(std::uint32_t *a, std::size_t size, std::size_t s, const std::uint32_t *roots,
                  const Modulus &m) {
    for (std::size_t half = size / 2, blocks = 1; half >= 1; half /= 2, blocks *= 2) {
        for (std::size_t b = 0; b < blocks; ++b)
            forwardLevel(a + 2 * half * b, half, roots[s * blocks + b], m);
    }
}

void inverseBlock(std::uint32_t *a, std::size_t size, std::size_t s,
                  const std::uint32_t *inverseRoots, const Modulus &m) {
    for (std::size_t half = 1, blocks = size / 2; half < size; half *= 2, blocks /= 2) {
        for (std::size_t b = 0; b < blocks; ++b)
            inverseLevel(a + 2 * half * b, half, inverseRoots[s * blocks + b], m);
    }
}

// The 3-point transform of u[0], u[part], u[2 part] with a cube root of unity z, from inputs in
// [0, 2p): y0 = u0 + u1 + u2, y1 = u0 - u2 + z (u1 - u2), y2 = u0 - u1 - z (u1 - u2), since
// z^2 = -1 - z.
void radix3(std::uint32_t *u, std::size_t part, std::uint32_t z, const Modulus &m) {
    const std::uint32_t twoP = 2 * m.p;
    const std::uint32_t u0 = u[0], u1 = u[part], u2 = u[2 * part];
    const std::uint32_t t = mul(u1 + twoP - u2, z, m);
    u[0] = shrink(shrink(u0 + u1, twoP) + u2, twoP);
    u[part] = shrink(shrink(u0 + twoP - u2, twoP) + t, twoP);
    u[2 * part] = shrink(shrink(u0 + twoP - u1, twoP) + twoP - t, twoP);
}

// The 5-point transform of u[k part] with a fifth root of unity z, from inputs in [0, 2p).
// With a1 = u1 + u4, b1 = u1 - u4, a2 = u2 + u3, b2 = u2 - u3 and c_k, s_k = (z^k +- z^-k) / 2:
// y1, y4 = u0 + c1 a1 + c2 a2 +- (s1 b1 + s2 b2) and y2, y3 = u0 + c2 a1 + c1 a2 +- (s2 b1 -
// s1 b2). Five multiplications give the four sums: c1 a1 + c2 a2 and c2 a1 + c1 a2 are
// (c1 + c2) / 2 (a1 + a2) +- (c1 - c2) / 2 (a1 - a2), and s1 b1 + s2 b2 and s2 b1 - s1 b2 are
// s1 (b1 - b2) + (s1 + s2) b2 and s1 (b1 - b2) + (s2 - s1) b1.
void radix5(std::uint32_t *u, std::size_t part, const Radix5Roots &r, const Modulus &m) {
    const std::uint32_t twoP = 2 * m.p;
    const std::uint32_t u0 = u[0];
    const std::uint32_t a1 = shrink(u[part] + u[4 * part], twoP);
    const std::uint32_t b1 = shrink(u[part] + twoP - u[4 * part], twoP);
    const std::uint32_t a2 = shrink(u[2 * part] + u[3 * part], twoP);
    const std::uint32_t b2 = shrink(u[2 * part] + twoP - u[3 * part], twoP);
    const std::uint32_t a = shrink(a1 + a2, twoP);
    const std::uint32_t even = mul(a, r.cSum, m), odd = mul(a1 + twoP - a2, r.cDifference, m);
    const std::uint32_t e1 = shrink(u0 + shrink(even + odd, twoP), twoP);
    const std::uint32_t e2 = shrink(u0 + shrink(even + twoP - odd, twoP), twoP);
    const std::uint32_t shared = mul(b1 + twoP - b2, r.s1, m);
    const std::uint32_t q1 = shrink(shared + mul(b2, r.sSum, m), twoP);
    const std::uint32_t q2 = shrink(shared + mul(b1, r.sDifference, m), twoP);
    u[0] = shrink(u0 + a, twoP);
    u[part] = shrink(e1 + q1, twoP);
    u[4 * part] = shrink(e1 + twoP - q1, twoP);
    u[2 * part] = shrink(e2 + q2, twoP);
    u[3 * part] = shrink(e2 + twoP - q2, twoP);
}

// Multiplies u[k part] by twist^k for k = 1 .. parts - 1.
void twistParts(std::uint32_t *u, std::size_t part, std::size_t parts, std::uint32_t twist,
                const Modulus &m) {
    std::uint32_t power = twist;
    for (std::size_t k = 1; k < parts; ++k, power = shrink(mul(power, twist, m), m.p))
        u[k * part] = mul(u[k * part], power, m);
}

template <bool Forward>
void firstStep(std::uint32_t *a, std::size_t part, std::size_t parts, std::uint32_t w,
               const Modulus &m) {
    const std::uint32_t z = power(w, part, m);
    const Radix5Roots roots = parts == 5 ? radix5Roots(z, m) : Radix5Roots{};
    std::uint32_t twist = toMontgomery(1, m);
    for (std::size_t j = 0; j < part; ++j, twist = shrink(mul(twist, w, m), m.p)) {
        if (j % kFirstStepPollColumns == 0)
            pollForStop();
        if (!Forward)
            twistParts(a + j, part, parts, twist, m);
        if (parts == 3)
            radix3(a + j, part, z, m);
        else
            radix5(a + j, part, roots, m);
        if (Forward)
            twistParts(a + j, part, parts, twist, m);
    }
}

void multiply(std::uint32_t *a, const std::uint32_t *b, std::size_t n, const Modulus &m) {
    for (std::size_t i = 0; i < n; ++i)
        a[i] = mul(a[i], b[i], m);
}

void garner(std::uint32_t *r0, std::uint32_t *r1, std::uint32_t *r2, std::size_t n,
            const GarnerConstants &k) {
    const Modulus &m0 = kModuli[0], &m1 = kModuli[1], &m2 = kModuli[2];
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t d0 = shrink(mul(r0[i], k.k0, m0), m0.p);
        const std::uint32_t d1 =
            shrink(shrink(mul(r1[i], k.k1, m1) + 2 * m1.p - mul(d0, k.k2, m1), 2 * m1.p), m1.p);
        const std::uint32_t partial =
            shrink(mul(r2[i], k.k3, m2) + 2 * m2.p - mul(d0, k.k4, m2), 2 * m2.p);
        r0[i] = d0;
        r1[i] = d1;
        r2[i] = shrink(shrink(partial + 2 * m2.p - mul(d1, k.k5, m2), 2 * m2.p), m2.p);
    }
}

} // namespace

const Kernels &portableKernels() {
    static const Kernels kernels{forwardLevel,    inverseLevel,     forwardBlock, inverseBlock,
                                 firstStep<true>, firstStep<false>, multiply,     garner};
    return kernels;
}

} // namespace tallaro::ntt
