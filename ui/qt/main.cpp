// tallaro: the calculator window. It shows the main dialog once; closing it ends the program.
#include "CalcApp.h"
#include "CalcWindow.h"
#include "CommandLine.h"
#include "ControlIds.h"
#include "LargePages.h"
#include "QtPlatform.h"
#include "QtTranslations.h"
#include "ResourceText.h"
#include "Scratch.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    if (const auto status = tallaro::qt::answerInformationOptions(argc, argv))
        return *status;
    tallaro::setFreshMemoryAdvice(tallaro::adviseLargePages);
    QApplication application(argc, argv);
    tallaro::qt::installQtTranslations(application);
    QApplication::setApplicationName(QStringLiteral("Tallaro"));
    QApplication::setApplicationVersion(tallaro::qt::versionValue(QStringLiteral("ProductVersion")));
    QApplication::setDesktopFileName(QStringLiteral(TALLARO_APP_ID));
    QApplication::setWindowIcon(tallaro::qt::applicationIcon());

    tallaro::qt::CalcWindow window;
    tallaro::qt::QtPlatform platform(window);
    tallaro::CalcApp app(platform);
    window.setHelpRequest([&app] { app.WinHelp(0, tallaro::ids::help); });
    app.InitInstance([&window](tallaro::CalcDialog &dialog) { window.runModal(dialog); });
    return 0;
}
