// The multi-line fields driven by the events a user's keyboard, mouse, input method and
// clipboard send, and read as a screen reader reads them.
#include "FailingAllocation.h"
#include "WindowFixture.h"

#include <QAccessible>
#include <QInputMethodEvent>
#include <QScrollBar>

namespace tallaro::qt {
namespace {

using TextFieldTest = WindowFixture;

TEST_F(TextFieldTest, KeyboardEditsSelectionsClipboardAndUndo) {
    type(ids::operandA, "12345");
    const std::tuple<QKeySequence, const char *, const char *> steps[] = {
        // keys, then (A) and what the counter shows
        {QKeySequence(Qt::Key_Left), "12345", "5"},
        {QKeySequence(Qt::SHIFT | Qt::Key_Left), "12345", "5"},
        {QKeySequence(Qt::Key_X), "123x5", "5"},
        {QKeySequence::Undo, "12345", "5"},
        {QKeySequence::Redo, "123x5", "5"},
        // The mistaken select-all and keystroke that once cost a long operand.
        {QKeySequence::SelectAll, "123x5", "5"},
        {QKeySequence(Qt::Key_9), "9", "1"},
        {QKeySequence::Undo, "123x5", "5"},
        {QKeySequence(Qt::Key_Backspace), "123x", "4"},
        {QKeySequence(Qt::Key_Home), "123x", "4"},
        {QKeySequence(Qt::Key_Delete), "23x", "3"},
        {QKeySequence(Qt::SHIFT | Qt::Key_End), "23x", "3"},
        {QKeySequence::Cut, "", "0"},
        {QKeySequence::Paste, "23x", "3"},
        {QKeySequence::Paste, "23x23x", "6"},
    };
    for (const auto &[keys, a, count] : steps) {
        QTest::keySequence(QApplication::focusWidget(), keys);
        EXPECT_EQ(text(ids::operandA), a) << keys.toString().toStdString();
        EXPECT_EQ(text(ids::lengthA), count) << keys.toString().toStdString();
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "23x");
}

// An input method's composition stays out of the text until it is committed; then the
// committed text counts in CP932 bytes. A read-only field takes nothing, by any way in.
TEST_F(TextFieldTest, InputMethodsAndTheReadOnlySwitch) {
    TextField &a = *field(ids::operandA);
    type(ids::operandA, "1");
    QInputMethodEvent composing(QStringLiteral("にほん"), {});
    QApplication::sendEvent(&a, &composing);
    EXPECT_EQ(text(ids::operandA), "1");
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("日本"));
    QApplication::sendEvent(&a, &commit);
    EXPECT_EQ(text(ids::operandA), QStringLiteral("1日本"));
    EXPECT_EQ(text(ids::lengthA), "5");

    a.setReadOnly(true);
    QGuiApplication::clipboard()->setText("7");
    QGuiApplication::clipboard()->setText("8", QClipboard::Selection);
    QTest::keyClicks(&a, "9");
    QTest::keyClick(&a, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&a, Qt::Key_Backspace);
    QApplication::sendEvent(&a, &commit);
    QTest::mouseClick(a.viewport(), Qt::MiddleButton);
    EXPECT_EQ(text(ids::operandA), QStringLiteral("1日本"));
    EXPECT_FALSE(a.inputMethodQuery(Qt::ImEnabled).toBool());
    a.setReadOnly(false);
    a.setFocus();
    QTest::keyClick(&a, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&a, "9");
    EXPECT_EQ(text(ids::operandA), QStringLiteral("1日本9"));
}

// Rows are flush right in an operand field: a click left of a short row's text puts the caret
// at its start; a drag selects; a double click takes a word; the view follows the caret.
TEST_F(TextFieldTest, MouseAndScrollingOnTheWrappedRows) {
    TextField &b = *field(ids::operandB);
    const int columns = static_cast<int>(b.model().columns());
    paste(ids::operandB, QString(3 * columns + 2, u'4') + QStringLiteral(" 567"));
    EXPECT_EQ(b.verticalScrollBar()->value(), 0) << "four rows fit";
    const auto lastRow = static_cast<std::size_t>(3 * columns);
    const QPoint rowLeft(b.caretRect(lastRow).x() - 20, b.caretRect(lastRow).center().y());
    QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, rowLeft);
    EXPECT_EQ(b.model().caret(), lastRow);
    QTest::mousePress(b.viewport(), Qt::LeftButton, {}, b.caretRect(1).center());
    QTest::mouseMove(b.viewport(), b.caretRect(3).center());
    QTest::mouseRelease(b.viewport(), Qt::LeftButton, {}, b.caretRect(3).center());
    EXPECT_EQ(b.selectedText(), "44");
    QTest::mouseDClick(b.viewport(), Qt::LeftButton, {},
                       b.caretRect(b.model().size() - 1).center());
    EXPECT_EQ(b.selectedText(), "567");

    paste(ids::operandB, QString(40 * columns, u'4'));
    EXPECT_EQ(b.verticalScrollBar()->value(), b.verticalScrollBar()->maximum());
    EXPECT_GT(b.verticalScrollBar()->maximum(), 30);
    QTest::keyClick(&b, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(b.verticalScrollBar()->value(), 0);
}

// A screen reader reads the text a row or a word at a time and may move the selection.
TEST_F(TextFieldTest, ScreenReadersReadRowsAndWords) {
    TextField &a = *field(ids::operandA);
    const int columns = static_cast<int>(a.model().columns());
    a.setPlainText(QString(columns, u'1') + QStringLiteral("2 34\n5"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&a);
    ASSERT_NE(accessible, nullptr);
    QAccessibleTextInterface *reader = accessible->textInterface();
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->characterCount(), columns + 6);
    int start = 0;
    int end = 0;
    const int second = columns;
    EXPECT_EQ(reader->textAtOffset(second + 1, QAccessible::LineBoundary, &start, &end), "2 34\n");
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(second, second + 5));
    EXPECT_EQ(reader->textAtOffset(second + 3, QAccessible::WordBoundary, &start, &end), "34");
    EXPECT_EQ(reader->textAfterOffset(second + 1, QAccessible::LineBoundary, &start, &end), "5");
    reader->setSelection(0, second + 2, second + 4);
    EXPECT_EQ(a.selectedText(), "34");
    EXPECT_NE(accessible->editableTextInterface(), nullptr);
    a.setReadOnly(true);
    EXPECT_EQ(accessible->editableTextInterface(), nullptr);
    EXPECT_TRUE(accessible->state().readOnly);
}

// A paste the memory is not there for ends in the message, with the operand as it was.
TEST_F(TextFieldTest, APasteTooLargeForTheMemoryLeavesTheOperand) {
    type(ids::operandA, "12");
    QGuiApplication::clipboard()->setText(QString(4 << 20, u'7'));
    QString shown;
    readNextMessage(shown);
    {
        const AllocationLimit limit(1 << 20);
        QTest::keyClick(widget(ids::operandA), Qt::Key_V, Qt::ControlModifier);
    }
    EXPECT_EQ(shown, QStringLiteral("メモリが不足しています。"));
    EXPECT_EQ(text(ids::operandA), "12");
    EXPECT_EQ(text(ids::lengthA), "2");
}

} // namespace
} // namespace tallaro::qt
