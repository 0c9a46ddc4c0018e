// The commands and the copy, driven through the real widgets.
#include "WindowFixture.h"

#include "AnswerLayout.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>

namespace tallaro::qt {
namespace {

using CommandsTest = WindowFixture;

TEST_F(CommandsTest, StartsWithDefaultsAndTheCaretInOperandA) {
    EXPECT_EQ(text(ids::precision), "1000");
    EXPECT_EQ(text(ids::lengthA), "0");
    EXPECT_EQ(text(ids::lengthB), "0");
    EXPECT_EQ(QApplication::focusWidget(), widget(ids::operandA));
}

// Each button runs its own command: the field shows the answer laid out, the time ends in
// seconds, the wait cursor is gone, and the copy gives the plain answer.
TEST_F(CommandsTest, EachButtonShowsAndCopiesItsAnswer) {
    const std::tuple<const char *, int, const char *, const char *> cases[] = {
        {"1,000", ids::addButton, "24", "1024"},    {"5", ids::subtractButton, "7.25", "-2.25"},
        {"123", ids::multiplyButton, "-3", "-369"}, {"1", ids::divideButton, "3", "0.33333"}};
    const QRegularExpression seconds(QStringLiteral("^([0-9]+(\\.[0-9]+)?秒|0\\.001秒以下)$"));
    qobject_cast<QLineEdit *>(widget(ids::precision))->setText("5");
    for (const auto &[a, button, b, answer] : cases) {
        QGuiApplication::clipboard()->setText("before");
        run(a, button, b);
        const QString laid = QString::fromStdString(layOutAnswer(answer, 0, 0).text);
        EXPECT_EQ(text(ids::answer), QString(laid).replace("\r\n", "\n")) << answer;
        EXPECT_TRUE(seconds.match(text(ids::elapsedTime)).hasMatch())
            << text(ids::elapsedTime).toStdString();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        click(ids::copyButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), answer);
    }
}

// 1 ÷ 70 and 1 ÷ 7 with the box ticked: the places, and the repetend marked from its first
// digit to its last, separators included, in the active colour while another window has
// the focus; every line fits the field.
TEST_F(CommandsTest, RepetendsAreShownAndHighlighted) {
    click(ids::findRepetend);
    const std::tuple<const char *, const char *, const char *, const char *> cases[] = {
        {"70", "2", "7", "1428 57"}, {"7", "1", "6", "14285 7"}};
    QPlainTextEdit &answer = *edit(ids::answer);
    for (const auto &[b, head, tail, marked] : cases) {
        run("1", ids::divideButton, b);
        EXPECT_EQ(text(ids::repetendHead), head);
        EXPECT_EQ(text(ids::repetendTail), tail);
        EXPECT_EQ(answer.textCursor().selectedText(), marked);
    }
    EXPECT_EQ(text(ids::integerDigits), "0");
    EXPECT_EQ(text(ids::fractionDigits), "1000");
    QTextCursor cursor = answer.textCursor();
    cursor.setPosition(cursor.selectionStart());
    // Just inside the top of the marked digit, where the glyph leaves the background bare.
    const QPoint inside = answer.cursorRect(cursor).topLeft() + QPoint(2, 1);
    // Another window takes the focus, and inactive selections have a colour of their own.
    const QPalette original = QApplication::palette();
    QPalette greyed = original;
    greyed.setColor(QPalette::Inactive, QPalette::Highlight, Qt::gray);
    QApplication::setPalette(greyed);
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    const bool away = QTest::qWaitForWindowActive(&elsewhere);
    const QImage image = answer.viewport()->grab().toImage();
    QApplication::setPalette(original);
    ASSERT_TRUE(away);
    EXPECT_EQ(image.pixelColor(inside),
              answer.palette().color(QPalette::Active, QPalette::Highlight));
    const QString line = text(ids::answer).section(u'\n', 2, 2);
    EXPECT_EQ(line.size(), 62);
    EXPECT_LE(QFontMetricsF(answer.font()).horizontalAdvance(line) +
                  2 * answer.document()->documentMargin(),
              answer.viewport()->width());
}

TEST_F(CommandsTest, LongSelectionDoesNotScrollTheAnswer) {
    // 1/619 repeats with a period of 618: the marking ends some twelve lines below the top.
    click(ids::findRepetend);
    run("1", ids::divideButton, "619");
    EXPECT_EQ(text(ids::repetendTail), "618");
    EXPECT_TRUE(edit(ids::answer)->textCursor().selectedText().startsWith("00161 55088"));
    EXPECT_EQ(edit(ids::answer)->verticalScrollBar()->value(), 0);
}

} // namespace
} // namespace tallaro::qt
