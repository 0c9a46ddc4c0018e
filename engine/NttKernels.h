#pragma once

#include "NttArithmetic.h"

#include <cstddef>
#include <cstdint>

// The loops that do a transform's arithmetic, in two builds: portable C++ for any processor,
// and AVX2 for the x86-64 processors that have it (chosen when the program runs). Both give
// the same values; only the order of their work differs. Values in and out are in [0, 2p)
// unless a kernel says otherwise.
namespace tallaro::ntt {

// Constants of Garner's form of the Chinese remainder theorem for one transform length n:
// k0 = n^-1 R^2 (mod p0); k1 = n^-1 R^2 p0^-1, k2 = p0^-1 R (mod p1);
// k3 = n^-1 R^2 (p0 p1)^-1, k4 = (p0 p1)^-1 R, k5 = p1^-1 R (mod p2).
struct GarnerConstants {
    std::uint32_t k0, k1, k2, k3, k4, k5;
};

// The first step runs over the whole transform in one call, so it polls for a stop every
// this many of its columns (3 or 5 values each): well under a millisecond apart.
inline constexpr std::size_t kFirstStepPollColumns = std::size_t{1} << 14;

struct Kernels {
    // One level of the forward transform on a block of 2 * half values, split with c:
    // (u, v) -> (u + c v, u - c v) for the pairs (a[j], a[j + half]).
    void (*forwardLevel)(std::uint32_t *a, std::size_t half, std::uint32_t c, const Modulus &m);
    // Its inverse up to a factor 2, with c^-1: (u, v) -> (u + v, (u - v) c^-1).
    void (*inverseLevel)(std::uint32_t *a, std::size_t half, std::uint32_t cInverse,
                         const Modulus &m);
    // Every level of the forward transform of a block of `size` values (a power of two),
    // the block being block s of its level; roots holds (s + 1) * size / 2 entries.
    void (*forwardBlock)(std::uint32_t *a, std::size_t size, std::size_t s,
                         const std::uint32_t *roots, const Modulus &m);
    // Its inverse up to a factor size, with the inverse roots.
    void (*inverseBlock)(std::uint32_t *a, std::size_t size, std::size_t s,
                         const std::uint32_t *inverseRoots, const Modulus &m);
    // The first step of a transform of length parts * part, parts 3 or 5: splits
    // x^(parts part) - 1 into x^part - z^k for the powers z^k of z = w^part (w of order
    // parts * part) and twists part k by w^(k j), so that each becomes a cyclic convolution of
    // length part.
    void (*forwardFirstStep)(std::uint32_t *a, std::size_t part, std::size_t parts, std::uint32_t w,
                             const Modulus &m);
    // Its inverse up to a factor parts, given w^-1.
    void (*inverseFirstStep)(std::uint32_t *a, std::size_t part, std::size_t parts,
                             std::uint32_t wInverse, const Modulus &m);
    // a[i] = a[i] b[i] R^-1.
    void (*multiply)(std::uint32_t *a, const std::uint32_t *b, std::size_t n, const Modulus &m);
    // Residues r0, r1, r2 of n coefficients (each times n R^-1, in [0, 2p)) into the mixed-radix
    // digits of each coefficient c = d0 + p0 (d1 + p1 d2), d_i in [0, p_i), in their place.
    void (*garner)(std::uint32_t *r0, std::uint32_t *r1, std::uint32_t *r2, std::size_t n,
                   const GarnerConstants &k);
};

const Kernels &portableKernels();
// Null where the processor (or the build's target) has no AVX2.
const Kernels *avx2Kernels();

} // namespace tallaro::ntt
