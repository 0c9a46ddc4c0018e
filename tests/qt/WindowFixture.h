#pragma once

// The program's main dialog as the user meets it: the real window from template 102, the Qt
// platform and the dialog model, shown and active on the offscreen platform.
#include "CalcDialog.h"
#include "CalcWindow.h"
#include "ControlIds.h"
#include "QtPlatform.h"
#include "TextField.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tallaro::qt {

class WindowFixture : public ::testing::Test {
protected:
    WindowFixture() : platform(window), model(platform) {
        window.setHelpRequest([this] { ++helpRequests; });
        window.attach(model);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    ~WindowFixture() override { window.detach(); }

    QWidget *widget(int id) const { return window.control(id); }
    TextField *field(int id) const { return qobject_cast<TextField *>(widget(id)); }
    QString text(int id) const {
        return field(id) ? field(id)->toPlainText() : widget(id)->property("text").toString();
    }
    // Clicks a control as the user would, at its centre.
    void click(int id) { QTest::mouseClick(widget(id), Qt::LeftButton); }
    // A key to wherever the focus is, as the keyboard sends it.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &window, key, modifiers);
    }
    // Empties an operand field, clicks into it and types ASCII keys, one event per character.
    void type(int id, const QString &keys) {
        field(id)->setPlainText(u"");
        click(id);
        QTest::keyClicks(QApplication::focusWidget(), keys);
    }
    // Pastes text into a field with Ctrl+V, where the caret is.
    void paste(int id, const QString &text) {
        QGuiApplication::clipboard()->setText(text);
        widget(id)->setFocus();
        QTest::keyClick(widget(id), Qt::Key_V, Qt::ControlModifier);
    }
    // Reads the text of the next message box into `shown` and closes it with Enter.
    static void readNextMessage(QString &shown) {
        QTimer::singleShot(0, [&shown] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            shown = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
    }
    // Lets the command a click or a key started run to its end, as the user waits for it.
    void waitForCommand() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !model.busy(); }, 60'000));
    }
    // Types both operands, presses an operation button and waits for the answer.
    void run(const QString &a, int button, const QString &b) {
        type(ids::operandA, a);
        type(ids::operandB, b);
        click(button);
        waitForCommand();
    }

    CalcWindow window;
    QtPlatform platform;
    CalcDialog model;
    int helpRequests = 0;
};

} // namespace tallaro::qt
