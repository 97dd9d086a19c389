// The game's entry: the real platform services, then the entry procedure.
#include "app/SubMain.h"
#include "media/QtMci.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Surface.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // Without a display the window system cannot start; say so plainly
    // instead of letting the toolkit abort.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "べりん: no display is available (DISPLAY is not set); try: xvfb-run scripts/run\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velin"));
    velin::InstallFontSubstitutions();

    velin::QtDialogs dialogs;
    velin::QtMci mci;
    velin::QtScreen screen;
    velin::SystemClock clock;
    velin::Platform::Install(&dialogs, &mci, &screen, &clock);

    velin::SubMain();
    return QApplication::exec();
}
