// A long command seen from the window: typing into the inputs and clicks on the buttons do
// nothing, the progress shows after half a second, and Esc or the stop control end it with
// every field as it was; closing the window ends it too.
#include "WindowFixture.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

#include <map>

namespace tallaro::qt {
namespace {

using BusyTest = WindowFixture;

TEST_F(BusyTest, EscOrTheStopControlEndALongCommandWithEveryFieldAsItWas) {
    auto &precision = *qobject_cast<QLineEdit *>(widget(ids::precision));
    precision.setText("5");
    run("1", ids::divideButton, "3");
    QGuiApplication::clipboard()->setText("kept");
    precision.setText("100000000");
    type(ids::operandA, "1");
    type(ids::operandB, "7");
    std::map<int, QString> before;
    for (int id : {ids::operandA, ids::operandB, ids::precision, ids::answer, ids::integerDigits,
                   ids::fractionDigits, ids::elapsedTime, ids::repetendHead, ids::repetendTail})
        before[id] = text(id);
    for (const bool byEsc : {true, false}) {
        click(ids::divideButton);
        ASSERT_TRUE(model.busy());
        QTest::keyClicks(widget(ids::operandA), "99");
        QTest::keyClicks(&precision, "9");
        for (int button : {ids::addButton, ids::divideButton, ids::copyButton})
            click(button);
        if (byEsc) {
            press(Qt::Key_Escape);
        } else {
            ProgressPanel &progress = window.progressPanel();
            ASSERT_TRUE(QTest::qWaitFor([&] { return progress.isVisible(); }));
            QTest::mouseClick(&progress.stopButton(), Qt::LeftButton);
        }
        waitForCommand();
        for (const auto &[id, shown] : before)
            EXPECT_EQ(text(id), shown) << id << (byEsc ? " after Esc" : " after the stop control");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
        EXPECT_FALSE(window.progressPanel().isVisible());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    // The inputs take typing again, and Esc without a command does nothing.
    press(Qt::Key_Escape);
    run("5", ids::addButton, "3");
    click(ids::copyButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "8");
}

TEST_F(BusyTest, ClosingTheWindowEndsARunningCommand) {
    qobject_cast<QLineEdit *>(widget(ids::precision))->setText("100000000");
    run("1", ids::addButton, "7");
    click(ids::divideButton);
    ASSERT_TRUE(model.busy());
    window.close();
    EXPECT_FALSE(window.isVisible());
    // The model, going with the window, stops the work and waits for it; a worker left
    // running would end the program when its thread object goes.
}

} // namespace
} // namespace tallaro::qt
