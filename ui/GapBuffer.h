#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

namespace tallaro {

// A field's text with a gap where the last edit was: an edit moves only the text between the
// old and the new place of the gap, so typing anywhere in millions of characters stays cheap.
// While every character is ASCII, as numbers are, the text takes one byte a character and can
// take over a string of bytes without copying it; the first other character widens it to
// UTF-16 code units for good. Growing allocates before anything changes, so a failed
// allocation leaves the text as it was.
class GapBuffer {
public:
    std::size_t size() const { return m_capacity - (m_gapEnd - m_gapStart); }
    bool isWide() const { return m_wide != nullptr; }
    char16_t at(std::size_t i) const {
        const std::size_t j = i < m_gapStart ? i : i + (m_gapEnd - m_gapStart);
        return m_wide ? m_wide[j] : static_cast<unsigned char>(m_narrow[j]);
    }
    // Calls visit with the contiguous pieces of [from, to), at most two: std::string_view
    // while the text is narrow, std::u16string_view once it is wide.
    template <typename Visit> void visitPieces(std::size_t from, std::size_t to, Visit visit) const;
    std::u16string text(std::size_t from, std::size_t to) const;
    // The whole of a wide text in one piece; moves the gap to the end.
    std::u16string_view wideText();

    // Becomes these ASCII bytes, taking the string over instead of copying it.
    void adopt(std::string bytes);
    // Makes room for `extra` more characters, with some to spare for the typing that follows;
    // wide: they include characters beyond ASCII.
    void reserveFor(std::size_t extra, bool wide);
    // Removes [pos, pos + removed) and returns the place to write new text at, char while the
    // text is narrow and char16_t once wide; as much room as reserveFor made. commit() tells
    // how many characters were written there.
    template <typename Unit> Unit *openAt(std::size_t pos, std::size_t removed);
    void commit(std::size_t written);
    // Gives back memory a much shorter text no longer needs, when the machine has it to give.
    void trim();

private:
    template <typename Unit> void moveGap(Unit *data, std::size_t pos);
    void reallocate(std::size_t capacity, bool wide);

    std::string m_narrow;
    std::unique_ptr<char16_t[]> m_wide;
    std::size_t m_capacity = 0;
    std::size_t m_gapStart = 0;
    std::size_t m_gapEnd = 0;
};

template <typename Visit>
void GapBuffer::visitPieces(std::size_t from, std::size_t to, Visit visit) const {
    const auto pieces = [&](const auto *data) {
        using View =
            std::basic_string_view<std::remove_const_t<std::remove_pointer_t<decltype(data)>>>;
        const std::size_t gap = m_gapEnd - m_gapStart;
        if (from < m_gapStart)
            visit(View(data + from, std::min(to, m_gapStart) - from));
        if (to > m_gapStart) {
            const std::size_t start = std::max(from, m_gapStart);
            visit(View(data + start + gap, to - start));
        }
    };
    if (m_wide)
        pieces(m_wide.get());
    else
        pieces(m_narrow.data());
}

} // namespace tallaro
