#include "AnswerSelection.h"

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

} // namespace
} // namespace tallaro::qt
