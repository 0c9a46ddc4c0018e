// The window menu and the About box.
#include "WindowFixture.h"

#include "TemplateDialog.h"

#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <algorithm>

namespace tallaro::qt {
namespace {

using MenuTest = WindowFixture;

TEST_F(MenuTest, OpensOnARightClickOnTheBackgroundAndOnAltSpace) {
    QMenu &menu = window.systemMenu().menu();
    // Through the window, as the platform delivers it, so that Qt makes the context-menu
    // request of it; below the answer field there is nothing but the dialog.
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, QPoint(5, window.height() - 5));
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
    QTest::keyClick(widget(ids::operandA), Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
    EXPECT_EQ(text(ids::operandA), "") << "Alt+Space typed into the field";
}

TEST_F(MenuTest, AboutEntryAfterASeparatorOpensTheAboutBox) {
    const QList<QAction *> actions = window.systemMenu().menu().actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    EXPECT_EQ(actions.last()->text(), QStringLiteral("Tallaro のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    QString caption;
    QStringList labels;
    QTimer::singleShot(0, [&] {
        auto *about = dynamic_cast<TemplateDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        caption = about->windowTitle();
        for (const QLabel *label : about->findChildren<QLabel *>())
            labels << label->text();
        QTest::mouseClick(about->control(ids::ok), Qt::LeftButton);
    });
    actions.last()->trigger();
    EXPECT_EQ(caption, QStringLiteral("Tallaroのﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_TRUE(labels.contains(QStringLiteral("ＧＲＡＮＤＮＵＭ計算ｴﾝｼﾞﾝ\n\n     Version 1.0")));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "OK did not close the box";
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MenuTest, CloseEntryEndsTheDialog) {
    const QList<QAction *> actions = window.systemMenu().menu().actions();
    const auto close = std::find_if(actions.begin(), actions.end(), [](const QAction *action) {
        return action->data().toUInt() == SystemMenu::close;
    });
    ASSERT_NE(close, actions.end());
    (*close)->trigger();
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace tallaro::qt
