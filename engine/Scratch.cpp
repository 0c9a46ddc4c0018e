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
// division keeps of its reciprocal and its divisor while it makes those products. The most
// recently given back first, so that the blocks of earlier work of other sizes are the ones
// let go: kept for good, they would leave no room for the blocks of the work at hand.
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
        // The blocks after it move up, keeping their order.
        std::move(fit + 1, std::end(kept.blocks), fit);
        kept.blocks[std::size(kept.blocks) - 1] = {};
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
    if (mine.words * sizeof(std::uint32_t) > kKeptBytes) {
        release(mine);
        return;
    }
    // Mine goes first; the oldest go while the blocks hold more than the limit.
    Block *const last = std::end(kept.blocks) - 1;
    release(*last);
    std::move_backward(std::begin(kept.blocks), last, std::end(kept.blocks));
    kept.blocks[0] = mine;
    for (Block *oldest = last; kept.bytes() > kKeptBytes; --oldest)
        release(*oldest);
}

} // namespace tallaro
