#include "NttRoots.h"

#include "NttArithmetic.h"

#include <atomic>
#include <bit>
#include <cassert>
#include <memory>
#include <mutex>
#include <utility>

namespace tallaro::ntt {

namespace {

constexpr std::size_t kCapacity = kMaxBlock / 2;

struct Tables {
    std::mutex growing;
    std::atomic<std::size_t> ready{0};
    // Allocated whole at first use but left uninitialised, so that only the pages a
    // transform has needed are ever touched; never moved, so readers need no lock.
    std::unique_ptr<std::uint32_t[]> forward, inverse;
};

// Fills entries [from, to) of both tables; from and to are powers of two (or from is 0).
void extend(Tables &t, std::size_t from, std::size_t to, const Modulus &m) {
    if (from == 0) {
        t.forward[0] = t.inverse[0] = toMontgomery(1, m);
        from = 1;
    }
    for (std::size_t start = from; start < to; start *= 2) {
        const std::uint32_t z = rootOfUnity(4 * std::uint64_t{start}, m), zInverse = inverse(z, m);
        for (std::size_t s = 0; s < start; ++s) {
            t.forward[start + s] = shrink(mul(t.forward[s], z, m), m.p);
            t.inverse[start + s] = shrink(mul(t.inverse[s], zInverse, m), m.p);
        }
    }
}

} // namespace

RootTable rootTable(std::size_t prime, std::size_t count) {
    assert(prime < 3 && count <= kCapacity);
    static Tables tables[3];
    Tables &t = tables[prime];
    if (t.ready.load(std::memory_order_acquire) < count) {
        const std::lock_guard lock(t.growing);
        const std::size_t ready = t.ready.load(std::memory_order_relaxed);
        if (ready < count) {
            if (!t.forward) { // both or neither, should the second allocation fail
                std::unique_ptr<std::uint32_t[]> forward(new std::uint32_t[kCapacity]);
                t.inverse.reset(new std::uint32_t[kCapacity]);
                t.forward = std::move(forward);
            }
            const std::size_t target = std::bit_ceil(count);
            extend(t, ready, target, kModuli[prime]);
            t.ready.store(target, std::memory_order_release);
        }
    }
    return {t.forward.get(), t.inverse.get()};
}

} // namespace tallaro::ntt
