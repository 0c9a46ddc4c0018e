// The window menu, the About box and the ways to close the window.
#include "WindowFixture.h"

#include "TemplateDialog.h"

#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <functional>

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
    QSize icon;
    QTimer::singleShot(0, [&] {
        auto *about = dynamic_cast<TemplateDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        caption = about->windowTitle();
        for (const QLabel *label : about->findChildren<QLabel *>()) {
            labels << label->text();
            if (!label->pixmap().isNull())
                icon = label->pixmap().size();
        }
        QTest::mouseClick(about->control(ids::ok), Qt::LeftButton);
    });
    actions.last()->trigger();
    EXPECT_EQ(caption, QStringLiteral("Tallaroのﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_TRUE(labels.contains(QStringLiteral("ＧＲＡＮＤＮＵＭ計算ｴﾝｼﾞﾝ\n\n     Version 1.0")));
    EXPECT_EQ(icon, QSize(32, 32));
    // The window's icon comes in every size it was drawn at, for the task bar and the switcher.
    for (const int size : {16, 32, 48, 256})
        EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(size, size))) << size;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "OK did not close the box";
    EXPECT_TRUE(window.isVisible());
}

// Alt+F4 and the menu's Close entry each end the dialog's modal run.
TEST(WindowRun, AltF4AndTheCloseEntryEndTheModalRun) {
    const std::function<void(CalcWindow &)> closers[] = {
        [](CalcWindow &window) { QTest::keyClick(&window, Qt::Key_F4, Qt::AltModifier); },
        [](CalcWindow &window) {
            for (QAction *action : window.systemMenu().menu().actions())
                if (action->data().toUInt() == SystemMenu::close)
                    action->trigger();
        },
    };
    for (const auto &close : closers) {
        CalcWindow window;
        QtPlatform platform(window);
        CalcDialog model(platform);
        bool closed = false;
        QTimer::singleShot(0, &window, [&] {
            close(window);
            closed = !window.isVisible();
            window.close(); // a run that the closer left open ends all the same
        });
        window.runModal(model);
        EXPECT_TRUE(closed);
    }
}

} // namespace
} // namespace tallaro::qt
