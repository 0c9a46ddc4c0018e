#include "NttRoots.h"

#include "NttArithmetic.h"
#include "WorkMonitor.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <mutex>

namespace tallaro::ntt {

namespace {

// Entries [from, to) of both tables, from the entries below; from and to are powers of two.
// A stop may end it between doublings (the longest adds 2^21 entries to each table).
void extend(RootTables &t, std::size_t from, std::size_t to, const Modulus &m) {
    for (std::size_t start = from; start < to; start *= 2) {
        pollForStop();
        const std::uint32_t z = rootOfUnity(4 * std::uint64_t{start}, m), zInverse = inverse(z, m);
        for (std::size_t s = 0; s < start; ++s) {
            t.forward[start + s] = shrink(mul(t.forward[s], z, m), m.p);
            t.inverse[start + s] = shrink(mul(t.inverse[s], zInverse, m), m.p);
        }
    }
}

struct PrimeTables {
    std::mutex lock;
    std::shared_ptr<const RootTables> current;
};

} // namespace

std::shared_ptr<const RootTables> rootTables(std::size_t prime, std::size_t count) {
    assert(prime < 3 && count <= kMaxBlock / 2);
    static PrimeTables tables[3];
    PrimeTables &t = tables[prime];
    const std::lock_guard lock(t.lock);
    const std::size_t ready = t.current ? t.current->forward.size() : 0;
    if (t.current && ready >= count)
        return t.current;
    const Modulus &m = kModuli[prime];
    const std::size_t size = std::bit_ceil(std::max<std::size_t>(count, 1));
    auto grown = std::make_shared<RootTables>();
    // Fresh memory is touched a block at a time, between polls.
    growPolled(grown->forward, size, 0u);
    growPolled(grown->inverse, size, 0u);
    if (ready > 0) {
        std::copy(t.current->forward.begin(), t.current->forward.end(), grown->forward.begin());
        std::copy(t.current->inverse.begin(), t.current->inverse.end(), grown->inverse.begin());
    } else {
        grown->forward[0] = grown->inverse[0] = toMontgomery(1, m);
    }
    extend(*grown, std::max<std::size_t>(ready, 1), size, m);
    t.current = std::move(grown);
    return t.current;
}

} // namespace tallaro::ntt
