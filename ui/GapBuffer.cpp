#include "GapBuffer.h"

#include "LargePages.h"

#include <algorithm>
#include <cassert>
#include <new>

namespace tallaro {

std::u16string GapBuffer::text(std::size_t from, std::size_t to) const {
    assert(from <= to && to <= size());
    std::u16string result;
    result.reserve(to - from);
    visitPieces(from, to, [&result](auto piece) { result.append(piece.begin(), piece.end()); });
    return result;
}

std::u16string_view GapBuffer::wideText() {
    assert(isWide());
    moveGap(m_wide.get(), size());
    return {m_wide.get(), m_gapStart};
}

void GapBuffer::adopt(std::string bytes) {
    const std::size_t length = bytes.size();
    m_narrow = std::move(bytes);
    m_wide.reset();
    m_capacity = m_gapStart = m_gapEnd = length;
}

void GapBuffer::reserveFor(std::size_t extra, bool wide) {
    const bool widen = wide && !isWide();
    if (m_gapEnd - m_gapStart >= extra && !widen)
        return;
    const std::size_t needed = size() + extra;
    if (needed < extra)
        throw std::bad_alloc();
    // A sixteenth to spare: a keystroke after a long paste does not copy the text again.
    const std::size_t spare = std::min<std::size_t>(needed / 16, std::size_t{1} << 24) + 256;
    reallocate(needed + spare, isWide() || wide);
}

template <typename Unit> Unit *GapBuffer::openAt(std::size_t pos, std::size_t removed) {
    assert(pos + removed <= size());
    Unit *data;
    if constexpr (sizeof(Unit) == 1)
        data = m_narrow.data();
    else
        data = m_wide.get();
    assert((sizeof(Unit) == 2) == isWide());
    moveGap(data, pos);
    m_gapEnd += removed;
    return data + m_gapStart;
}
template char *GapBuffer::openAt<char>(std::size_t, std::size_t);
template char16_t *GapBuffer::openAt<char16_t>(std::size_t, std::size_t);

void GapBuffer::commit(std::size_t written) {
    assert(written <= m_gapEnd - m_gapStart);
    m_gapStart += written;
}

void GapBuffer::trim() {
    const std::size_t wanted = size() + size() / 16 + 256;
    if (m_capacity <= 4 * wanted || m_capacity < (std::size_t{1} << 20))
        return;
    try {
        reallocate(wanted, isWide());
    } catch (const std::bad_alloc &) {
        // Keeping the larger block costs memory, not the text.
    }
}

template <typename Unit> void GapBuffer::moveGap(Unit *data, std::size_t pos) {
    assert(pos <= size());
    if (pos < m_gapStart) {
        std::move_backward(data + pos, data + m_gapStart, data + m_gapEnd);
        m_gapEnd -= m_gapStart - pos;
        m_gapStart = pos;
    } else if (pos > m_gapStart) {
        std::move(data + m_gapEnd, data + m_gapEnd + (pos - m_gapStart), data + m_gapStart);
        m_gapEnd += pos - m_gapStart;
        m_gapStart = pos;
    }
}

void GapBuffer::reallocate(std::size_t capacity, bool wide) {
    assert(capacity >= size());
    const std::size_t tail = m_capacity - m_gapEnd;
    const auto copy = [&](auto *to) {
        const auto place = [&](const auto *from) {
            std::copy_n(from, m_gapStart, to);
            std::copy_n(from + m_gapEnd, tail, to + capacity - tail);
        };
        if (m_wide)
            place(m_wide.get());
        else
            place(m_narrow.data());
    };
    if (wide) {
        auto data = std::make_unique_for_overwrite<char16_t[]>(capacity);
        adviseLargePages(data.get(), capacity * sizeof(char16_t));
        copy(data.get());
        m_wide = std::move(data);
        std::string().swap(m_narrow);
    } else {
        std::string data;
        data.reserve(capacity);
        adviseLargePages(data.data(), capacity);
        data.resize(capacity);
        copy(data.data());
        m_narrow = std::move(data);
    }
    m_gapEnd = capacity - tail;
    m_capacity = capacity;
}

} // namespace tallaro
