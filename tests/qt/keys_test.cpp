// The keyboard and the focus: Enter and Esc go nowhere, the output fields hand the focus on,
// and while it is parked no key acts.
#include "WindowFixture.h"

#include <QTimer>

namespace tallaro::qt {
namespace {

using KeysTest = WindowFixture;

// Puts the focus where a user would have it before pressing a key: a click, or for the
// parked state a click into an output field.
struct FocusPlace {
    const char *name;
    int clicked;
};

class EnterEscTest : public WindowFixture,
                     public ::testing::WithParamInterface<std::tuple<FocusPlace, Qt::Key>> {};

TEST_P(EnterEscTest, ChangesNothingAndKeepsTheDialogOpen) {
    const auto &[place, key] = GetParam();
    type(ids::operandA, "12");
    type(ids::operandB, "5");
    click(place.clicked);
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &window, key);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.result(), 0);
    EXPECT_EQ(text(ids::operandA), "12");
    EXPECT_EQ(text(ids::operandB), "5");
    EXPECT_EQ(text(ids::lengthA), "2");
    EXPECT_EQ(text(ids::answer), "") << "a button was pressed";
}

INSTANTIATE_TEST_SUITE_P(
    Window, EnterEscTest,
    ::testing::Combine(::testing::Values(FocusPlace{"OperandA", ids::operandA},
                                         FocusPlace{"OperandB", ids::operandB},
                                         FocusPlace{"Precision", ids::precision},
                                         FocusPlace{"Parked", ids::integerDigits}),
                       ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape)),
    [](const auto &test) {
        return std::string(std::get<0>(test.param).name) + "_" +
               std::to_string(static_cast<int>(std::get<1>(test.param)) & 0xFF);
    });

TEST_F(KeysTest, EnterOnAFocusedButtonDoesNotPressIt) {
    type(ids::operandA, "1");
    type(ids::operandB, "2");
    widget(ids::addButton)->setFocus();
    QTest::keyClick(widget(ids::addButton), Qt::Key_Return);
    EXPECT_EQ(text(ids::answer), "");
    QTest::keyClick(widget(ids::addButton), Qt::Key_Space);
    EXPECT_NE(text(ids::answer), "") << "Space still presses the focused button";
}

TEST_F(KeysTest, OutputFieldsHandTheFocusOnAndTakeNoKeys) {
    for (int id : {ids::integerDigits, ids::elapsedTime, ids::repetendTail, ids::answer}) {
        click(id);
        EXPECT_NE(QApplication::focusWidget(), widget(id)) << id;
        EXPECT_TRUE(window.focusParked()) << id;
        QTest::keyClicks(&window, "5 x");
        QTest::keyClick(&window, Qt::Key_Space);
        EXPECT_EQ(text(id), "") << id;
        EXPECT_TRUE(window.isVisible()) << "Space ended the dialog";
    }
}

TEST_F(KeysTest, TabLeavesTheParkedFocusForOperandA) {
    click(ids::fractionDigits);
    ASSERT_TRUE(window.focusParked());
    QTest::keyClick(&window, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget(ids::operandA));
}

TEST_F(KeysTest, TabIntoAnOutputFieldParksTheFocus) {
    // After A÷B the next tab stop in template order is the integer-digit field 1007.
    widget(ids::divideButton)->setFocus();
    QTest::keyClick(widget(ids::divideButton), Qt::Key_Tab);
    EXPECT_TRUE(window.focusParked());
}

TEST_F(KeysTest, F1AsksForHelpAlsoWhileParked) {
    QTest::keyClick(widget(ids::operandA), Qt::Key_F1);
    EXPECT_EQ(helpRequests, 1);
    click(ids::integerDigits);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(helpRequests, 2);
}

struct Typed {
    const char *keys; // UTF-8
    const char *count;
};

class CounterTest : public WindowFixture, public ::testing::WithParamInterface<Typed> {};

TEST_P(CounterTest, CountsTheBytesOfTheOperand) {
    type(ids::operandB, QString::fromUtf8(GetParam().keys));
    EXPECT_EQ(text(ids::lengthB), GetParam().count);
    EXPECT_EQ(text(ids::lengthA), "0");
}

INSTANTIATE_TEST_SUITE_P(Window, CounterTest,
                         ::testing::Values(Typed{"-1,234.5", "8"},
                                           Typed{"１２", "4"},    // full-width: two bytes each
                                           Typed{"ｷﾔ", "2"},      // half-width kana: one each
                                           Typed{"7€", "2"}));    // no CP932 form: one "?"

TEST_F(KeysTest, DeletingTheOperandCountsDownToZero) {
    type(ids::operandA, "-1,234.5");
    EXPECT_EQ(text(ids::lengthA), "8");
    QTest::keyClick(widget(ids::operandA), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget(ids::operandA), Qt::Key_Backspace);
    EXPECT_EQ(text(ids::lengthA), "0");
}

TEST_F(KeysTest, AltF4ClosesTheWindow) {
    QTest::keyClick(widget(ids::operandA), Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(window.isVisible());
}

TEST(WindowRun, ClosingTheWindowEndsTheModalRun) {
    CalcWindow window;
    QtPlatform platform(window);
    CalcDialog model(platform);
    bool closed = false;
    QTimer::singleShot(0, &window, [&] { closed = window.close(); });
    window.runModal(model);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace tallaro::qt
