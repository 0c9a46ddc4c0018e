#include "TextFieldModel.h"

#include "Utf16.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <memory>
#include <type_traits>

namespace tallaro {

using utf16::isHighSurrogate;
using utf16::isLowSurrogate;

namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

template <typename Char> char16_t unit(Char c) {
    if constexpr (sizeof(Char) == 1)
        return static_cast<unsigned char>(c);
    else
        return c;
}

// Line breaks arrive as "\r\n", "\r", "\n" or the paragraph separator; the field keeps "\n".
bool isOddBreak(char16_t c) {
    return c == u'\r' || c == u'\u2029';
}

// Every character is looked at, without stopping early, so that these loops run vectorised.
template <typename Char> bool hasOddBreaks(std::basic_string_view<Char> text) {
    bool odd = false;
    for (const Char c : text)
        odd |= isOddBreak(unit(c));
    return odd;
}

template <typename Char> bool isAsciiText(std::basic_string_view<Char> text) {
    char16_t all = 0;
    for (const Char c : text)
        all |= unit(c);
    return all < 0x80;
}

// At most as many breaks as the text has break characters.
template <typename Char> std::size_t breakCharacters(std::basic_string_view<Char> text) {
    std::size_t count = 0;
    for (const Char c : text)
        count += unit(c) == u'\n' || isOddBreak(unit(c));
    return count;
}

// Copied a line at a time, so that a laid-out answer's "\r\n" cost no more than its digits;
// out may be where text is, as long as it does not stand behind it.
template <typename Char, typename Out>
std::size_t copyWithBreaks(std::basic_string_view<Char> text, Out *out) {
    const Out *start = out;
    auto from = text.begin();
    const bool odd = hasOddBreaks(text);
    while (true) {
        const auto next =
            odd ? std::find_if(from, text.end(), [](Char c) { return isOddBreak(unit(c)); })
                : text.end();
        if constexpr (std::is_same_v<Char, Out>) {
            // An empty text may have no address at all.
            if (next != from)
                std::memmove(out, std::to_address(from),
                             static_cast<std::size_t>(next - from) * sizeof(Out));
            out += next - from;
        } else {
            out = std::transform(from, next, out, [](Char c) { return static_cast<Out>(unit(c)); });
        }
        if (next == text.end())
            return static_cast<std::size_t>(out - start);
        from = next + 1;
        if (unit(*next) == u'\r' && from != text.end() && unit(*from) == u'\n')
            ++from;
        *out++ = static_cast<Out>(u'\n');
    }
}

// Writes text at pos in place of `removed` characters, in the buffer's own units.
template <typename Char>
std::size_t write(GapBuffer &buffer, std::size_t pos, std::size_t removed,
                  std::basic_string_view<Char> text) {
    if (buffer.isWide())
        return copyWithBreaks(text, buffer.openAt<char16_t>(pos, removed));
    return copyWithBreaks(text, buffer.openAt<char>(pos, removed));
}

} // namespace

TextFieldModel::TextFieldModel(const CharacterMeasure &measure, Align align)
    : m_measure(measure), m_align(align), m_layout(m_text, measure) {}

std::string TextFieldModel::asciiText() const {
    assert(isAscii());
    std::string bytes(m_cp932Length, '\0');
    auto out = bytes.begin();
    m_text.visitPieces(0, size(), [&out](auto piece) {
        auto from = piece.begin();
        while (true) {
            const auto next = std::find(from, piece.end(), '\n');
            out = std::transform(from, next, out, [](auto c) { return static_cast<char>(c); });
            if (next == piece.end())
                return;
            *out++ = '\r';
            *out++ = '\n';
            from = next + 1;
        }
    });
    return bytes;
}

TextFieldModel::Counts TextFieldModel::count(std::size_t from, std::size_t to) const {
    Counts counts;
    std::size_t breaks = 0;
    m_text.visitPieces(from, to, [&](auto piece) {
        for (const auto c : piece) {
            counts.nonAscii += unit(c) >= 0x80;
            breaks += c == '\n';
        }
    });
    counts.cp932 = to - from + breaks;
    if (counts.nonAscii == 0)
        return counts;
    // Each character beyond ASCII was counted as its code units; it takes what CP932 makes of it.
    for (std::size_t pos = from; pos < to; ++pos) {
        const char16_t c = m_text.at(pos);
        if (c < 0x80)
            continue;
        if (isHighSurrogate(c) && pos + 1 < to && isLowSurrogate(m_text.at(pos + 1))) {
            const char32_t code = utf16::codePoint(c, m_text.at(pos + 1));
            counts.cp932 = counts.cp932 - 2 + static_cast<std::size_t>(m_measure.cp932Bytes(code));
            ++pos;
        } else {
            counts.cp932 = counts.cp932 - 1 + static_cast<std::size_t>(m_measure.cp932Bytes(c));
        }
    }
    return counts;
}

void TextFieldModel::setText(std::u16string_view text) {
    GapBuffer fresh;
    fresh.reserveFor(text.size(), !isAsciiText(text));
    fresh.commit(write(fresh, 0, 0, text));
    assign(std::move(fresh), 1);
}

