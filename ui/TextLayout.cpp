#include "TextLayout.h"

#include "Utf16.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace tallaro {

using utf16::isHighSurrogate;
using utf16::isLowSurrogate;

TextLayout::TextLayout(const GapBuffer &text, const CharacterMeasure &measure)
    : m_text(text), m_measure(measure) {}

TextLayout::Step TextLayout::step(std::size_t pos, std::size_t end) const {
    const char16_t c = m_text.at(pos);
    if (c < 0x80)
        return {pos + 1, 1};
    if (isHighSurrogate(c) && pos + 1 < end && isLowSurrogate(m_text.at(pos + 1))) {
        const char32_t code = utf16::codePoint(c, m_text.at(pos + 1));
        return {pos + 2, static_cast<std::size_t>(m_measure.cells(code))};
    }
    return {pos + 1, static_cast<std::size_t>(m_measure.cells(c))};
}

template <typename Visit>
TextLayout::Row TextLayout::walkRows(std::size_t start, std::size_t end, Visit visit) const {
    Row current{start, start, 0};
    for (std::size_t pos = start; pos < end;) {
        const Step next = step(pos, end);
        if (current.cells > 0 && current.cells + next.cells > m_columns) {
            current.end = pos;
            if (visit(current))
                return current;
            current = {pos, pos, 0};
        }
        current.cells += next.cells;
        pos = next.next;
    }
    current.end = end;
    visit(current);
    return current;
}

std::size_t TextLayout::paragraphStart(std::size_t paragraph) const {
    return paragraph == 0 ? 0 : m_breaks[paragraph - 1] + 1;
}

std::size_t TextLayout::paragraphEnd(std::size_t paragraph) const {
    return paragraph < m_breaks.size() ? m_breaks[paragraph] : m_text.size();
}

// A line break at a position ends the paragraph that position is in.
std::size_t TextLayout::paragraphOf(std::size_t pos) const {
    return static_cast<std::size_t>(std::lower_bound(m_breaks.begin(), m_breaks.end(), pos) -
                                    m_breaks.begin());
}

std::size_t TextLayout::rowsOf(std::size_t start, std::size_t end) const {
    if (m_ascii)
        return start == end ? 1 : (end - start + m_columns - 1) / m_columns;
    std::size_t rows = 0;
    walkRows(start, end, [&rows](const Row &) {
        ++rows;
        return false;
    });
    return rows;
}

void TextLayout::rebuild(std::size_t columns, bool ascii) {
    std::vector<std::size_t> breaks(countBreaks(0, m_text.size()));
    std::vector<std::size_t> firstRow(breaks.size() + 2);
    listBreaks(0, m_text.size(), breaks.data());
    m_breaks.swap(breaks);
    // A character two cells wide must fit a row of its own.
    m_columns = std::max<std::size_t>(columns, 2);
    m_ascii = ascii;
    for (std::size_t p = 0; p <= m_breaks.size(); ++p)
        firstRow[p + 1] = firstRow[p] + rowsOf(paragraphStart(p), paragraphEnd(p));
    m_firstRow.swap(firstRow);
}

std::size_t TextLayout::countBreaks(std::size_t from, std::size_t to) const {
    std::size_t count = 0;
    m_text.visitPieces(from, to, [&count](auto piece) {
        count += static_cast<std::size_t>(std::count(piece.begin(), piece.end(), '\n'));
    });
    return count;
}

void TextLayout::listBreaks(std::size_t from, std::size_t to, std::size_t *out) const {
    std::size_t pos = from;
    m_text.visitPieces(from, to, [&](auto piece) {
        for (auto next = piece.begin(); (next = std::find(next, piece.end(), '\n')) != piece.end();
             ++next)
            *out++ = pos + static_cast<std::size_t>(next - piece.begin());
        pos += piece.size();
    });
}

void TextLayout::reserve(std::size_t breaks) {
    m_breaks.reserve(m_breaks.size() + breaks);
    m_firstRow.reserve(m_firstRow.size() + breaks);
}

