#pragma once

// The program's main dialog as the user meets it: the real window from template 102, the Qt
// platform and the dialog model, shown and active on the offscreen platform.
#include "CalcDialog.h"
#include "CalcWindow.h"
#include "ControlIds.h"
#include "QtPlatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

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
    QPlainTextEdit *edit(int id) const { return qobject_cast<QPlainTextEdit *>(widget(id)); }
    QString text(int id) const;
    // Clicks a control as the user would, at its centre.
    void click(int id) { QTest::mouseClick(widget(id), Qt::LeftButton); }
    // Clicks into a field and types, one key event per character; a character beyond ASCII
    // comes as the text of a key the keyboard has no name for, as from an input method.
    void type(int id, const QString &keys) {
        click(id);
        for (QChar c : keys) {
            if (c.unicode() < 0x80)
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                    QString(c), Qt::NoModifier);
        }
    }
    // Types both operands and presses an operation button.
    void run(const QString &a, int button, const QString &b) {
        type(ids::operandA, a);
        type(ids::operandB, b);
        click(button);
    }

    CalcWindow window;
    QtPlatform platform;
    CalcDialog model;
    int helpRequests = 0;
};

inline QString WindowFixture::text(int id) const {
    if (const auto *plain = edit(id))
        return plain->toPlainText();
    if (const auto *line = qobject_cast<const QLineEdit *>(widget(id)))
        return line->text();
    return widget(id)->property("text").toString();
}

} // namespace tallaro::qt
