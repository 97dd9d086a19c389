// Test entry for the suites that touch widgets: a QApplication on the
// offscreen platform with the game's font substitutions and a fixed locale.
// Each test gets its own config folder through XDG_CONFIG_HOME (TestPlatform).
#include "platform/Application.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", "/tmp");
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    velin::SetUpApplication();
    return RUN_ALL_TESTS();
}
