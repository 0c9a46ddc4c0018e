#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace tallaro {

// UTF-16 text with a gap where the last edit was: an edit moves only the text between the old
// and the new place of the gap, so typing anywhere in millions of characters stays cheap.
// Growing allocates before anything changes, so a failed allocation leaves the text as it was.
class GapBuffer {
public:
    std::size_t size() const { return m_capacity - (m_gapEnd - m_gapStart); }
    std::size_t capacity() const { return m_capacity; }
    char16_t at(std::size_t i) const { return m_data[i < m_gapStart ? i : i + gapLength()]; }
    // [from, to) as at most two contiguous pieces, the first one before the gap.
    std::pair<std::u16string_view, std::u16string_view> pieces(std::size_t from,
                                                               std::size_t to) const;
    std::u16string text(std::size_t from, std::size_t to) const;
    // The whole text in one piece; moves the gap to the end.
    std::u16string_view contiguous();

    // Makes room for `extra` more characters, with some to spare for the typing that follows.
    void reserveFor(std::size_t extra);
    // Removes [pos, pos + removed) and returns the place to write new text at; as much room
    // as reserveFor made. commit() tells how many characters were written there.
    char16_t *openAt(std::size_t pos, std::size_t removed);
    void commit(std::size_t written);
    // Gives back memory a much shorter text no longer needs, when the machine has it to give.
    void trim();

private:
    std::size_t gapLength() const { return m_gapEnd - m_gapStart; }
    void moveGap(std::size_t pos);
    void reallocate(std::size_t capacity);

    std::unique_ptr<char16_t[]> m_data;
    std::size_t m_capacity = 0;
    std::size_t m_gapStart = 0;
    std::size_t m_gapEnd = 0;
};

} // namespace tallaro
