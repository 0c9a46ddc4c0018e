// The commands and the copy, driven through the real widgets.
#include "WindowFixture.h"

#include "AnswerLayout.h"

#include <QClipboard>
#include <QLineEdit>
#include <QScrollBar>

namespace tallaro::qt {
namespace {

using CommandsTest = WindowFixture;

// Each button runs its own command: the field shows the answer laid out, the time ends in
// seconds, the wait cursor is gone, and the copy gives the plain answer.
TEST_F(CommandsTest, EachButtonShowsAndCopiesItsAnswer) {
    const std::tuple<const char *, int, const char *, const char *> cases[] = {
        {"1,000", ids::addButton, "24", "1024"},    {"5", ids::subtractButton, "7.25", "-2.25"},
        {"123", ids::multiplyButton, "-3", "-369"}, {"1", ids::divideButton, "3", "0.33333"}};
    qobject_cast<QLineEdit *>(widget(ids::precision))->setText("5");
    for (const auto &[a, button, b, answer] : cases) {
        run(a, button, b);
        const QString laid = QString::fromStdString(layOutAnswer(answer, 0, 0).text);
        EXPECT_EQ(text(ids::answer), QString(laid).replace("\r\n", "\n")) << answer;
        EXPECT_TRUE(text(ids::elapsedTime).contains(u'秒')) << text(ids::elapsedTime).toStdString();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        click(ids::copyButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), answer);
    }
}

// With the box ticked the repetend is marked from its first digit to its last, separators
// included, without scrolling the answer, and in the active colour while another window has
// the focus.
TEST_F(CommandsTest, RepetendIsMarkedInPlace) {
    click(ids::findRepetend);
    TextField &answer = *field(ids::answer);
    // 1/619 repeats with a period of 618: the marking ends some twelve lines below the top.
    run("1", ids::divideButton, "619");
    EXPECT_TRUE(answer.selectedText().startsWith("00161 55088"));
    EXPECT_EQ(answer.verticalScrollBar()->value(), 0);

    // Just inside the top of the marked digit, where the glyph leaves the background bare.
    const QPoint inside =
        answer.caretRect(answer.model().selectionStart()).topLeft() + QPoint(2, 1);
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
}

} // namespace
} // namespace tallaro::qt
