// The widgets under test need one QApplication for the whole run; GoogleTest runs inside it.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[]) {
    // The offscreen platform unless the caller chose one (a real display to watch the tests).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
