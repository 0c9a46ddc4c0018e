#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// The twiddles of the power-of-two transforms, computed once per process and prime.
//
// The forward transform splits block s of a level (blocks numbered from 0, left to right),
// which holds a polynomial modulo x^2h - c^2, into its remainders modulo x^h - c and x^h + c:
// blocks 2s and 2s + 1 of the next level. The first level's only block is modulo x^n - 1.
// Let forward[s] be the product, over the set bits j of s, of z(2^(j+2)), where z(k) is the
// primitive k-th root rootOfUnity(k). Then forward[0] = 1, forward[2s] squares to forward[s]
// and forward[2s + 1] = forward[2s] * z(4) squares to -forward[s]: c = forward[s] works for
// every block of every level. The table does not depend on the transform's length: each
// length reads a prefix of it, and a longer transform only extends it.
// inverse[s] = forward[s]^-1 serves the inverse transform. Both in Montgomery form, in [0, p).
namespace tallaro::ntt {

struct RootTables {
    std::vector<std::uint32_t> forward, inverse;
};

// The tables of prime `prime` (0, 1 or 2), with at least `count` entries of each (count <=
// kMaxBlock / 2). A longer transform on another thread replaces the process's tables with
// longer ones, but these stay valid as long as they are held. Safe to call from several
// threads at once. It polls for a stop while it grows the tables; a stop leaves the
// process's tables as they were.
std::shared_ptr<const RootTables> rootTables(std::size_t prime, std::size_t count);

} // namespace tallaro::ntt
