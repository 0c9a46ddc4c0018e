// The keyboard and the focus: Enter and Esc go nowhere, the output fields hand the focus on,
// and while it is parked no key acts.
#include "WindowFixture.h"

#include <QClipboard>

namespace tallaro::qt {
namespace {

using KeysTest = WindowFixture;

TEST_F(KeysTest, EnterAndEscChangeNothingAndKeepTheDialogOpen) {
    type(ids::operandA, "12");
    type(ids::operandB, "5");
    // The operand fields, the precision field, the parked focus and a focused button.
    for (int place : {ids::operandA, ids::precision, ids::integerDigits, ids::addButton}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            widget(place)->setFocus();
            press(key);
            EXPECT_TRUE(window.isVisible()) << place << " " << key;
            EXPECT_EQ(text(ids::operandA), "12") << place << " " << key;
            EXPECT_EQ(text(ids::operandB), "5") << place << " " << key;
            EXPECT_EQ(text(ids::answer), "") << "a button was pressed: " << place << " " << key;
        }
    }
    press(Qt::Key_Space);
    waitForCommand();
    EXPECT_NE(text(ids::answer), "") << "Space no longer presses the focused button";
}

TEST_F(KeysTest, OutputFieldsHandTheFocusOnAndOnlyTabAndF1Act) {
    EXPECT_EQ(QApplication::focusWidget(), widget(ids::operandA)) << "where the caret starts";
    for (int id : {ids::integerDigits, ids::elapsedTime, ids::repetendTail, ids::answer}) {
        click(id);
        EXPECT_NE(QApplication::focusWidget(), widget(id)) << id;
        EXPECT_TRUE(window.focusParked()) << id;
        for (Qt::Key key : {Qt::Key_5, Qt::Key_X, Qt::Key_Space})
            press(key);
        EXPECT_EQ(text(id), "") << id;
        EXPECT_TRUE(window.isVisible()) << "Space ended the dialog";
    }
    press(Qt::Key_F1);
    EXPECT_EQ(helpRequests, 1);
    press(Qt::Key_Backtab);
    EXPECT_FALSE(window.focusParked());
    click(ids::answer);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget(ids::operandA));
    press(Qt::Key_F1);
    EXPECT_EQ(helpRequests, 2);
}

// From start-up: "12", Tab, "30", Tab, Space computes A＋B. Tab goes on through the buttons
// in template order, skipping the output fields and the hidden buttons, round to (A).
TEST_F(KeysTest, TheKeyboardAloneCalculatesAndCopies) {
    QTest::keyClicks(QApplication::focusWidget(), "12");
    press(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "30");
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    waitForCommand();
    const int chain[] = {ids::addButton,    ids::subtractButton, ids::multiplyButton,
                         ids::divideButton, ids::precision,      ids::findRepetend,
                         ids::copyButton,   ids::operandA};
    for (int id : chain) {
        EXPECT_EQ(QApplication::focusWidget(), widget(id)) << id;
        if (id == ids::copyButton)
            press(Qt::Key_Space);
        press(Qt::Key_Tab);
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "42");
}

TEST_F(KeysTest, CountersCountTheBytesOfTheOperand) {
    type(ids::operandA, "-1,234.5");
    EXPECT_EQ(text(ids::lengthA), "8");
    // Pasted: full-width digits take two bytes each, half-width kana one, a character without
    // a CP932 form one "?", and a line break reaches the dialog as "\r\n".
    const std::pair<const char *, const char *> cases[] = {
        {"１２", "4"}, {"ｷﾔ", "2"}, {"7€", "2"}, {"12\n34", "6"}};
    for (const auto &[pasted, count] : cases) {
        field(ids::operandB)->selectAll();
        paste(ids::operandB, QString::fromUtf8(pasted));
        EXPECT_EQ(text(ids::lengthB), count) << pasted;
    }
    EXPECT_EQ(text(ids::lengthA), "8");
}

} // namespace
} // namespace tallaro::qt