// Line breaks become "\n" where the bytes stand, and the field keeps the bytes.
void TextFieldModel::setText(std::string ascii) {
    assert(isAsciiText(std::string_view(ascii)));
    ascii.resize(copyWithBreaks(std::string_view(ascii), ascii.data()));
    GapBuffer fresh;
    fresh.adopt(std::move(ascii));
    assign(std::move(fresh), 0);
}

// A new buffer, so that a long text replaced by another takes no more room than the two of
// them while the new one is written. nonAscii 0: the text is known to be ASCII.
void TextFieldModel::assign(GapBuffer fresh, std::size_t nonAscii) {
    std::swap(m_text, fresh);
    const Counts counts = nonAscii == 0 ? Counts{} : count(0, size());
    try {
        m_layout.rebuild(m_layout.columns(), counts.nonAscii == 0);
    } catch (...) {
        std::swap(m_text, fresh);
        throw;
    }
    m_nonAscii = counts.nonAscii;
    // Without a count every byte is one, and a line break two.
    m_cp932Length = nonAscii == 0 ? size() + m_layout.lineBreaks() : counts.cp932;
    m_lastChange = {0, fresh.size(), size()};
    m_caret = m_anchor = 0;
    m_goalCell = -1;
    ++m_revision;
    m_history.clear();
    m_done = 0;
    m_typingOpen = false;
}

// Everything that can fail is done before the text changes.
template <typename Char>
std::u16string TextFieldModel::replace(std::size_t pos, std::size_t removed,
                                       std::basic_string_view<Char> text) {
    std::u16string gone = m_text.text(pos, pos + removed);
    m_layout.reserve(breakCharacters(text));
    m_text.reserveFor(text.size() > removed ? text.size() - removed : 0, !isAsciiText(text));

    const Counts before = count(pos, pos + removed);
    const std::size_t inserted = write(m_text, pos, removed, text);
    m_text.commit(inserted);
    const Counts after = count(pos, pos + inserted);
    m_nonAscii = m_nonAscii - before.nonAscii + after.nonAscii;
    m_cp932Length = m_cp932Length - before.cp932 + after.cp932;
    m_layout.update(pos, removed, inserted, isAscii());
    m_text.trim();
    m_lastChange = {pos, removed, inserted};
    m_caret = m_anchor = pos + inserted;
    m_goalCell = -1;
    ++m_revision;
    return gone;
}

void TextFieldModel::insert(std::u16string_view text, bool typing) {
    const std::size_t pos = selectionStart();
    const std::size_t removed = selectionEnd() - pos;
    if (typing && m_typingOpen && removed == 0) {
        Edit &last = m_history[m_done - 1];
        const std::size_t before = size();
        replace(pos, 0, text);
        last.present += size() - before;
        return;
    }
    m_history.reserve(m_done + 1);
    const std::size_t before = size() - removed;
    std::u16string gone = replace(pos, removed, text);
    record(pos, size() - before, std::move(gone), typing);
}

void TextFieldModel::eraseTo(CaretMove move) {
    std::size_t from = selectionStart();
    std::size_t to = selectionEnd();
    if (from == to) {
        const std::size_t end = target(move);
        from = std::min(end, m_caret);
        to = std::max(end, m_caret);
    }
    if (from == to)
        return;
    m_history.reserve(m_done + 1);
    std::u16string gone = replace(from, to - from, std::u16string_view());
    record(from, 0, std::move(gone), false);
}

void TextFieldModel::record(std::size_t pos, std::size_t inserted, std::u16string removed,
                            bool typing) {
    m_history.resize(m_done);
    m_history.push_back({pos, inserted, std::move(removed), typing});
    ++m_done;
    m_typingOpen = typing;
}

// Undo and redo are one step: what is in the text and what it stands in for change places.
void TextFieldModel::swapEdit(Edit &edit) {
    std::u16string present = replace(edit.pos, edit.present, std::u16string_view(edit.absent));
    edit.present = edit.absent.size();
    edit.absent = std::move(present);
    m_typingOpen = false;
}

void TextFieldModel::undo() {
    if (!canUndo())
        return;
    swapEdit(m_history[m_done - 1]);
    --m_done;
}

void TextFieldModel::redo() {
    if (!canRedo())
        return;
    swapEdit(m_history[m_done]);
    ++m_done;
}

void TextFieldModel::setCaret(std::size_t pos, bool extend) {
    pos = std::min(pos, size());
    // Never between the two halves of a character outside the basic plane.
    if (pos > 0 && pos < size() && isLowSurrogate(at(pos)) && isHighSurrogate(at(pos - 1)))
        --pos;
    m_caret = pos;
    if (!extend)
        m_anchor = pos;
    m_goalCell = -1;
    m_typingOpen = false;
}

void TextFieldModel::select(std::size_t anchor, std::size_t caret) {
    setCaret(anchor, false);
    setCaret(caret, true);
}

