// Window operations of the Qt platform that the commands reach only in rare moments.
#include "WindowFixture.h"

#include "Cp932.h"

#include <QMessageBox>
#include <QTimer>

namespace tallaro::qt {
namespace {

using PlatformTest = WindowFixture;

TEST_F(PlatformTest, MessageBoxShowsTheTextAndWaitsForOk) {
    QString shown;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    platform.showMessage(toCp932(u"メモリが不足しています。"));
    EXPECT_EQ(shown, QStringLiteral("メモリが不足しています。"));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(PlatformTest, ExecutableFolderHoldsTheRunningProgram) {
    const std::string folder = platform.executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_TRUE(platform.fileExists(folder + "/qt_tests"));
    EXPECT_FALSE(platform.fileExists(folder));
}

} // namespace
} // namespace tallaro::qt
