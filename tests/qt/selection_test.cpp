#include "AnswerSelection.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace tallaro::qt {
namespace {

TEST(AnswerSelection, OffsetsCountingLineBreaksTwiceMapToDocumentPositions) {
    QTextDocument document;
    document.setPlainText("ab\r\ncd\r\n\r\nef");
    ASSERT_EQ(document.toPlainText(), "ab\ncd\n\nef");
    const std::pair<int, int> cases[] = {
        {0, 0}, {2, 2},   // end of the first line
        {3, 2},           // between "\r" and "\n": still the end of that line
        {4, 3}, {5, 4},   // "c", "d"
        {8, 6},           // the empty line
        {10, 7}, {12, 9}, // "e" and the end of the text
        {40, 9},          // past the end
    };
    for (const auto &[offset, position] : cases)
        EXPECT_EQ(documentPosition(document, offset), position) << offset;
}

TEST(AnswerSelection, RepetendOffsetsOfALaidOutAnswerSelectItsDigits) {
    // The integer line of 0.142857..., the empty line, the first fraction line.
    const QString integerLine = "  " + QString(54, u' ') + "    0 \r\n";
    const QString digits = "14285 71428 57142 85714 28571 42857 14285 71428 57142 85714 \r\n";
    QTextDocument document;
    document.setPlainText(integerLine + "\r\n ." + digits + "  " + digits);
    const std::tuple<int, int, const char *> cases[] = {
        {68, 75, "14285 7"},           // head 1, tail 6
        {72, 74, "5 "},                // head 5, tail 5
        {64 + 62, 64 + 68, "4 \u2029  "}, // ending on a line's last digit: up to the next one
    };
    for (const auto &[start, end, selected] : cases) {
        QTextCursor cursor(&document);
        cursor.setPosition(documentPosition(document, start));
        cursor.setPosition(documentPosition(document, end), QTextCursor::KeepAnchor);
        EXPECT_EQ(cursor.selectedText(), QString::fromUtf8(selected)) << start;
    }
}

} // namespace
} // namespace tallaro::qt
