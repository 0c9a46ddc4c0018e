// The multi-line field's model: edits and their CP932 length, wrapping on the cell grid,
// caret moves, undo and redo, and the offsets that count a line break as "\r\n".
#include "TestMeasure.h"
#include "TextFieldModel.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace tallaro {
namespace {

using Align = TextFieldModel::Align;

std::string utf8(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text)
        out += c < 0x80 ? std::string(1, static_cast<char>(c)) : "<" + std::to_string(c) + ">";
    return out;
}

class TextFieldTest : public ::testing::Test {
protected:
    std::u16string all() const { return field.text(0, field.size()); }
    // Each row as its characters, with the right-aligned rows' empty cells as ".".
    std::vector<std::u16string> rows() const {
        std::vector<std::u16string> out;
        for (std::size_t r = 0; r < field.rowCount(); ++r) {
            const TextLayout::Row row = field.row(r);
            out.push_back(std::u16string(field.indent(row), u'.') + field.text(row.start, row.end));
        }
        return out;
    }

    TestMeasure measure;
    TextFieldModel field{measure, Align::Right};
};

TEST_F(TextFieldTest, EditsKeepTheCp932LengthAndNormaliseLineBreaks) {
    struct Case {
        std::u16string before;
        std::size_t anchor, caret; // the selection the text replaces
        std::u16string typed;
        std::u16string after;
        std::size_t length;
    };
    const Case cases[] = {
        {u"", 0, 0, u"-1,234.5", u"-1,234.5", 8},
        {u"12", 2, 2, u"\r\n34", u"12\n34", 6}, // a line break reads as "\r\n"
        {u"12", 1, 1, u"\r5\u20296", u"1\n5\n62", 8},
        {u"12", 0, 2, u"１２", u"１２", 4}, // full-width digits take two bytes
        {u"1", 1, 1, u"ｷﾔ€", u"1ｷﾔ€", 4},   // half-width kana one, no CP932 form one "?"
        {u"a", 0, 1, u"\U0001F600b", u"\U0001F600b", 2}, // a surrogate pair is one character
        {u"1\n2\n3", 1, 4, u"", u"13", 2},
        {u"12345", 4, 1, u"x", u"1x5", 3},
    };
    for (const Case &c : cases) {
        field.setText(c.before);
        field.select(c.anchor, c.caret);
        field.insert(c.typed, false);
        EXPECT_EQ(utf8(all()), utf8(c.after)) << utf8(c.before) << " + " << utf8(c.typed);
        EXPECT_EQ(field.cp932Length(), c.length) << utf8(c.after);
        const std::size_t start = std::min(c.anchor, c.caret);
        const std::size_t removed = std::max(c.anchor, c.caret) - start;
        EXPECT_EQ(field.caret(), start + c.after.size() + removed - c.before.size())
            << utf8(c.after);
        EXPECT_FALSE(field.hasSelection());
    }
    field.setText(std::string("1\r\n2\r3"));
    EXPECT_EQ(field.asciiText(), "1\r\n2\r\n3");
    EXPECT_EQ(field.cp932Length(), 7u);
}

// Rows fill from the start of each paragraph; a character two cells wide that does not fit goes
// to the next row, and a right-aligned row is flush right.
TEST_F(TextFieldTest, ParagraphsWrapOnTheCellGrid) {
    struct Case {
        std::u16string text;
        std::vector<std::u16string> rows;
    };
    const Case cases[] = {
        {u"", {u"...."}},
        {u"1234", {u"1234"}},
        {u"123456789", {u"1234", u"5678", u"...9"}},
        {u"12\n\n345", {u"..12", u"....", u".345"}},
        {u"123４5", {u".123", u".４5"}}, // ４ does not fit beside 123
        {u"４５６", {u"４５", u"..６"}},
        {u"123\U0001F600", {u".123", u"..\U0001F600"}},
    };
    field.setGrid(4, 2);
    for (const Case &c : cases) {
        field.setText(c.text);
        const std::vector<std::u16string> got = rows();
        ASSERT_EQ(got.size(), c.rows.size()) << utf8(c.text);
        for (std::size_t r = 0; r < got.size(); ++r)
            EXPECT_EQ(utf8(got[r]), utf8(c.rows[r])) << utf8(c.text) << " row " << r;
    }
    TextFieldModel left(measure, Align::Left);
    left.setGrid(4, 2);
    left.setText(u"123456");
    EXPECT_EQ(left.indent(left.row(1)), 0u);
}

