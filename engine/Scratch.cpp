#include "Scratch.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <new>
#include <utility>

namespace tallaro {

namespace {

constexpr std::align_val_t kAlignment{64};

struct Block {
    std::uint32_t *data = nullptr;
    std::size_t words = 0;
};

void release(Block &block) {
    if (block.data != nullptr)
        ::operator delete[](block.data, kAlignment);
    block = {};
}

// At most four blocks: a product's limbs and its transforms' residues, and the transforms a
// division keeps of its reciprocal and its divisor while it makes those products.
struct KeptBlocks {
    Block blocks[4];
    ~KeptBlocks() {
        for (Block &block : blocks)
            release(block);
    }
    std::size_t bytes() const {
        std::size_t words = 0;
        for (const Block &block : blocks)
            words += block.words;
        return words * sizeof(std::uint32_t);
    }
};

thread_local KeptBlocks kept;

std::atomic<FreshMemoryAdvice> freshMemoryAdvice{nullptr};

std::uint32_t *allocate(std::size_t words) {
    void *const data = ::operator new[](words * sizeof(std::uint32_t), kAlignment);
    adviseFreshMemory(data, words * sizeof(std::uint32_t));
    return static_cast<std::uint32_t *>(data);
}

} // namespace

void releaseKeptScratch() {
    for (Block &block : kept.blocks)
        release(block);
}

void setFreshMemoryAdvice(FreshMemoryAdvice advice) {
    freshMemoryAdvice.store(advice, std::memory_order_relaxed);
}

void adviseFreshMemory(void *data, std::size_t bytes) {
    constexpr std::size_t kLargePage = std::size_t{2} << 20;
    const FreshMemoryAdvice advice = freshMemoryAdvice.load(std::memory_order_relaxed);
    if (advice != nullptr && bytes >= kLargePage)
        advice(data, bytes);
}

Scratch::Scratch(std::size_t words) : m_data(nullptr), m_words(std::max<std::size_t>(words, 1)) {
    Block *fit = nullptr;
    for (Block &block : kept.blocks) {
        if (block.words >= m_words && (fit == nullptr || block.words < fit->words))
            fit = &block;
    }
    if (fit != nullptr) {
        m_data = fit->data, m_words = fit->words;
        *fit = {};
        return;
    }
    try {
        m_data = allocate(m_words);
    } catch (const std::bad_alloc &) {
        releaseKeptScratch();
        m_data = allocate(m_words);
    }
}

Scratch::~Scratch() {
    Block mine{m_data, m_words};
    Block &smaller =
        *std::min_element(std::begin(kept.blocks), std::end(kept.blocks),
                          [](const Block &a, const Block &b) { return a.words < b.words; });
    const std::size_t bytesIfKept =
        kept.bytes() - smaller.words * sizeof(std::uint32_t) + mine.words * sizeof(std::uint32_t);
    if (mine.words > smaller.words && bytesIfKept <= kKeptBytes)
        std::swap(mine, smaller);
    release(mine);
}

} // namespace tallaro
