// Window operations of the Qt platform that the commands reach only in rare moments.
#include "WindowFixture.h"

#include "Cp932.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>
#include <vector>

namespace tallaro::qt {
namespace {

using PlatformTest = WindowFixture;

TEST_F(PlatformTest, MessageBoxShowsTheTextAndWaitsForOk) {
    QString shown;
    readNextMessage(shown);
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

// The desktop's defaults are read from the XDG folders; here they all point at a folder that
// holds only the MIME database, into which a viewer for CHM files is then installed.
TEST_F(PlatformTest, ViewerForHelpIsTheDesktopsDefaultApplication) {
    QTemporaryDir xdg;
    const QString mime =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("mime"),
                               QStandardPaths::LocateDirectory);
    ASSERT_TRUE(QFile::link(mime, xdg.filePath(QStringLiteral("mime"))));
    const char *const variables[] = {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME",
                                     "XDG_DATA_DIRS", "XDG_CURRENT_DESKTOP"};
    std::vector<std::optional<QByteArray>> saved;
    for (const char *variable : variables) {
        saved.push_back(qEnvironmentVariableIsSet(variable) ? std::optional(qgetenv(variable))
                                                            : std::nullopt);
        qputenv(variable, QFile::encodeName(xdg.path()));
    }
    qputenv("XDG_CURRENT_DESKTOP", "X-Generic");

    EXPECT_FALSE(platform.hasViewerFor("/opt/tallaro/pomatrel.chm"));
    ASSERT_TRUE(QDir(xdg.path()).mkpath(QStringLiteral("applications")));
    QFile viewer(xdg.filePath(QStringLiteral("applications/viewer.desktop")));
    ASSERT_TRUE(viewer.open(QIODevice::WriteOnly));
    viewer.write("[Desktop Entry]\nType=Application\nName=Viewer\nExec=viewer %f\n"
                 "MimeType=application/vnd.ms-htmlhelp;\n");
    viewer.close();
    EXPECT_TRUE(platform.hasViewerFor("/opt/tallaro/pomatrel.chm"));
    EXPECT_FALSE(platform.hasViewerFor("/opt/tallaro/pomatrel.xyz"));

    for (std::size_t i = 0; i < saved.size(); ++i)
        saved[i] ? qputenv(variables[i], *saved[i]) : qunsetenv(variables[i]);
}

} // namespace
} // namespace tallaro::qt