// Where the caret stands and where a click puts it: a position where a paragraph wraps belongs
// to the later row, the end of a paragraph to its last row.
TEST_F(TextFieldTest, CaretPositionsMapToRowsAndCells) {
    field.setGrid(4, 2);
    field.setText(u"12345678\n9４");
    const std::tuple<std::size_t, std::size_t, std::size_t> places[] = {
        // position, row, cells from the left edge
        {0, 0, 0}, {3, 0, 3}, {4, 1, 0}, {8, 1, 4}, {9, 2, 1}, {10, 2, 2}, {11, 2, 4}};
    for (const auto &[pos, row, cell] : places) {
        EXPECT_EQ(field.rowOf(pos), row) << pos;
        EXPECT_EQ(field.cellOf(pos), cell) << pos;
    }
    const std::tuple<std::size_t, double, std::size_t> clicks[] = {
        // row, cells from the left edge, position
        {0, 1.4, 1}, {0, 1.6, 2}, {0, 9, 4}, {2, 0, 9}, {2, 2.9, 10}, {2, 3.1, 11}, {7, 0, 9}};
    for (const auto &[row, cell, pos] : clicks)
        EXPECT_EQ(field.positionAt(row, cell), pos) << row << " " << cell;
}

TEST_F(TextFieldTest, CaretMovesAndTheSelectionTheyExtend) {
    field.setGrid(4, 2);
    // Rows: "ab c", "d\U0001F600e", "f" | "", | "..12"
    const std::u16string text = u"ab cd\U0001F600ef\n\n12";
    struct Case {
        std::size_t from;
        CaretMove move;
        std::size_t to;
    };
    const Case cases[] = {
        {5, CaretMove::Right, 7},      {7, CaretMove::Left, 5}, // over both halves of the pair
        {0, CaretMove::Left, 0},       {13, CaretMove::Right, 13},
        {1, CaretMove::WordRight, 3},  {3, CaretMove::WordRight, 9},
        {9, CaretMove::WordRight, 10}, {10, CaretMove::WordRight, 11},
        {9, CaretMove::WordLeft, 3},   {3, CaretMove::WordLeft, 0},
        {10, CaretMove::WordLeft, 9},  {11, CaretMove::WordLeft, 10},
        {5, CaretMove::RowStart, 4},   {5, CaretMove::RowEnd, 8},
        {1, CaretMove::Down, 5},       {5, CaretMove::Up, 1},
        {2, CaretMove::Down, 7},       {13, CaretMove::Up, 10},
        {0, CaretMove::PageDown, 8},   {13, CaretMove::PageUp, 9},
        {13, CaretMove::Down, 13},     {7, CaretMove::TextStart, 0},
        {7, CaretMove::TextEnd, 13},
    };
    field.setText(text);
    for (const Case &c : cases) {
        field.setCaret(c.from, false);
        field.move(c.move, true);
        EXPECT_EQ(field.caret(), c.to) << c.from << " move " << static_cast<int>(c.move);
        EXPECT_EQ(field.anchor(), c.from) << "extending keeps the anchor";
    }
    // Without Shift a selection collapses to its side; Up and Down keep aiming at one column.
    field.select(2, 5);
    field.move(CaretMove::Left, false);
    EXPECT_EQ(std::make_pair(field.anchor(), field.caret()), std::make_pair(2ul, 2ul));
    field.setText(u"1234\n5\n6789");
    field.setCaret(3, false);
    field.move(CaretMove::Down, false);
    field.move(CaretMove::Down, false);
    EXPECT_EQ(field.caret(), 10u) << "the short row in between lost the column";
    EXPECT_EQ(field.wordAt(1), std::make_pair(0ul, 4ul));
}

