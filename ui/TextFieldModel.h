#pragma once

#include "CharacterMeasure.h"
#include "GapBuffer.h"
#include "TextLayout.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallaro {

// The caret moves of the keyboard.
enum class CaretMove {
    Left,
    Right,
    WordLeft,
    WordRight,
    RowStart,
    RowEnd,
    Up,
    Down,
    PageUp,
    PageDown,
    TextStart,
    TextEnd
};

// One multi-line field without the window: its text, typing, pasting and deleting, the caret
// and the selection, undo and redo, the rows the text wraps into, and its length in CP932
// bytes for the dialog's counters, kept up to date edit by edit so that a keystroke costs the
// same in a field of ten characters and of a hundred million. Positions count UTF-16 code
// units; a line break is one "\n", whichever kind came in. Every edit either happens whole or,
// when memory runs out (std::bad_alloc), not at all.
class TextFieldModel {
public:
    enum class Align { Left, Right };

    TextFieldModel(const CharacterMeasure &measure, Align align);
    TextFieldModel(const TextFieldModel &) = delete;
    TextFieldModel &operator=(const TextFieldModel &) = delete;

    std::size_t size() const { return m_text.size(); }
    char16_t at(std::size_t pos) const { return m_text.at(pos); }
    // The pieces of [from, to) as std::string_view or std::u16string_view; see GapBuffer.
    template <typename Visit>
    void visitPieces(std::size_t from, std::size_t to, Visit visit) const {
        m_text.visitPieces(from, to, visit);
    }
    std::u16string text(std::size_t from, std::size_t to) const { return m_text.text(from, to); }
    // The whole text in one piece, when it holds characters beyond ASCII.
    std::u16string_view wideText() { return m_text.wideText(); }
    bool isAscii() const { return m_nonAscii == 0; }
    std::size_t lineBreaks() const { return m_layout.lineBreaks(); }
    // Goes up with every change of the text.
    std::size_t revision() const { return m_revision; }
    // The latest change: at pos, `removed` characters became `inserted` others.
    struct Change {
        std::size_t pos = 0;
        std::size_t removed = 0;
        std::size_t inserted = 0;
    };
    Change lastChange() const { return m_lastChange; }
    // Every character's CP932 bytes, a line break counting as "\r\n".
    std::size_t cp932Length() const { return m_cp932Length; }
    // The text of an ASCII field as the dialog reads it, each line break as "\r\n".
    std::string asciiText() const;

    // Replaces the whole text and forgets what undo knew; the caret goes to the start.
    void setText(std::u16string_view text);
    // The same from ASCII bytes, which the field takes over as they are.
    void setText(std::string ascii);

    // Replaces the selection; a typed character joins the undo step of the typing before it.
    void insert(std::u16string_view text, bool typing);
    // Deletes the selection or, without one, from the caret to where the move would take it.
    void eraseTo(CaretMove move);
    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_history.size(); }
    void undo();
    void redo();

    std::size_t caret() const { return m_caret; }
    std::size_t anchor() const { return m_anchor; }
    bool hasSelection() const { return m_caret != m_anchor; }
    std::size_t selectionStart() const { return std::min(m_caret, m_anchor); }
    std::size_t selectionEnd() const { return std::max(m_caret, m_anchor); }
    // Extending keeps the anchor where it is, so the selection runs from it to the caret.
    void setCaret(std::size_t pos, bool extend);
    void select(std::size_t anchor, std::size_t caret);
    void selectAll() { select(0, size()); }
    void move(CaretMove move, bool extend);
    // The word or the run of blanks at pos, as a double click takes it.
    std::pair<std::size_t, std::size_t> wordAt(std::size_t pos) const;
    // A position given as an offset that counts every line break as "\r\n".
    std::size_t positionOfWindowsOffset(std::size_t offset) const {
        return m_layout.positionOfWindowsOffset(offset);
    }

    // The grid: columns across, rows of the wrapped text, and page rows for Page Up and Down.
    void setGrid(std::size_t columns, std::size_t pageRows);
    std::size_t columns() const { return m_layout.columns(); }
    std::size_t rowCount() const { return m_layout.rowCount(); }
    TextLayout::Row row(std::size_t index) const { return m_layout.row(index); }
    // Cells left empty before the row's first character.
    std::size_t indent(const TextLayout::Row &row) const;
    std::size_t rowOf(std::size_t pos) const { return m_layout.rowOf(pos); }
    std::size_t cellsBetween(std::size_t from, std::size_t to) const {
        return m_layout.cellsBetween(from, to);
    }
    // The caret's distance in cells from the left edge, at pos.
    std::size_t cellOf(std::size_t pos) const;
    // The caret position nearest to a point `cell` cells from the left edge of a row.
    std::size_t positionAt(std::size_t row, double cell) const;

private:
    struct Edit {
        std::size_t pos;
        std::size_t present;   // characters the edit put in, now in the text
        std::u16string absent; // what they stand in for (undone: what they took away)
        bool typing;
    };
    struct Counts {
        std::size_t nonAscii = 0;
        std::size_t cp932 = 0;
    };

    void assign(GapBuffer fresh, std::size_t nonAscii);
    template <typename Char>
    std::u16string replace(std::size_t pos, std::size_t removed, std::basic_string_view<Char> text);
    void record(std::size_t pos, std::size_t inserted, std::u16string removed, bool typing);
    void swapEdit(Edit &edit);
    Counts count(std::size_t from, std::size_t to) const;
    std::size_t target(CaretMove move) const;
    std::size_t nextCharacter(std::size_t pos) const;
    std::size_t previousCharacter(std::size_t pos) const;
    std::size_t nextWord(std::size_t pos) const;
    std::size_t previousWord(std::size_t pos) const;
    std::size_t verticalTarget(std::size_t rows, bool down) const;

    const CharacterMeasure &m_measure;
    Align m_align;
    GapBuffer m_text;
    TextLayout m_layout;
    std::size_t m_nonAscii = 0;
    std::size_t m_cp932Length = 0;
    std::size_t m_revision = 0;
    Change m_lastChange;
    std::size_t m_caret = 0;
    std::size_t m_anchor = 0;
    std::size_t m_pageRows = 1;
    // Where Up and Down aim, in cells from the left, while they move the caret in a row.
    double m_goalCell = -1;
    // Edits [0, m_done) are done, the rest undone and waiting for redo.
    std::vector<Edit> m_history;
    std::size_t m_done = 0;
    bool m_typingOpen = false;
};

} // namespace tallaro
