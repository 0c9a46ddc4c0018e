#pragma once

#include "CharacterMeasure.h"
#include "GapBuffer.h"

#include <cstddef>
#include <vector>

namespace tallaro {

// A field's paragraphs (the text between line breaks) and the rows they wrap into on a grid of
// fixed-width cells: a character covers one cell or two, and a row ends where the next
// character would not fit. While the text is ASCII every character covers one cell and all of
// this is arithmetic; otherwise a paragraph is walked character by character.
class TextLayout {
public:
    // Positions of a row's first character and of the one after its last, and its width.
    struct Row {
        std::size_t start = 0;
        std::size_t end = 0;
        std::size_t cells = 0;
    };

    TextLayout(const GapBuffer &text, const CharacterMeasure &measure);

    std::size_t columns() const { return m_columns; }
    // Wraps every paragraph again: for a new width or a new text.
    void rebuild(std::size_t columns, bool ascii);
    // Room for an edit that brings in up to `breaks` line breaks, so that update cannot fail.
    void reserve(std::size_t breaks);
    // The text's [pos, pos + removed) has become `inserted` characters.
    void update(std::size_t pos, std::size_t removed, std::size_t inserted, bool ascii) noexcept;

    std::size_t lineBreaks() const { return m_breaks.size(); }
    std::size_t rowCount() const { return m_firstRow.back(); }
    Row row(std::size_t index) const;
    // The row a caret at pos stands in: where a paragraph wraps, the later row.
    std::size_t rowOf(std::size_t pos) const;
    // The cells of [from, to), both in one row.
    std::size_t cellsBetween(std::size_t from, std::size_t to) const;
    // The caret position nearest to `cell` cells from the row's start.
    std::size_t positionInRow(const Row &row, double cell) const;
    // The position of an offset that counts every line break as the two characters "\r\n";
    // inside a line break it stands for the end of its line, past the end for the end.
    std::size_t positionOfWindowsOffset(std::size_t offset) const;

private:
    struct Step {
        std::size_t next;
        std::size_t cells;
    };
    Step step(std::size_t pos, std::size_t end) const;
    std::size_t paragraphStart(std::size_t paragraph) const;
    std::size_t paragraphEnd(std::size_t paragraph) const;
    std::size_t paragraphOf(std::size_t pos) const;
    std::size_t rowsOf(std::size_t start, std::size_t end) const;
    std::size_t countBreaks(std::size_t from, std::size_t to) const;
    void listBreaks(std::size_t from, std::size_t to, std::size_t *out) const;
    // The rows of [start, end) in order, until visit(row) returns true; the last row it saw.
    template <typename Visit> Row walkRows(std::size_t start, std::size_t end, Visit visit) const;

    const GapBuffer &m_text;
    const CharacterMeasure &m_measure;
    std::size_t m_columns = 1;
    bool m_ascii = true;
    // Positions of the line breaks, in order.
    std::vector<std::size_t> m_breaks;
    // The first row of every paragraph, and the row count at the end.
    std::vector<std::size_t> m_firstRow{0, 1};
};

} // namespace tallaro