void TextFieldModel::move(CaretMove move, bool extend) {
    if (hasSelection() && !extend && (move == CaretMove::Left || move == CaretMove::Right)) {
        setCaret(move == CaretMove::Left ? selectionStart() : selectionEnd(), false);
        return;
    }
    const bool vertical = move == CaretMove::Up || move == CaretMove::Down ||
                          move == CaretMove::PageUp || move == CaretMove::PageDown;
    const double goal =
        vertical && m_goalCell >= 0 ? m_goalCell : static_cast<double>(cellOf(m_caret));
    setCaret(target(move), extend);
    if (vertical)
        m_goalCell = goal;
}

std::size_t TextFieldModel::target(CaretMove move) const {
    switch (move) {
    case CaretMove::Left:
        return previousCharacter(m_caret);
    case CaretMove::Right:
        return nextCharacter(m_caret);
    case CaretMove::WordLeft:
        return previousWord(m_caret);
    case CaretMove::WordRight:
        return nextWord(m_caret);
    case CaretMove::RowStart:
        return row(rowOf(m_caret)).start;
    case CaretMove::RowEnd:
        return row(rowOf(m_caret)).end;
    case CaretMove::Up:
        return verticalTarget(1, false);
    case CaretMove::Down:
        return verticalTarget(1, true);
    case CaretMove::PageUp:
        return verticalTarget(m_pageRows, false);
    case CaretMove::PageDown:
        return verticalTarget(m_pageRows, true);
    case CaretMove::TextStart:
        return 0;
    case CaretMove::TextEnd:
        return size();
    }
    return m_caret;
}

std::size_t TextFieldModel::verticalTarget(std::size_t rows, bool down) const {
    const std::size_t from = rowOf(m_caret);
    const std::size_t to =
        down ? std::min(from + rows, rowCount() - 1) : from - std::min(from, rows);
    const double goal = m_goalCell >= 0 ? m_goalCell : static_cast<double>(cellOf(m_caret));
    return positionAt(to, goal);
}

std::size_t TextFieldModel::nextCharacter(std::size_t pos) const {
    if (pos >= size())
        return size();
    return pos +
           (isHighSurrogate(at(pos)) && pos + 1 < size() && isLowSurrogate(at(pos + 1)) ? 2 : 1);
}

std::size_t TextFieldModel::previousCharacter(std::size_t pos) const {
    if (pos == 0)
        return 0;
    return pos - (pos >= 2 && isLowSurrogate(at(pos - 1)) && isHighSurrogate(at(pos - 2)) ? 2 : 1);
}

// A word is a run of characters that are neither blanks nor line breaks; Ctrl+Right goes to
// the start of the next one, Ctrl+Left to the start of this one or the one before.
std::size_t TextFieldModel::nextWord(std::size_t pos) const {
    if (pos < size() && at(pos) == u'\n')
        return pos + 1;
    while (pos < size() && at(pos) != u'\n' && !isBlank(at(pos)))
        ++pos;
    while (pos < size() && isBlank(at(pos)))
        ++pos;
    return pos;
}

std::size_t TextFieldModel::previousWord(std::size_t pos) const {
    const std::size_t from = pos;
    while (pos > 0 && isBlank(at(pos - 1)))
        --pos;
    if (pos > 0 && at(pos - 1) == u'\n')
        return pos == from ? pos - 1 : pos;
    while (pos > 0 && at(pos - 1) != u'\n' && !isBlank(at(pos - 1)))
        --pos;
    return pos;
}

std::pair<std::size_t, std::size_t> TextFieldModel::wordAt(std::size_t pos) const {
    pos = std::min(pos, size());
    if (pos == size() || at(pos) == u'\n') {
        if (pos == 0 || at(pos - 1) == u'\n')
            return {pos, pos};
        --pos;
    }
    const bool blank = isBlank(at(pos));
    const auto same = [&](std::size_t i) { return at(i) != u'\n' && isBlank(at(i)) == blank; };
    std::size_t start = pos;
    while (start > 0 && same(start - 1))
        --start;
    std::size_t end = pos + 1;
    while (end < size() && same(end))
        ++end;
    return {start, end};
}

void TextFieldModel::setGrid(std::size_t columns, std::size_t pageRows) {
    m_pageRows = std::max<std::size_t>(pageRows, 1);
    if (columns != m_layout.columns())
        m_layout.rebuild(columns, isAscii());
}

std::size_t TextFieldModel::indent(const TextLayout::Row &row) const {
    return m_align == Align::Right ? columns() - std::min(row.cells, columns()) : 0;
}

std::size_t TextFieldModel::cellOf(std::size_t pos) const {
    const TextLayout::Row current = row(rowOf(pos));
    return indent(current) + m_layout.cellsBetween(current.start, pos);
}

std::size_t TextFieldModel::positionAt(std::size_t index, double cell) const {
    const TextLayout::Row target = row(std::min(index, rowCount() - 1));
    return m_layout.positionInRow(target, cell - static_cast<double>(indent(target)));
}

} // namespace tallaro
