// The widgets under test need one QApplication for the whole run; GoogleTest runs inside it.
#include "QtTranslations.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[]) {
    // The offscreen platform unless the caller chose one (a real display to watch the tests).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever the machine's language, the window as on a system Qt has no texts for: its
    // own texts come in the window's Japanese.
    qunsetenv("LANGUAGE");
    qputenv("LC_ALL", "C");
    QApplication application(argc, argv);
    tallaro::qt::installQtTranslations(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