void TextLayout::update(std::size_t pos, std::size_t removed, std::size_t inserted,
                        bool ascii) noexcept {
    m_ascii = ascii;
    // Breaks inside the replaced text go; those behind it move; the new text's come in.
    const auto first = std::lower_bound(m_breaks.begin(), m_breaks.end(), pos);
    const auto last = std::lower_bound(first, m_breaks.end(), pos + removed);
    const std::size_t p0 = static_cast<std::size_t>(first - m_breaks.begin());
    const std::size_t gone = static_cast<std::size_t>(last - first);
    const std::size_t oldEnd = m_firstRow[p0 + gone + 1];
    const std::size_t added = countBreaks(pos, pos + inserted);
    m_breaks.erase(first, last);
    m_breaks.insert(m_breaks.begin() + static_cast<std::ptrdiff_t>(p0), added, 0);
    listBreaks(pos, pos + inserted, m_breaks.data() + p0);
    for (std::size_t i = p0 + added; i < m_breaks.size(); ++i)
        m_breaks[i] = m_breaks[i] + inserted - removed;

    // The rows of the paragraphs the edit touched, and those behind them moved as a whole.
    const auto rows = m_firstRow.begin() + static_cast<std::ptrdiff_t>(p0 + 1);
    m_firstRow.erase(rows, rows + static_cast<std::ptrdiff_t>(gone + 1));
    m_firstRow.insert(m_firstRow.begin() + static_cast<std::ptrdiff_t>(p0 + 1), added + 1, 0);
    std::size_t end = m_firstRow[p0];
    for (std::size_t p = p0; p <= p0 + added; ++p) {
        end += rowsOf(paragraphStart(p), paragraphEnd(p));
        m_firstRow[p + 1] = end;
    }
    for (std::size_t i = p0 + added + 2; i < m_firstRow.size(); ++i)
        m_firstRow[i] = m_firstRow[i] - oldEnd + end;
}

TextLayout::Row TextLayout::row(std::size_t index) const {
    assert(index < rowCount());
    const std::size_t p = static_cast<std::size_t>(
        std::upper_bound(m_firstRow.begin(), m_firstRow.end(), index) - m_firstRow.begin() - 1);
    const std::size_t start = paragraphStart(p);
    const std::size_t end = paragraphEnd(p);
    std::size_t k = index - m_firstRow[p];
    if (m_ascii) {
        const std::size_t from = start + k * m_columns;
        const std::size_t to = std::min(from + m_columns, end);
        return {from, to, to - from};
    }
    return walkRows(start, end, [&k](const Row &) { return k-- == 0; });
}

std::size_t TextLayout::rowOf(std::size_t pos) const {
    assert(pos <= m_text.size());
    const std::size_t p = paragraphOf(pos);
    const std::size_t start = paragraphStart(p);
    const std::size_t end = paragraphEnd(p);
    const std::size_t last = m_firstRow[p + 1] - m_firstRow[p] - 1;
    if (m_ascii)
        return m_firstRow[p] + std::min((pos - start) / m_columns, last);
    std::size_t k = 0;
    walkRows(start, end, [&](const Row &row) {
        if (pos < row.end || k == last)
            return true;
        ++k;
        return false;
    });
    return m_firstRow[p] + k;
}

std::size_t TextLayout::cellsBetween(std::size_t from, std::size_t to) const {
    assert(from <= to);
    if (m_ascii)
        return to - from;
    std::size_t cells = 0;
    for (std::size_t pos = from; pos < to;) {
        const Step next = step(pos, to);
        cells += next.cells;
        pos = next.next;
    }
    return cells;
}

std::size_t TextLayout::positionInRow(const Row &row, double cell) const {
    if (cell <= 0)
        return row.start;
    if (m_ascii)
        return row.start +
               std::min(static_cast<std::size_t>(std::lround(cell)), row.end - row.start);
    double left = 0;
    for (std::size_t pos = row.start; pos < row.end;) {
        const Step next = step(pos, row.end);
        const auto width = static_cast<double>(next.cells);
        if (cell < left + width / 2)
            return pos;
        left += width;
        pos = next.next;
    }
    return row.end;
}

std::size_t TextLayout::positionOfWindowsOffset(std::size_t offset) const {
    // Paragraph p starts at offset paragraphStart(p) + p: each break before it counts twice.
    std::size_t low = 0;
    std::size_t high = m_breaks.size();
    while (low < high) {
        const std::size_t mid = low + (high - low + 1) / 2;
        if (m_breaks[mid - 1] + 1 + mid <= offset)
            low = mid;
        else
            high = mid - 1;
    }
    const std::size_t start = paragraphStart(low);
    return start + std::min(offset - start - low, paragraphEnd(low) - start);
}

} // namespace tallaro
