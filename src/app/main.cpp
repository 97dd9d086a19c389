// The game's entry: the real platform services, then the entry procedure.
#include "app/FirstRun.h"
#include "app/SubMain.h"
#include "media/QtMci.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstdio>

int main(int argc, char** argv)
{
    // Without a display the window system cannot start; say so plainly
    // instead of letting the toolkit abort.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr,
                     "べりん: no display is available (DISPLAY is not set); start it in a desktop session, "
                     "or without one: xvfb-run %s\n",
                     argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velin"));
    velin::SetUpApplication();

    velin::QtDialogs dialogs;
    velin::QtMci mci;
    velin::QtScreen screen;
    velin::SystemClock clock;
    velin::Platform::Install(&dialogs, &mci, &screen, &clock);

    // An installed game sets up a person's first run itself, from the data
    // installed beside it; run from the build folder, scripts/run does.
    const QString installed = velin::FirstRun::InstalledData(QCoreApplication::applicationDirPath());
    if (!installed.isEmpty()) {
        QString error;
        const QString dataHome =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/velin");
        if (!velin::FirstRun::InstallUserData(installed, dataHome, velin::Paths::ConfigFolder(), error))
            std::fprintf(stderr, "べりん: %s\n", qPrintable(error));
    }

    velin::SubMain();
    return QApplication::exec();
}
