// The four commands and the copy, driven through the real widgets.
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextCursor>

namespace tallaro::qt {
namespace {

using CommandsTest = WindowFixture;

TEST_F(CommandsTest, StartsWithDefaultsAndTheCaretInOperandA) {
    EXPECT_EQ(text(ids::precision), "1000");
    EXPECT_EQ(text(ids::lengthA), "0");
    EXPECT_EQ(text(ids::lengthB), "0");
    EXPECT_FALSE(qobject_cast<QAbstractButton *>(widget(ids::findRepetend))->isChecked());
    for (int id : {ids::answer, ids::integerDigits, ids::fractionDigits, ids::elapsedTime,
                   ids::repetendHead, ids::repetendTail})
        EXPECT_EQ(text(id), "") << id;
    EXPECT_EQ(QApplication::focusWidget(), widget(ids::operandA));
}

struct Operation {
    const char *a;
    int button;
    const char *b;
    int lead;         // blanks before the answer's characters on the first line of 62
    const char *shown; // the answer's characters on that line
    const char *integerDigits;
    const char *fractionDigits;
};

class OperationTest : public WindowFixture, public ::testing::WithParamInterface<Operation> {};

TEST_P(OperationTest, ShowsTheLaidOutAnswerAndItsCounts) {
    const Operation &op = GetParam();
    run(op.a, op.button, op.b);
    const QString shown = QString::fromLatin1(op.shown);
    const QString line = QString(op.lead, u' ') + shown + QString(62 - op.lead - shown.size(), u' ');
    EXPECT_EQ(text(ids::answer).section(u'\n', 0, 0), line) << text(ids::answer).toStdString();
    EXPECT_EQ(text(ids::integerDigits), op.integerDigits);
    EXPECT_EQ(text(ids::fractionDigits), op.fractionDigits);
    const QRegularExpression seconds(QStringLiteral("^([0-9]+(\\.[0-9]+)?秒|0\\.001秒以下)$"));
    EXPECT_TRUE(seconds.match(text(ids::elapsedTime)).hasMatch()) << text(ids::elapsedTime).toStdString();
    // The engine ran under the wait cursor and gave it back.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Window, OperationTest,
    ::testing::Values(
        // Whole answers stand flush left, integer parts of the others flush right.
        Operation{"1,000", ids::addButton, "24", 2, "1024", "4", ""},
        Operation{"5", ids::subtractButton, "7.25", 59, "-2", "2", "2"},
        Operation{"123", ids::multiplyButton, "-3", 1, "-369", "4", ""},
        Operation{"1", ids::divideButton, "8", 60, "0", "0", "3"}));

TEST_F(CommandsTest, AnswerLinesHaveFiftyDigitsInGroupsOfFiveAndFitTheField) {
    run("1", ids::divideButton, "7");
    const QStringList lines = text(ids::answer).split(u'\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], " .14285 71428 57142 85714 28571 42857 14285 71428 57142 85714 ");
    // A line fits the field's width, so none of them wraps.
    const QPlainTextEdit &answer = *edit(ids::answer);
    const qreal margins = 2 * answer.document()->documentMargin();
    EXPECT_LE(QFontMetricsF(answer.font()).horizontalAdvance(lines[2]) + margins,
              answer.viewport()->width());
}

TEST_F(CommandsTest, RepetendOfOneSeventiethIsShownAndHighlighted) {
    click(ids::findRepetend);
    run("1", ids::divideButton, "70");
    EXPECT_EQ(text(ids::repetendHead), "2");
    EXPECT_EQ(text(ids::repetendTail), "7");
    // From the second fraction digit to the seventh, the group separator included.
    const QTextCursor selection = edit(ids::answer)->textCursor();
    EXPECT_EQ(selection.selectedText(), "1428 57");
    EXPECT_EQ(edit(ids::answer)->verticalScrollBar()->value(), 0);
}

TEST_F(CommandsTest, OneSeventhShowsItsRepetendInTheActiveColourWithoutTheFocus) {
    click(ids::findRepetend);
    run("1", ids::divideButton, "7");
    EXPECT_EQ(text(ids::fractionDigits), "1000");
    EXPECT_EQ(text(ids::repetendHead), "1");
    EXPECT_EQ(text(ids::repetendTail), "6");
    EXPECT_EQ(edit(ids::answer)->textCursor().selectedText(), "14285 7");
    ASSERT_NE(QApplication::focusWidget(), widget(ids::answer));
    QPlainTextEdit &answer = *edit(ids::answer);
    QTextCursor cursor = answer.textCursor();
    cursor.setPosition(cursor.selectionStart());
    // Just inside the top of the marked digit, where the glyph leaves the background bare.
    const QPoint inside = answer.cursorRect(cursor).topLeft() + QPoint(2, 1);
    const QImage image = answer.viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(inside), answer.palette().color(QPalette::Active, QPalette::Highlight));
}

TEST_F(CommandsTest, LongSelectionDoesNotScrollTheAnswer) {
    // 1/619 repeats with a period of 618: the marking ends some twelve lines below the top.
    click(ids::findRepetend);
    run("1", ids::divideButton, "619");
    EXPECT_EQ(text(ids::repetendTail), "618");
    EXPECT_TRUE(edit(ids::answer)->textCursor().selectedText().startsWith("00161 55088"));
    EXPECT_EQ(edit(ids::answer)->verticalScrollBar()->value(), 0);
}

TEST_F(CommandsTest, CopyPutsThePlainQuotientOnTheClipboard) {
    QGuiApplication::clipboard()->setText("before");
    qobject_cast<QLineEdit *>(widget(ids::precision))->setText("5");
    run("1", ids::divideButton, "3");
    click(ids::copyButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0.33333");
}

TEST_F(CommandsTest, EmptyOperandGivesAnEmptyAnswer) {
    type(ids::operandA, "12");
    click(ids::multiplyButton);
    EXPECT_EQ(text(ids::answer), "");
    EXPECT_EQ(text(ids::integerDigits), "0");
    EXPECT_EQ(text(ids::fractionDigits), "");
}

} // namespace
} // namespace tallaro::qt
