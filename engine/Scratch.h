#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tallaro {

// Called with every block Scratch takes fresh from the system, and with the fresh part of every
// long text or vector reserved by reserveFresh, before anything touches it. Faulting in fresh
// pages can cost more than a transform spends on their values (some 4 s a GiB on a virtual
// machine, 1.6 s for the 400 MB of a 10^8-digit product), so a program may
// install one that asks the system for large pages; the engine itself stays within the
// standard library and installs none.
using FreshMemoryAdvice = void (*)(void *data, std::size_t bytes);
void setFreshMemoryAdvice(FreshMemoryAdvice advice);

// Passes memory nothing has touched yet to the installed advice, when there is one and the
// memory could hold a large page (2 MiB).
void adviseFreshMemory(void *data, std::size_t bytes);

// Lets go of the blocks this thread keeps for its next products (see Scratch).
void releaseKeptScratch();

// Working memory of a long product: uninitialised 32-bit words, 64-byte aligned. Pages fresh
// from the system cost more to fault in than a transform spends on their values, so each
// thread keeps the blocks of its last products (up to kKeptBytes in all) for the next ones;
// larger blocks go straight back. Should an allocation fail, the kept blocks are let go and
// it is tried once more before std::bad_alloc is thrown.
class Scratch {
  public:
    static constexpr std::size_t kKeptBytes = std::size_t{64} << 20;

    explicit Scratch(std::size_t words);
    ~Scratch();
    Scratch(const Scratch &) = delete;
    Scratch &operator=(const Scratch &) = delete;

    std::span<std::uint32_t> words() const { return {m_data, m_words}; }

  private:
    std::uint32_t *m_data;
    std::size_t m_words; // at least the number asked for
};

} // namespace tallaro
