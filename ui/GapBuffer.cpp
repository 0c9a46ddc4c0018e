#include "GapBuffer.h"

#include <algorithm>
#include <cassert>
#include <new>

namespace tallaro {

std::pair<std::u16string_view, std::u16string_view> GapBuffer::pieces(std::size_t from,
                                                                      std::size_t to) const {
    assert(from <= to && to <= size());
    const char16_t *data = m_data.get();
    if (to <= m_gapStart)
        return {{data + from, to - from}, {}};
    if (from >= m_gapStart)
        return {{data + from + gapLength(), to - from}, {}};
    return {{data + from, m_gapStart - from}, {data + m_gapEnd, to - m_gapStart}};
}

std::u16string GapBuffer::text(std::size_t from, std::size_t to) const {
    const auto [first, second] = pieces(from, to);
    std::u16string result;
    result.reserve(first.size() + second.size());
    result.append(first).append(second);
    return result;
}

std::u16string_view GapBuffer::contiguous() {
    moveGap(size());
    return {m_data.get(), m_gapStart};
}

void GapBuffer::reserveFor(std::size_t extra) {
    if (gapLength() >= extra)
        return;
    const std::size_t needed = size() + extra;
    if (needed < extra)
        throw std::bad_alloc();
    // A sixteenth to spare: a keystroke after a long paste does not copy the text again.
    const std::size_t spare = std::min<std::size_t>(needed / 16, std::size_t{1} << 24) + 256;
    reallocate(needed + spare);
}

char16_t *GapBuffer::openAt(std::size_t pos, std::size_t removed) {
    assert(pos + removed <= size());
    moveGap(pos);
    m_gapEnd += removed;
    return m_data.get() + m_gapStart;
}

void GapBuffer::commit(std::size_t written) {
    assert(written <= gapLength());
    m_gapStart += written;
}

void GapBuffer::trim() {
    const std::size_t wanted = size() + size() / 16 + 256;
    if (m_capacity <= 4 * wanted || m_capacity < (std::size_t{1} << 20))
        return;
    try {
        reallocate(wanted);
    } catch (const std::bad_alloc &) {
        // Keeping the larger block costs memory, not the text.
    }
}

void GapBuffer::moveGap(std::size_t pos) {
    assert(pos <= size());
    char16_t *data = m_data.get();
    if (pos < m_gapStart) {
        const std::size_t count = m_gapStart - pos;
        std::move_backward(data + pos, data + m_gapStart, data + m_gapEnd);
        m_gapStart = pos;
        m_gapEnd -= count;
    } else if (pos > m_gapStart) {
        const std::size_t count = pos - m_gapStart;
        std::move(data + m_gapEnd, data + m_gapEnd + count, data + m_gapStart);
        m_gapStart = pos;
        m_gapEnd += count;
    }
}

void GapBuffer::reallocate(std::size_t capacity) {
    assert(capacity >= size());
    auto data = std::make_unique_for_overwrite<char16_t[]>(capacity);
    const std::size_t tail = m_capacity - m_gapEnd;
    std::copy_n(m_data.get(), m_gapStart, data.get());
    std::copy_n(m_data.get() + m_gapEnd, tail, data.get() + capacity - tail);
    m_data = std::move(data);
    m_gapEnd = capacity - tail;
    m_capacity = capacity;
}

} // namespace tallaro