TEST_F(TextFieldTest, UndoAndRedoStepThroughEdits) {
    const std::u16string longOperand(5000, u'7');
    field.setText(longOperand);
    // One mistaken Ctrl+A and a keystroke must not lose the operand.
    field.selectAll();
    for (const char16_t c : std::u16string(u"12"))
        field.insert(std::u16string(1, c), true);
    field.setCaret(1, false);
    field.insert(u"９", false); // pasted
    field.eraseTo(CaretMove::Left);
    field.eraseTo(CaretMove::Left);
    const std::u16string states[] = {longOperand, u"12", u"1９2", u"12", u"2"};
    EXPECT_EQ(utf8(all()), utf8(states[4]));
    for (int i = 3; i >= 0; --i) {
        field.undo();
        EXPECT_EQ(utf8(all()), utf8(states[i])) << "undo to " << i;
        EXPECT_EQ(field.cp932Length(), field.size() + (all().find(u'９') != std::u16string::npos));
    }
    EXPECT_FALSE(field.canUndo());
    field.redo();
    field.redo();
    EXPECT_EQ(utf8(all()), utf8(states[2]));
    EXPECT_EQ(field.caret(), 2u) << "after what redo put in";
    field.insert(u"x", true); // a new edit forgets what was undone
    EXPECT_FALSE(field.canRedo());
    field.setText(u"new");
    EXPECT_FALSE(field.canUndo());
}

// Edits in the middle of many paragraphs leave the rows, the breaks and the length exactly as a
// fresh layout of the same text would have them.
TEST_F(TextFieldTest, EditsAgreeWithAFreshLayout) {
    const std::u16string pieces[] = {u"1",          u"22", u"\n", u"\r\n", u"４",
                                     u"\U0001F600", u"ｷ",  u" ",  u"\n\n"};
    std::mt19937 random(17);
    TextFieldModel fresh(measure, Align::Right);
    for (const std::size_t columns : {3u, 7u}) {
        field.setGrid(columns, 3);
        fresh.setGrid(columns, 3);
        field.setText(u"");
        for (int step = 0; step < 400; ++step) {
            const std::size_t a = random() % (field.size() + 1);
            const std::size_t b = random() % 3 == 0 ? random() % (field.size() + 1) : a;
            field.select(a, b);
            std::u16string typed;
            for (auto n = random() % 4; n > 0; --n)
                typed += pieces[random() % std::size(pieces)];
            if (typed.empty())
                field.eraseTo(random() % 2 ? CaretMove::Left : CaretMove::Right);
            else
                field.insert(typed, random() % 2 == 0);
            if (random() % 10 == 0)
                field.undo();
            fresh.setText(all());
            ASSERT_EQ(field.cp932Length(), fresh.cp932Length()) << step;
            ASSERT_EQ(field.lineBreaks(), fresh.lineBreaks()) << step;
            ASSERT_EQ(field.rowCount(), fresh.rowCount()) << step;
            for (std::size_t r = 0; r < field.rowCount(); ++r) {
                ASSERT_EQ(field.row(r).start, fresh.row(r).start) << step << " row " << r;
                ASSERT_EQ(field.row(r).end, fresh.row(r).end) << step << " row " << r;
            }
        }
    }
}

// The answer's selection offsets count every "\r\n" as two characters.
TEST_F(TextFieldTest, OffsetsCountingLineBreaksTwiceMapToPositions) {
    field.setText(std::string("ab\r\ncd\r\n\r\nef"));
    const std::pair<std::size_t, std::size_t> cases[] = {
        {0, 0},  {2, 2},  // end of the first line
        {3, 2},           // between "\r" and "\n": still the end of that line
        {4, 3},  {5, 4},  // "c", "d"
        {8, 6},           // the empty line
        {10, 7}, {12, 9}, // "e" and the end of the text
        {40, 9},          // past the end
    };
    for (const auto &[offset, position] : cases)
        EXPECT_EQ(field.positionOfWindowsOffset(offset), position) << offset;
}

} // namespace
} // namespace tallaro
